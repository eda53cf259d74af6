#include "exchange/instructions/PartsList.h"

#include "exchange/instructions/BrickLinkColours.h"
#include "model/BlockList.h"

namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string XmlText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// A comment may not hold "--" nor end in '-'.
std::string XmlComment(std::string text) {
    for (size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at))
        text.replace(at, 2, "- -");
    if (!text.empty() && text.back() == '-')
        text += ' ';
    return "<!-- " + text + " -->";
}

std::string PartLine(const TNamedPart& part) {
    return std::to_string(part.Count) + " " + part.PartNumber + " " + part.Description;
}

} // namespace

std::vector<TNamedPart> BillOfMaterials(const TBlockList& model, const TLDrawMap& map) {
    std::vector<TBlock*> bricks;
    for (const auto& brick : model.Items())
        bricks.push_back(brick.get());
    return NameParts(CountParts(bricks), map);
}

std::vector<std::string> PartsListText(const std::vector<TNamedPart>& parts) {
    std::vector<std::string> lines;
    int bricks = 0;
    for (const TNamedPart& part : parts) {
        lines.push_back(PartLine(part) + ", " + part.ColourName + " (" +
                        std::to_string(part.LDrawColour) + ")");
        bricks += part.Count;
    }
    lines.push_back("parts " + std::to_string(parts.size()) + " bricks " + std::to_string(bricks));
    return lines;
}

std::vector<std::string> PartsListCsv(const std::vector<TNamedPart>& parts) {
    std::vector<std::string> lines = {"Part,Description,Colour,LDraw colour,Count"};
    for (const TNamedPart& part : parts)
        lines.push_back(CsvField(part.PartNumber) + "," + CsvField(part.Description) + "," +
                        CsvField(part.ColourName) + "," + std::to_string(part.LDrawColour) + "," +
                        std::to_string(part.Count));
    return lines;
}

std::vector<std::string> BrickLinkWantedList(const std::vector<TNamedPart>& parts,
                                             const TBrickLinkColours& colours) {
    std::vector<std::string> lines = {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<INVENTORY>"};
    for (const TNamedPart& part : parts) {
        if (part.LDrawPart.empty()) {
            lines.push_back(XmlComment("left out, no LDraw part: " + PartLine(part)));
            continue;
        }
        std::string colour;
        if (auto number = colours.Find(part.LDrawColour))
            colour = "<COLOR>" + std::to_string(*number) + "</COLOR>";
        else
            lines.push_back(XmlComment("no BrickLink colour for LDraw colour " +
                                       std::to_string(part.LDrawColour) + " " + part.ColourName +
                                       ": " + PartLine(part)));
        lines.push_back("<ITEM><ITEMTYPE>P</ITEMTYPE><ITEMID>" + XmlText(part.LDrawPart) +
                        "</ITEMID>" + colour + "<MINQTY>" + std::to_string(part.Count) +
                        "</MINQTY></ITEM>");
    }
    lines.push_back("</INVENTORY>");
    return lines;
}

std::vector<std::string> LeftOutOfWantedList(const std::vector<TNamedPart>& parts) {
    std::vector<std::string> lines;
    for (const TNamedPart& part : parts)
        if (part.LDrawPart.empty())
            lines.push_back("left out " + PartLine(part));
    return lines;
}

#include "base/FileIO.h"
#include "model/BlockList.h"
#include "model/GeneralBlock.h"
#include "model/ModelFile.h"

namespace {
void AppendInt(std::string& line, int64_t value) {
    line += ' ';
    line += std::to_string(value);
}
} // namespace

TModelHeader HeaderOfList(const TBlockList& list) {
    return {list.FileRotX,    list.FileRotZ,    list.FileScaleBar,
            list.FileOffsetX, list.FileOffsetY, list.FileStuds};
}

std::string BrickLine(const TBlock& b) {
    std::string line(1, b.Kind);
    for (int32_t value : {b.X, b.Y, b.Z, b.SX, b.SY, b.SZ, b.Colour})
        AppendInt(line, value);
    for (bool flag : {b.Studs, b.Baseplate})
        AppendInt(line, flag ? 1 : 0);
    AppendInt(line, b.Turn);
    AppendInt(line, b.Transparent ? 1 : 0);
    const auto* general = dynamic_cast<const TGeneralBlock*>(&b);
    if (b.Kind == 'G' && general)
        line += ' ' + general->FileName() + ' ' + general->PartName();
    AppendInt(line, b.Group);
    line += ' ' + b.PartID;
    AppendInt(line, b.Step);
    return line;
}

std::string ModelFileText(const TBlockList& list, const TModelHeader& header, bool all) {
    std::string text = "=";
    for (int32_t value :
         {header.RotX, header.RotZ, header.ScaleBar, header.OffsetX, header.OffsetY, header.Studs})
        AppendInt(text, value);
    text += " 1\r\n";
    for (const auto& brick : list.Items()) {
        if (all || brick->Selected)
            text += BrickLine(*brick) + "\r\n";
    }
    return text;
}

void SaveModelFile(const TBlockList& list, const std::string& fileName, const TModelHeader& header,
                   bool all) {
    WriteFileReplacing(fileName, ModelFileText(list, header, all));
}

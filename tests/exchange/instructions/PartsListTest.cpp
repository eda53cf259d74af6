#include "exchange/instructions/PartsList.h"

#include "base/LDrawColours.h"
#include "exchange/LoadModel.h"
#include "exchange/instructions/BrickLinkColours.h"
#include "exchange/ldraw/LDrawMap.h"
#include "support/Bricks.h"
#include "support/ErrorMessage.h"
#include "support/ShippedAppDir.h"

#include <expat.h>
#include <gtest/gtest.h>
#include <numeric>

namespace {

// Parses the whole list with a real XML parser and adds up the wanted quantities.
struct TWantedList {
    int Items = 0, Quantity = 0;
    std::string Text, Element;

    static void Start(void* data, const char* name, const char**) {
        auto* list = static_cast<TWantedList*>(data);
        list->Element = name;
        list->Text.clear();
        list->Items += list->Element == "ITEM";
    }
    static void End(void* data, const char* name) {
        auto* list = static_cast<TWantedList*>(data);
        if (std::string(name) == "MINQTY")
            list->Quantity += std::stoi(list->Text);
    }
    static void Chars(void* data, const char* s, int length) {
        static_cast<TWantedList*>(data)->Text.append(s, size_t(length));
    }
};

TWantedList ParseWantedList(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    TWantedList list;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &list);
    XML_SetElementHandler(parser, TWantedList::Start, TWantedList::End);
    XML_SetCharacterDataHandler(parser, TWantedList::Chars);
    const bool wellFormed = XML_Parse(parser, text.data(), int(text.size()), 1) == XML_STATUS_OK;
    EXPECT_TRUE(wellFormed) << XML_ErrorString(XML_GetErrorCode(parser)) << "\n" << text;
    XML_ParserFree(parser);
    return list;
}

int Total(const std::vector<TNamedPart>& parts) {
    return std::accumulate(parts.begin(), parts.end(), 0,
                           [](int sum, const TNamedPart& part) { return sum + part.Count; });
}

} // namespace

// Every shipped sample: the bill of materials counts every brick, and the wanted list parses
// and asks for every brick that has an LDraw part.
TEST(PartsListTest, ShippedSamplesAddUp) {
    TShippedAppDir appDir;
    TLDrawMap map;
    map.Load();
    const TBrickLinkColours colours = TBrickLinkColours::Load(BrickLinkColourFile());
    for (const char* name : {"house", "castle", "showcase", "vehicle"}) {
        SCOPED_TRACE(name);
        TBlockList model;
        LoadModel(model, std::string(TESSARYN_SHIPPED_DATA "Models/") + name + ".lgo", LoadWhole);
        const std::vector<TNamedPart> parts = BillOfMaterials(model, map);
        EXPECT_EQ(Total(parts), model.Count());
        int leftOut = 0;
        for (const TNamedPart& part : parts)
            leftOut += part.LDrawPart.empty() ? part.Count : 0;
        const TWantedList list = ParseWantedList(BrickLinkWantedList(parts, colours));
        EXPECT_EQ(list.Quantity, model.Count() - leftOut);
        EXPECT_EQ(LeftOutOfWantedList(parts).size() > 0, leftOut > 0);
    }
}

// Turned copies are one part; colour, transparency and studs make another. A part without a
// row keeps its own text form, and odd text is escaped in every format.
TEST(PartsListTest, DistinctPartsAndTheirNames) {
    TLDrawMap map; // no rows: nothing has an LDraw part unless its identity names one
    std::vector<std::unique_ptr<TBlock>> owned;
    owned.push_back(MakeBrick('B', 0, 0, 0, 40, 80, 24, 0x1B28C4, true));
    owned.push_back(MakeBrick('B', 0, 0, 0, 80, 40, 24, 0x1B28C4, true, 1));
    owned.push_back(MakeBrick('B', 0, 0, 0, 80, 40, 24, 0x1B28C4, false));
    owned.push_back(MakeBrick('B', 0, 0, 0, 80, 40, 8, 0x1B28C4, true));
    owned.back()->Transparent = true;
    owned.push_back(MakeBrick('B', 0, 0, 0, 20, 20, 24, 0xF2F3F2, true));
    owned.back()->PartID = "a&b\"c,d--";
    std::vector<TBlock*> bricks;
    for (auto& brick : owned)
        bricks.push_back(brick.get());
    std::vector<TNamedPart> parts = NameParts(CountParts(bricks), map);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(Total(parts), 5);

    EXPECT_EQ(PartsListText(parts),
              (std::vector<std::string>{"1 a&b\"c,d-- Brick 1 x 1, White (15)",
                                        "1 B4x2x1 Plate 4 x 2, Trans-Red (36)",
                                        "1 B4x2x3 Brick 4 x 2 without studs, Red (4)",
                                        "2 B4x2x3 Brick 4 x 2, Red (4)", "parts 4 bricks 5"}));
    EXPECT_EQ(PartsListCsv(parts)[1], "\"a&b\"\"c,d--\",Brick 1 x 1,White,15,1");

    TBrickLinkColours colours; // no rows: the one wanted item keeps a colourless entry
    const std::vector<std::string> wanted = BrickLinkWantedList(parts, colours);
    const TWantedList list = ParseWantedList(wanted);
    EXPECT_EQ(std::pair(list.Items, list.Quantity), std::pair(1, 1));
    EXPECT_EQ(LeftOutOfWantedList(parts).size(), 3u);
}

TEST(PartsListTest, ColourTableRejectsMalformedRows) {
    TBrickLinkColours table = TBrickLinkColours::FromText("; c\r\n4 5 Red\r\n\r\n15 1\r\n", "t");
    EXPECT_EQ(std::tuple(table.Find(4), table.Find(15), table.Find(0)),
              std::tuple(5, 1, std::nullopt));
    EXPECT_EQ(MessageOf([] { TBrickLinkColours::FromText("4 5\r\nred 5\r\n", "t"); }),
              "t line 2: expected an LDraw colour number and a BrickLink colour number, not "
              "\"red 5\"");
}

// Every colour of the swatches has a BrickLink colour in the shipped table.
TEST(PartsListTest, ShippedColourTableCoversTheSwatches) {
    TShippedAppDir appDir;
    const TBrickLinkColours colours = TBrickLinkColours::Load(BrickLinkColourFile());
    for (const TColourSwatch& swatch : ColourSwatches)
        EXPECT_TRUE(colours.Find(swatch.LDrawNumber).has_value()) << swatch.Name;
}

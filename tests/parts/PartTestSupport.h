#pragma once
// A private program folder with a parts folder for one test; empties the part cache around it.

#include "parts/DrawClass.h"
#include "parts/PartFile.h"
#include "support/ErrorMessage.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <string>

inline std::vector<TPoint3> Square(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t z) {
    return {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}};
}

// Three polygons: a bottom, a top and a sloped face rising above the top.
inline TDrawClass ThreeFaces() {
    TDrawClass d;
    d.AddPolygon(Square(0, 0, 40, 40, 0));
    d.AddPolygon(Square(0, 0, 40, 40, 24));
    d.AddPolygon({{0, 0, 10}, {40, 0, 10}, {40, 40, 50}});
    d.Modified = false;
    return d;
}

// A definition's section as a part file holds it, each line ended by CR LF.
inline std::string SectionText(TDrawClass definition) {
    TLines lines;
    SaveToLines(definition, lines);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The program's folder, and the cache's emptiness, are put back afterwards.
class PartFolderTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(Dir / "parts"); }

    // Writes a file into the parts folder exactly as given (line ends included).
    void WritePartFile(const std::string& name, const std::string& text) {
        Folder.Write("parts/" + name, text);
    }
    std::string ReadPartFile(const std::string& name) {
        return TTempFolder::Read(Folder.File("parts/" + name));
    }

    TTempFolder Folder;
    const std::filesystem::path& Dir = Folder.Path;
    TShippedAppDir App{Folder.Dir()};
};

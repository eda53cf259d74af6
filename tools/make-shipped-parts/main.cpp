// Writes the shipped part files and the decoration picture into the given data folder:
//   make-shipped-parts data/

#include "ShippedParts.h"
#include "base/Error.h"
#include "parts/PartFile.h"
#include "raster/PictureFiles.h"

#include <iostream>
#include <map>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-shipped-parts DATA_FOLDER\n";
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    try {
        std::map<std::string, TLines> files;
        for (TDrawClass& d : ShippedParts()) {
            TLines& lines = files[d.FileName];
            SaveToLines(d, lines);
            lines.push_back("");
        }
        files["userblks.dat"];
        for (auto& [name, lines] : files)
            SavePartFileLines(folder + "parts/" + name, lines);
        WritePictureFile(*ShippedFacePicture(), folder + "parts/face.bmp");
    } catch (const TError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}

#include "exchange/pictures/PictureSave.h"

#include "exchange/pictures/PictureEstimate.h"
#include "support/ReferenceFile.h"

#include <array>
#include <gtest/gtest.h>
#include <sstream>

// Titles, size estimates, formats and names of saved pictures, each with what it gives.
TEST(PictureSave, NamesFormatsAndTitlesAsTheTableSays) {
    EXPECT_TRUE(
        MatchesTranscript("exchange/picture-names.txt", [](const std::string& line) -> std::string {
            std::istringstream words(line);
            std::string kind, path;
            words >> kind;
            std::getline(words >> std::ws, path);
            if (kind == "title") {
                int variant = 0;
                TPictureFrame frame;
                std::istringstream(path) >> variant >> frame.Left >> frame.Top >> frame.Right >>
                    frame.Bottom;
                return SavePictureTitle(variant, frame);
            }
            if (kind == "bytes") {
                const TSizeEstimate size = EstimateBytes(std::stod(path));
                return std::to_string(size.Value) + " " + size.Unit;
            }
            if (kind == "format")
                return std::string(
                    std::array{"bmp", "png", "jpg"}[size_t(PictureFormatOfPath(path))]);
            if (kind == "model")
                return PictureNameForModel(path);
            if (kind == "folder")
                return FolderOfPath(path);
            return WithDefaultExtension(path, kind);
        }));
}

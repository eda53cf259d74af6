#include "exchange/pictures/Picture.h"

#include "base/Error.h"
#include "exchange/pictures/PictureEstimate.h"
#include "exchange/pictures/PictureSave.h"
#include "model/BlockList.h"
#include "raster/PictureFiles.h"
#include "render/RenderTestSupport.h"
#include "support/ErrorMessage.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <array>
#include <gtest/gtest.h>
#include <sstream>

namespace {

constexpr TColour Background = 0x102030;

// A red brick in a 40 x 30 view; the pictures made of it are compared whole with references.
struct PictureTest : ::testing::Test {
    TDrawContext Context;
    TBlockList Model;
    TBackground Ground{Background, nullptr};
    TBitmap View{40, 30};

    void SetUp() override {
        SetView(Context, 0, 0, 0.25f, 3, 2);
        Model.Add(MakeBrick('B', 0, 0, 0, 40, 20, 24, 0x0000FF));
        DrawScene(Model, View, Context, Ground);
    }
    std::unique_ptr<TBitmap> Make(int variant, TPictureFrame frame) {
        return MakePicture(variant, frame, View, Model, Context, Ground);
    }
};

TEST_F(PictureTest, VariantsAndFramesMatchTheirReferences) {
    struct TCase {
        const char* Name;
        int Variant;
        TPictureFrame Frame;
    } cases[] = {
        {"as-seen-beyond-the-view", 0, {-5, -4, 35, 26}}, // outside the view: background
        {"anti-aliased", 1, {4, 3, 12, 7}},
        {"anti-aliased-beyond-the-view", 1, {30, 20, 50, 40}},
        {"anti-aliased-far-away", 1, {2000000000, -2100000000, 2000000010, -2099999990}},
        {"double", 2, {1, 1, 21, 16}},
        {"threefold", 3, {0, 0, 10, 5}},
        {"eightfold", 8, {0, 0, 10, 5}},
    };
    for (const TCase& c : cases)
        EXPECT_TRUE(MatchesReferencePicture(*Make(c.Variant, c.Frame),
                                            std::string("exchange/picture-") + c.Name + ".png"));
    EXPECT_EQ(Context.View.ViewScale, 0.25f); // the larger variants leave the view as it was
}

TEST_F(PictureTest, UnknownVariantsAndEmptyFramesAreRefused) {
    for (auto [variant, frame] : {std::pair{-1, TPictureFrame{0, 0, 10, 10}},
                                  {8, {0, 0, 1 << 29, 10}},
                                  {8, {0, 0, 100000, 100000}},
                                  {0, {10, 0, 10, 10}},
                                  {2, {0, 10, 10, 5}}})
        EXPECT_THROW(Make(variant, frame), TError) << variant;
}

// Saving refuses a picture too large to hold in words and writes nothing; a JPEG of the double
// picture reads back at twice the frame's size.
TEST_F(PictureTest, SavingRefusesAPictureTooLargeToHold) {
    TTempFolder folder;
    EXPECT_NE(MessageOf([&] {
                  SavePictureFile(8, {0, 0, 9999, 9999}, View, Model, Context, Ground,
                                  folder.File("huge.png"));
              }).find("79992 x 79992 pixels"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.File("huge.png")));
    SavePictureFile(2, {0, 0, 20, 10}, View, Model, Context, Ground, folder.File("small.jpg"));
    TBitmap back;
    ReadPictureFile(folder.File("small.jpg"), back);
    EXPECT_EQ(std::pair(back.Width(), back.Height()), std::pair(40, 20));
}

} // namespace

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

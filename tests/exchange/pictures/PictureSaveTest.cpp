#include "exchange/pictures/PictureSave.h"

#include "base/Error.h"
#include "model/BlockList.h"
#include "render/RenderTestSupport.h"
#include "render/Scene.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(PictureSave, TheFormatComesFromTheFileNameNotItsFolders) {
    struct Case {
        const char* path;
        TPictureFormat format;
    } cases[] = {
        {"/home/u/Pict/house.JPG", TPictureFormat::Jpeg},
        {"/home/u/view.png.bmp", TPictureFormat::Png},
        {"/home/u/house.gif", TPictureFormat::Bmp},
        {"/home/u/old.jpg.d/house.png", TPictureFormat::Png},
        {"/home/u/x.png/house.bmp", TPictureFormat::Bmp},
        {"/home/u/x.jpg/house", TPictureFormat::Bmp},
        {"house.jpg", TPictureFormat::Jpeg},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureFormatOfPath(c.path), c.format) << c.path;
}

TEST(PictureSave, NamesWithoutExtensionGetTheChosenOne) {
    EXPECT_EQ(WithDefaultExtension("/p/house", "png"), "/p/house.png");
    EXPECT_EQ(WithDefaultExtension("/p.d/house", "jpg"), "/p.d/house.jpg");
    EXPECT_EQ(WithDefaultExtension("/p/house.bmp", "png"), "/p/house.bmp");
    EXPECT_EQ(WithDefaultExtension("/p/house.gif", "png"), "/p/house.gif");
    EXPECT_EQ(PictureNameForModel("/m/Models/house.lgo"), "house");
    EXPECT_EQ(PictureNameForModel("/m/a.b/car"), "car");
    EXPECT_EQ(PictureNameForModel(""), "");
    EXPECT_EQ(FolderOfPath("/m/Pict/house.png"), "/m/Pict");
    EXPECT_EQ(FolderOfPath("/house.png"), "/");
}

TEST(PictureSave, APictureTooLargeToHoldIsRefusedInWords) {
    TTempFolder folder;
    TDrawContext context;
    SetView(context, 0, 0, 0.25f, 20, 15);
    TBlockList model;
    model.Add(MakeBrick('B', 0, 0, 0, 40, 20, 24, 0x0000FF));
    TBitmap view(40, 30);
    TBackground background{0x102030, nullptr};
    DrawScene(model, view, context, background);
    try {
        SavePictureFile(8, {0, 0, 9999, 9999}, view, model, context, background,
                        folder.File("huge.png"));
        FAIL() << "no error";
    } catch (const TError& e) {
        EXPECT_NE(std::string(e.what()).find("79992 x 79992 pixels"), std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("huge.png")));

    SavePictureFile(2, {0, 0, 20, 10}, view, model, context, background, folder.File("small.jpg"));
    TBitmap back;
    ReadPictureFile(folder.File("small.jpg"), back);
    EXPECT_EQ(back.Width(), 40);
    EXPECT_EQ(back.Height(), 20);
}

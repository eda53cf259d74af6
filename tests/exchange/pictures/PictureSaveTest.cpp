#include "exchange/pictures/PictureSave.h"

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

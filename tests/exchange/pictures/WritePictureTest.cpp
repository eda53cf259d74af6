#include "base/FileIO.h"
#include "exchange/pictures/Picture.h"
#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "render/RenderTestSupport.h"
#include "render/Scene.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// Shaded, studded, round and transparent bricks on a coloured ground, seen at an angle: every
// kind of pixel the view can hold.
struct WritePictureTest : ::testing::Test {
    TTempFolder Folder;
    TDrawContext Context;
    TBlockList Model;
    TBackground Background{0x203040, nullptr};

    void SetUp() override {
        SetView(Context, 60, 30, 1.5f, 150, 120);
        Context.Shading = true;
        Model.Add(MakeBrick('B', -80, -80, -8, 160, 160, 8, 0x808080, true));
        Model.Add(MakeBrick('B', -40, -20, 0, 80, 40, 24, 0x2060C0, true));
        Model.Add(MakeBrick('R', 0, 20, 0, 40, 40, 24, 0x10B040, true));
        Model.Add(MakeBrick('B', -20, -40, 24, 40, 20, 24, 0xF0C010, true)).Transparent = true;
    }

    // The file of the frame (the whole view unless given) as seen, written as it lies or copied
    // first: the two must be the same.
    std::string Written(const TBitmap& view, TPictureFormat format, bool direct,
                        TPictureFrame frame = {}) {
        std::string name = Folder.File(direct ? "direct" : "made");
        if (frame.Right == 0)
            frame = {0, 0, view.Width(), view.Height()};
        if (direct)
            WritePicture(0, frame, view, Model, Context, Background, name, format);
        else
            WritePictureFile(*MakePicture(0, frame, view, Model, Context, Background), name,
                             format);
        return ReadWholeFile(name);
    }
};

const TPixelFormat Formats[] = {TPixelFormat::pf8bit,  TPixelFormat::pf15bit,
                                TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                                TPixelFormat::pf32bit, TPixelFormat::pfDevice};
const TPictureFormat Files[] = {TPictureFormat::Bmp, TPictureFormat::Png, TPictureFormat::Jpeg};

} // namespace

// For every bit depth and file format, plain and anti-aliased; a frame short of the whole view
// by one edge is copied, not written as the view lies.
TEST_F(WritePictureTest, WrittenAsItLiesEqualsTheCopy) {
    for (bool antiAliased : {false, true})
        for (TPixelFormat format : Formats) {
            TBitmap view(301, 233, format);
            PaintFrame(Model, view, Context, Background, antiAliased);
            for (TPictureFormat file : Files)
                EXPECT_EQ(Written(view, file, true), Written(view, file, false))
                    << int(format) << " " << int(file) << " " << antiAliased;
            if (format == TPixelFormat::pf32bit && !antiAliased) {
                for (TPictureFrame frame : {TPictureFrame{5, 0, 301, 233},
                                            {0, 5, 301, 233},
                                            {0, 0, 300, 233},
                                            {0, 0, 301, 232},
                                            {5, 5, 100, 80}})
                    EXPECT_EQ(Written(view, TPictureFormat::Bmp, true, frame),
                              Written(view, TPictureFormat::Bmp, false, frame))
                        << frame.Left << "," << frame.Top << "," << frame.Right << ","
                        << frame.Bottom;
            }
        }
}

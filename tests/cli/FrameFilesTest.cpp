// What the frames hold and their order are checked through the sequence command's references;
// here the failure of a frame written on another thread.

#include "cli/FrameFiles.h"

#include "raster/Bitmap.h"
#include "support/ErrorMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(FrameFiles, AFrameThatCannotBeWrittenFailsTheCommandNamingIt) {
    TTempFolder folder;
    const std::string missing = folder.File("gone");
    TBitmap picture(7, 5);
    TFrameFiles files(missing);
    EXPECT_EQ(MessageOf([&] {
                  for (int view = 0; view < 4; ++view)
                      files.Add(picture, 2);
                  files.Finish();
              }),
              "Cannot create file \"" + missing + "/frame-00001.png\": No such file or directory");
}

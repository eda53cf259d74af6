#include "render/sequence/SequenceFile.h"

#include "base/Error.h"
#include "support/ErrorMessage.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
TViewFrame Sample(int seed) {
    TViewFrame frame;
    frame.ViewScale = 10.0f / (seed + 3);
    frame.OriginX = 400.5f - seed;
    frame.OriginY = -12.25f;
    frame.RotX = 70 + seed;
    frame.RotZ = 30 * seed;
    frame.ScaleBar = seed + 3;
    frame.OffsetX = -seed;
    frame.OffsetY = 5000;
    frame.Studs = uint8_t(seed % 2);
    frame.Delay = 0.0625f * seed;
    frame.InBetween = seed * 4;
    return frame;
}

std::string Count(int32_t count) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(uint32_t(count) >> (8 * i));
    return bytes;
}
} // namespace

// Every field of a frame differs between the two, so a field at the wrong offset or in the wrong
// byte order shows in the file.
TEST(SequenceFile, TwoFramesWriteTheReferenceBytesAndReadBackEqual) {
    TTempFolder folder;
    std::vector<TViewFrame> frames = {Sample(0), Sample(1)};
    std::string name = folder.File("turn.lgs");
    WriteSequenceFile(name, frames);
    EXPECT_TRUE(MatchesReferenceText(TTempFolder::Read(name), "render/sequence/two-frames.lgs"));
    EXPECT_EQ(ReadSequenceFile(name), frames);
    WriteSequenceFile(name, {});
    EXPECT_TRUE(ReadSequenceFile(name).empty());
}

TEST(SequenceFile, DamagedFilesAreRefusedNamingTheFile) {
    std::string two = SequenceBytes({Sample(0), Sample(1)});
    auto withFrame = [](TViewFrame frame) { return SequenceBytes({Sample(0), frame}); };
    TViewFrame notANumber = Sample(1), tooLong = Sample(1), tooMany = Sample(1);
    notANumber.OriginY = std::numeric_limits<float>::quiet_NaN();
    tooLong.Delay = 3600.5f;
    tooMany.InBetween = MostInBetweenViews + 1;
    const std::pair<std::string, std::string> cases[] = {
        {"", "the file is too short to hold a frame count"},
        {two.substr(0, 3), "the file is too short to hold a frame count"},
        {two.substr(0, 91), "2 frames take 92 bytes, but the file has 91"},
        {two + "x", "2 frames take 92 bytes, but the file has 93"},
        {Count(-1), "its frame count is -1"},
        {Count(INT32_MAX), "2147483647 frames take 94489280472 bytes, but the file has 4"},
        {withFrame(notANumber), "frame 1 holds a value that is not a number"},
        {withFrame(tooLong), "frame 1 waits longer than an hour"},
        {withFrame(tooMany), "frame 1 asks for more than 100000 in-between views"},
    };
    for (const auto& [bytes, reason] : cases)
        EXPECT_EQ(MessageOf([&] { ParseSequence(bytes, "bad.lgs"); }),
                  "Cannot read sequence file \"bad.lgs\": " + reason);
    TViewFrame hour = Sample(1);
    hour.Delay = 3600;
    EXPECT_NO_THROW(ParseSequence(withFrame(hour), "ok.lgs"));
}

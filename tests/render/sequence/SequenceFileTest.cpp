#include "render/sequence/SequenceFile.h"

#include "base/Error.h"
#include "support/TempFolder.h"

#include <cmath>
#include <filesystem>
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

TEST(SequenceFile, FrameFieldsSitAtTheirOffsetsLittleEndian) {
    TViewFrame frame = Sample(1);
    frame.ViewScale = 1.0f;
    uint8_t bytes[ViewFrameSize];
    EncodeViewFrame(frame, bytes);
    const uint8_t one[] = {0x00, 0x00, 0x80, 0x3F};
    EXPECT_TRUE(std::equal(one, one + 4, bytes));
    EXPECT_EQ(bytes[12], 71);   // RotX
    EXPECT_EQ(bytes[16], 30);   // RotZ
    EXPECT_EQ(bytes[24], 0xFF); // OffsetX -1
    EXPECT_EQ(bytes[28] | bytes[29] << 8, 5000);
    EXPECT_EQ(bytes[32], 1); // studs
    EXPECT_EQ(bytes[40], 4); // in-between views
    EXPECT_EQ(DecodeViewFrame(bytes), frame);
}

TEST(SequenceFile, TwoFramesTake92BytesAndReadBackEqual) {
    TTempFolder folder;
    std::vector<TViewFrame> frames = {Sample(0), Sample(1)};
    std::string name = folder.File("turn.lgs");
    WriteSequenceFile(name, frames);
    EXPECT_EQ(std::filesystem::file_size(name), 92u);
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
    const std::pair<std::string, const char*> cases[] = {
        {"", "too short"},
        {two.substr(0, 3), "too short"},
        {two.substr(0, 91), "92 bytes, but the file has 91"},
        {two + "x", "but the file has 93"},
        {Count(-1), "frame count is -1"},
        {Count(INT32_MAX), "but the file has 4"},
        {withFrame(notANumber), "frame 1 holds a value that is not a number"},
        {withFrame(tooLong), "frame 1 waits longer than an hour"},
        {withFrame(tooMany), "in-between views"},
    };
    for (const auto& [bytes, reason] : cases) {
        try {
            ParseSequence(bytes, "bad.lgs");
            ADD_FAILURE() << reason;
        } catch (const TError& e) {
            EXPECT_NE(std::string(e.what()).find("\"bad.lgs\""), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
        }
    }
    TViewFrame hour = Sample(1);
    hour.Delay = 3600;
    EXPECT_NO_THROW(ParseSequence(withFrame(hour), "ok.lgs"));
}

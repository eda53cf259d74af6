#include "exchange/pictures/PictureEstimate.h"

#include <gtest/gtest.h>

TEST(PictureEstimate, TitlesNameTheVariantAndTheRoundedSize) {
    struct Case {
        int variant;
        TPictureFrame frame;
        const char* title;
    } cases[] = {
        {0, {210, 150, 610, 450}, "Save picture (.bmp size: 471 kByte)"},
        {1, {210, 150, 610, 450}, "Save anti-aliased picture (.bmp size: 471 kByte)"},
        {2, {210, 150, 610, 450}, "Save large picture (.bmp size: 1886 kByte)"},
        {4, {210, 150, 610, 450}, "Save quite large picture (.bmp size: 7544 kByte)"},
        {8, {210, 150, 610, 450}, "Save very large picture (.bmp size: 30175 kByte)"},
        {8, {0, 0, 639, 639}, "Save very large picture (.bmp size: 100 MByte)"},
        {8, {0, 0, 9999, 9999}, "Save very large picture (.bmp size: 24414 MByte)"},
        {0, {0, 0, 40, 40}, "Save picture (.bmp size: 6724 Byte)"},
        {3, {0, 0, 40, 40}, "Save picture"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SavePictureTitle(c.variant, c.frame), c.title);
}

TEST(PictureEstimate, UnitsChangeAtTheirThresholdsAndHalvesGoToEven) {
    const std::pair<double, const char*> cases[] = {{10239, "10239 Byte"},
                                                    {10240, "10 kByte"},
                                                    {10752, "10 kByte"},
                                                    {11776, "12 kByte"},
                                                    {104857599, "102400 kByte"},
                                                    {104857600, "100 MByte"},
                                                    {100.5 * 1048576, "100 MByte"},
                                                    {101.5 * 1048576, "102 MByte"},
                                                    {25600000000.0, "24414 MByte"}};
    for (const auto& [bytes, text] : cases) {
        TSizeEstimate size = EstimateBytes(bytes);
        EXPECT_EQ(std::to_string(size.Value) + " " + size.Unit, text) << bytes;
    }
}

#include "ShippedParts.h"

#include "parts/DrawClass.h"
#include "parts/PartTestSupport.h"
#include "raster/PictureFiles.h"
#include "support/Pixels.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

struct ShippedPartsTest : ::testing::Test {
    TShippedAppDir Shipped;
};

TEST_F(ShippedPartsTest, FilesHoldExactlyWhatTheGeometryMakes) {
    std::map<std::string, TLines> files;
    for (TDrawClass& d : ShippedParts()) {
        SaveToLines(d, files[d.FileName]);
        files[d.FileName].push_back("");
    }
    for (const auto& [name, lines] : files)
        EXPECT_EQ(LoadPartFileLines(AppDir() + "parts/" + name), lines) << name;
    EXPECT_TRUE(LoadPartFileLines(AppDir() + "parts/userblks.dat").empty());
    TBitmap face;
    ReadPictureFile(AppDir() + "parts/face.bmp", face);
    auto made = ShippedFacePicture();
    ASSERT_EQ(std::pair(face.Width(), face.Height()), std::pair(made->Width(), made->Height()));
    EXPECT_EQ(DifferingPixels(face, *made), 0);
}

// Points, studs and tubes inside the box, every polygon drawn, the orders the painter's sort of
// the facing polygons, and a closed solid shows some but never all of its faces to a viewer.
TEST_F(ShippedPartsTest, EveryPartIsConsistent) {
    for (const TDrawClass& made : ShippedParts()) {
        SCOPED_TRACE(made.PartName);
        const TDrawClass& d = GetDrawClass(made.FileName, made.PartName);
        auto inBox = [&](const TPoint3& p, int32_t lowZ, int32_t highZ) {
            return p.X >= 0 && p.X <= d.BBX && p.Y >= 0 && p.Y <= d.BBY && p.Z >= lowZ &&
                   p.Z <= highZ;
        };
        std::set<int32_t> drawn;
        for (const TIntegerList& order : d.DrawOrder) {
            drawn.insert(order.Items.begin(), order.Items.end());
            EXPECT_GT(order.Count(), 0);
            EXPECT_LT(order.Count(), d.PolygonCount());
        }
        EXPECT_EQ(drawn.size(), size_t(d.PolygonCount()));
        EXPECT_TRUE(drawn.empty() || (*drawn.begin() >= 0 && *drawn.rbegin() < d.PolygonCount()));
        for (const TPolygon& polygon : d.Polygons) {
            EXPECT_GE(polygon.Points.size(), 3u);
            for (const TPoint3& p : polygon.Points)
                EXPECT_TRUE(inBox(p, 0, d.BBZ));
        }
        for (const TPoint3& stud : d.TopStuds)
            EXPECT_TRUE(inBox(stud, d.BBZ, d.BBZ));
        for (const TPoint3& tube : d.BottomStuds)
            EXPECT_TRUE(inBox(tube, 0, 0));
        TDrawClass rebuilt = d;
        rebuilt.BuildDrawOrders();
        EXPECT_EQ(SectionText(rebuilt), SectionText(d));
    }
}

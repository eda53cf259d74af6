#include "ShippedParts.h"

#include "base/Error.h"
#include "parts/DrawClass.h"
#include "parts/PartTestSupport.h"
#include "raster/PictureFiles.h"
#include "support/Pixels.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>
#include <map>

class ShippedPartsTest : public ::testing::Test {
protected:
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
    ASSERT_EQ(face.Width(), made->Width());
    ASSERT_EQ(face.Height(), made->Height());
    EXPECT_EQ(DifferingPixels(face, *made), 0);
    EXPECT_EQ(MessageOf([] { GetDrawClass("userblks.dat", "x"); }),
              "Could not find part x in file userblks.dat");
}

TEST_F(ShippedPartsTest, EveryPartIsConsistent) {
    for (const TDrawClass& made : ShippedParts()) {
        SCOPED_TRACE(made.PartName);
        const TDrawClass& d = GetDrawClass(made.FileName, made.PartName);
        auto inBox = [&](const TPoint3& p) {
            return p.X >= 0 && p.X <= d.BBX && p.Y >= 0 && p.Y <= d.BBY && p.Z >= 0 && p.Z <= d.BBZ;
        };
        std::vector<bool> drawn(size_t(d.PolygonCount()));
        for (const TIntegerList& order : d.DrawOrder)
            for (int32_t poly : order.Items) {
                ASSERT_TRUE(d.IsPolygon(poly));
                drawn[size_t(poly)] = true;
            }
        for (int i = 0; i < d.PolygonCount(); ++i) {
            const TPolygon& polygon = d.Polygons[size_t(i)];
            EXPECT_GE(polygon.Points.size(), 3u);
            EXPECT_TRUE(drawn[size_t(i)]) << "polygon " << i << " is never drawn";
            for (const TPoint3& p : polygon.Points)
                EXPECT_TRUE(inBox(p)) << "polygon " << i;
        }
        for (const TPoint3& stud : d.TopStuds)
            EXPECT_TRUE(inBox(stud) && stud.Z == d.BBZ);
        for (const TPoint3& tube : d.BottomStuds)
            EXPECT_TRUE(inBox(tube) && tube.Z == 0);

        // The orders are the painter's sort of the facing polygons.
        TDrawClass rebuilt = d;
        rebuilt.BuildDrawOrders();
        for (size_t octant = 0; octant < 8; ++octant)
            EXPECT_EQ(rebuilt.DrawOrder[octant].Items, d.DrawOrder[octant].Items) << octant;
        // A closed solid shows at least one face to every viewer, and never all of them.
        for (const TIntegerList& order : d.DrawOrder) {
            EXPECT_GT(order.Count(), 0);
            EXPECT_LT(order.Count(), d.PolygonCount());
        }
    }
}

TEST_F(ShippedPartsTest, StandardBrickHasItsStudsAndTube) {
    const TDrawClass& d = GetDrawClass("parts.dat", "stdblock");
    EXPECT_EQ((std::array<int32_t, 3>{d.BBX, d.BBY, d.BBZ}), (std::array<int32_t, 3>{40, 40, 24}));
    EXPECT_EQ(d.TopStuds.size(), 4u);
    EXPECT_EQ(d.BottomStuds, (std::vector<TPoint3>{{20, 20, 0}}));
    const TDrawClass& corner = GetDrawClass("parts.dat", "corner2x2");
    EXPECT_EQ(corner.TopStuds.size(), 3u);
    EXPECT_EQ(GetDrawClass("template.dat", "template").TopStuds.size(), 2u);
}

#include "base/UserFolder.h"

#include "base/Error.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
// A shipped folder and the user's folder, each with a trailing '/'.
struct UserFolderTest : testing::Test {
    TTempFolder Temp;
    std::string Shipped = Temp.File("shipped") + "/";
    std::string User = Temp.File("user") + "/";

    void Put(const std::string& folder, const std::string& name, const std::string& content) {
        std::filesystem::create_directories((Temp.Path / folder / name).parent_path());
        Temp.Write(folder + "/" + name, content);
    }
    void Ship(const std::string& name, const std::string& content) {
        Put("shipped", name, content);
    }
    std::string Mine(const std::string& name) const { return TTempFolder::Read(User + name); }
    void Change(const std::string& name, const std::string& content) { Put("user", name, content); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(User + name); }
};
} // namespace

TEST_F(UserFolderTest, FirstStartCopiesEverythingAndMissingFilesComeBack) {
    Ship("ts2ld.lst", "rows\n");
    Ship("parts/parts.dat", "parts\n");
    Ship("Models/house.lgo", "house\n");
    EXPECT_TRUE(FillUserFolder(Shipped, User).Offered.empty());
    EXPECT_EQ(Mine("parts/parts.dat"), "parts\n");
    EXPECT_EQ(Mine("Models/house.lgo"), "house\n");
    std::filesystem::remove(User + "Models/house.lgo");
    FillUserFolder(Shipped, User);
    EXPECT_EQ(Mine("Models/house.lgo"), "house\n");
}

TEST_F(UserFolderTest, UnchangedFilesTakeTheNewerPackage) {
    Ship("parts/parts.dat", "old\n");
    FillUserFolder(Shipped, User);
    Ship("parts/parts.dat", "new\n");
    EXPECT_TRUE(FillUserFolder(Shipped, User).Offered.empty());
    EXPECT_EQ(Mine("parts/parts.dat"), "new\n");
}

TEST_F(UserFolderTest, ChangedFileSurvivesEveryStartAndANewerPackage) {
    Ship("parts/parts.dat", "old\n");
    FillUserFolder(Shipped, User);
    Change("parts/parts.dat", "mine\n");
    FillUserFolder(Shipped, User);
    EXPECT_EQ(Mine("parts/parts.dat"), "mine\n");
    EXPECT_FALSE(Exists("parts/parts.dat.new"));

    Ship("parts/parts.dat", "new\n");
    EXPECT_EQ(FillUserFolder(Shipped, User).Offered, std::vector<std::string>{"parts/parts.dat"});
    EXPECT_EQ(Mine("parts/parts.dat"), "mine\n");
    EXPECT_EQ(Mine("parts/parts.dat.new"), "new\n");
    // Offered once: the next start, with the offer read and removed, stays quiet.
    std::filesystem::remove(User + "parts/parts.dat.new");
    EXPECT_TRUE(FillUserFolder(Shipped, User).Offered.empty());
    EXPECT_FALSE(Exists("parts/parts.dat.new"));
    EXPECT_EQ(Mine("parts/parts.dat"), "mine\n");
}

TEST_F(UserFolderTest, AnOfferTheUserEditedIsNotReplaced) {
    Ship("parts/parts.dat", "v1\n");
    FillUserFolder(Shipped, User);
    Change("parts/parts.dat", "mine\n");
    Ship("parts/parts.dat", "v2\n");
    FillUserFolder(Shipped, User);
    Ship("parts/parts.dat", "v3\n");
    EXPECT_EQ(FillUserFolder(Shipped, User).Offered.size(), 1u);
    EXPECT_EQ(Mine("parts/parts.dat.new"), "v3\n");

    Change("parts/parts.dat.new", "half merged\n");
    Ship("parts/parts.dat", "v4\n");
    EXPECT_TRUE(FillUserFolder(Shipped, User).Offered.empty());
    EXPECT_EQ(Mine("parts/parts.dat.new"), "half merged\n");
}

TEST_F(UserFolderTest, FileOfUnknownOriginIsKeptAndTheShippedOneOffered) {
    Ship("Combos/Lamp.lgo", "shipped\n");
    Change("Combos/Lamp.lgo", "older program's\n");
    FillUserFolder(Shipped, User);
    EXPECT_EQ(Mine("Combos/Lamp.lgo"), "older program's\n");
    EXPECT_EQ(Mine("Combos/Lamp.lgo.new"), "shipped\n");
}

TEST_F(UserFolderTest, SettingsTheProgramRewroteStillGetNewerPages) {
    Ship("Tessaryn.ini", "[Main]\nPages=1\n\n[Page1]\nCount=0\n");
    FillUserFolder(Shipped, User);
    Change("Tessaryn.ini", "[Main]\nPages=1\n\n[State]\nShading=1\n\n[Page1]\nCount=0\n");
    Ship("Tessaryn.ini", "[Main]\nPages=2\n\n[Page1]\nCount=0\n\n[Page2]\nCount=0\n");
    EXPECT_TRUE(FillUserFolder(Shipped, User).Offered.empty());
    EXPECT_EQ(Mine("Tessaryn.ini"),
              "[Main]\nPages=2\n\n[State]\nShading=1\n\n[Page1]\nCount=0\n\n[Page2]\nCount=0\n");
}

TEST_F(UserFolderTest, UnreadableUserFileIsAClearError) {
    Ship("parts", "a file where the user has a folder\n");
    std::filesystem::create_directories(User + "parts");
    EXPECT_THROW(FillUserFolder(Shipped, User), TError);
}

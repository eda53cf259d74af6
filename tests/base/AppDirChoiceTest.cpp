#include "base/AppDirChoice.h"

#include "base/Error.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
// An installed tree: PREFIX/bin/ and PREFIX/share/tessaryn/ with the mapping table.
struct TInstalled : TTempFolder {
    TInstalled() {
        std::filesystem::create_directories(Path / "bin");
        std::filesystem::create_directories(Path / "share/tessaryn");
        Write("share/tessaryn/ts2ld.lst", "");
    }
    std::string Bin() const { return (Path / "bin").string() + "/"; }
};
} // namespace

TEST(AppDirChoiceTest, FolderHoldingTheDataIsUsedAsItIs) {
    TTempFolder build;
    build.Write("ts2ld.lst", "");
    std::string dir = build.Path.string() + "/";
    TAppDirChoice choice = ChooseAppDir(dir, "/xdg", "/home/u");
    EXPECT_EQ(choice.AppDir, dir);
    EXPECT_EQ(choice.ShippedDir, "");
}

TEST(AppDirChoiceTest, FolderWithoutDataAndNoInstalledDataIsUsedAsItIs) {
    TTempFolder empty;
    std::string dir = empty.Path.string() + "/";
    EXPECT_EQ(ChooseAppDir(dir, nullptr, nullptr).AppDir, dir);
}

TEST(AppDirChoiceTest, InstalledProgramUsesTheUsersDataFolder) {
    TInstalled prefix;
    std::string shipped = prefix.Path.string() + "/share/tessaryn/";
    TAppDirChoice xdg = ChooseAppDir(prefix.Bin(), "/data/home", "/home/u");
    EXPECT_EQ(xdg.AppDir, "/data/home/tessaryn/");
    EXPECT_EQ(xdg.ShippedDir, shipped);
    // XDG_DATA_HOME unset, empty or relative falls back to ~/.local/share.
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/dir"})
        EXPECT_EQ(ChooseAppDir(prefix.Bin(), unusable, "/home/u/").AppDir,
                  "/home/u/.local/share/tessaryn/");
}

TEST(AppDirChoiceTest, InstalledProgramWithoutHomeIsAClearError) {
    TInstalled prefix;
    EXPECT_THROW(ChooseAppDir(prefix.Bin(), nullptr, nullptr), TError);
    EXPECT_THROW(ChooseAppDir(prefix.Bin(), "", ""), TError);
}

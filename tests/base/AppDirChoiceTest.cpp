#include "base/AppDirChoice.h"

#include "base/Error.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(AppDirChoiceTest, DataBesideTheProgramOrNoneInstalledUsesItsFolder) {
    TTempFolder build, empty;
    build.Write("ts2ld.lst", "");
    for (const TTempFolder* folder : {&build, &empty}) {
        TAppDirChoice choice = ChooseAppDir(folder->Dir(), "/xdg", "/home/u");
        EXPECT_EQ(choice.AppDir + "|" + choice.ShippedDir, folder->Dir() + "|");
    }
}

// An installed tree: PREFIX/bin/ and PREFIX/share/tessaryn/ with the mapping table.
TEST(AppDirChoiceTest, InstalledProgramUsesTheUsersDataFolder) {
    TTempFolder prefix;
    prefix.Write("share/tessaryn/ts2ld.lst", "");
    std::filesystem::create_directories(prefix.Path / "bin");
    const std::string bin = prefix.Dir() + "bin/";
    TAppDirChoice xdg = ChooseAppDir(bin, "/data/home", "/home/u");
    EXPECT_EQ(xdg.AppDir, "/data/home/tessaryn/");
    EXPECT_EQ(xdg.ShippedDir, prefix.Dir() + "share/tessaryn/");
    // XDG_DATA_HOME unset, empty or relative falls back to ~/.local/share.
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/dir"})
        EXPECT_EQ(ChooseAppDir(bin, unusable, "/home/u/").AppDir, "/home/u/.local/share/tessaryn/");
    // Without a home it is a clear error.
    EXPECT_THROW(ChooseAppDir(bin, nullptr, nullptr), TError);
    EXPECT_THROW(ChooseAppDir(bin, "", ""), TError);
}

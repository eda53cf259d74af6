#include "base/UserFolder.h"

#include "base/AppDirChoice.h"
#include "base/Error.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {
// A shipped folder and the user's folder under one temporary folder.
struct TFolders {
    TTempFolder Temp;
    std::string Shipped = Temp.File("shipped") + "/", User = Temp.File("user") + "/";

    // Fills the user's folder; what was offered and every file of the folder with its content.
    std::string FillAndList() const {
        std::string text = "offered:";
        for (const std::string& name : FillUserFolder(Shipped, User).Offered)
            text += " " + name;
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(User))
            if (entry.is_regular_file())
                names.insert(std::filesystem::relative(entry.path(), User).string());
        text += "\n";
        for (const std::string& name : names)
            text += name + ": " + TTempFolder::Read(User + name);
        return text;
    }
};
} // namespace

// Starts of the program after the package or the user changed files; after each, the transcript
// takes what was offered and the user's folder. Names starting with '.' are the folder's own.
TEST(UserFolder, StartsWriteTheirReferenceTranscript) {
    using TFiles = std::vector<std::pair<std::string, std::string>>;
    const struct {
        const char* Name;
        TFiles Shipped = {}, Changed = {};
        const char* Removed = "";
    } starts[] = {
        {"first start copies everything",
         {{"ts2ld.lst", "rows\n"}, {"parts/parts.dat", "v1\n"}, {"Models/house.lgo", "house\n"}}},
        {"a missing file comes back", {}, {}, "Models/house.lgo"},
        {"an unchanged file takes the newer package", {{"ts2ld.lst", "rows 2\n"}}},
        {"a changed file survives a start", {}, {{"parts/parts.dat", "mine\n"}}},
        {"and a newer package: offered once", {{"parts/parts.dat", "v2\n"}}},
        {"the offer read and removed: quiet", {}, {}, "parts/parts.dat.new"},
        {"a still newer package is offered again", {{"parts/parts.dat", "v3\n"}}},
        {"an offer the user edited is not replaced",
         {{"parts/parts.dat", "v4\n"}},
         {{"parts/parts.dat.new", "half merged\n"}}},
        {"a file of unknown origin is kept",
         {{"Combos/Lamp.lgo", "shipped\n"}},
         {{"Combos/Lamp.lgo", "older program's\n"}}},
        {"settings shipped", {{"Tessaryn.ini", "[Main]\nPages=1\n\n[Page1]\nCount=0\n"}}},
        // Settings the program rewrote (its own [State]) still get the newer pages.
        {"settings merged",
         {{"Tessaryn.ini", "[Main]\nPages=2\n\n[Page1]\nCount=0\n\n[Page2]\nCount=0\n"}},
         {{"Tessaryn.ini", "[Main]\nPages=1\n\n[State]\nShading=1\n\n[Page1]\nCount=0\n"}}},
    };
    TFolders folders;
    std::string transcript;
    for (const auto& start : starts) {
        for (const auto& [name, content] : start.Shipped)
            folders.Temp.Write("shipped/" + name, content);
        for (const auto& [name, content] : start.Changed)
            folders.Temp.Write("user/" + name, content);
        if (*start.Removed)
            std::filesystem::remove(folders.User + start.Removed);
        transcript += std::string("# ") + start.Name + "\n" + folders.FillAndList();
    }
    EXPECT_TRUE(MatchesReferenceText(transcript, "base/user-folder-transcript.txt"));
}

TEST(UserFolder, UnreadableUserFileIsAClearError) {
    TFolders f;
    f.Temp.Write("shipped/parts", "a file where the user has a folder\n");
    std::filesystem::create_directories(f.User + "parts");
    EXPECT_THROW(FillUserFolder(f.Shipped, f.User), TError);
}

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

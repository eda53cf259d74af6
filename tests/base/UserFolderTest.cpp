#include "base/UserFolder.h"

#include "base/AppDirChoice.h"
#include "base/Error.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

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

// Starts of the program after the package or the user changed files, as the starts file lists
// them ("shipped" and "changed" write a file, "removed" takes one away, "\n" ends a line); after
// each, the transcript takes what was offered and the user's folder. Names starting with '.' are
// the folder's own; settings the program rewrote (its own [State]) still get the newer pages.
TEST(UserFolder, StartsWriteTheirReferenceTranscript) {
    TFolders folders;
    std::string transcript;
    std::istringstream starts(TTempFolder::Read(TESSARYN_TEST_DATA "base/user-folder-starts.txt"));
    for (std::string line; std::getline(starts, line);) {
        std::istringstream words(line);
        std::string action, name, content;
        words >> action >> name;
        std::getline(words >> std::ws, content);
        if (action == "removed")
            std::filesystem::remove(folders.User + name);
        else if (action != "#")
            folders.Temp.Write((action == "shipped" ? "shipped/" : "user/") + name,
                               ReplacedAll(content, "\\n", "\n"));
        else
            transcript += (transcript.empty() ? "" : folders.FillAndList()) + line + "\n";
    }
    EXPECT_TRUE(MatchesReferenceText(transcript + folders.FillAndList(),
                                     "base/user-folder-transcript.txt"));
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

#include "base/UserFolder.h"

#include "base/Error.h"
#include "support/ReferenceText.h"
#include "support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {
// A shipped folder and the user's folder under one temporary folder.
struct TFolders {
    TTempFolder Temp;
    std::string Shipped = Temp.File("shipped") + "/", User = Temp.File("user") + "/";
    std::string Report;

    void Ship(const std::string& name, const std::string& content) {
        Temp.Write("shipped/" + name, content);
    }
    void Change(const std::string& name, const std::string& content) {
        Temp.Write("user/" + name, content);
    }
    void Remove(const std::string& name) { std::filesystem::remove(User + name); }
    void Fill() {
        Report = "offered:";
        for (const std::string& name : FillUserFolder(Shipped, User).Offered)
            Report += " " + name;
    }
    // The report of the last fill and every file of the user's folder with its content.
    std::string Contents() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(User))
            if (entry.is_regular_file())
                names.insert(std::filesystem::relative(entry.path(), User).string());
        std::string text = Report + "\n";
        for (const std::string& name : names)
            text += name + ": " + TTempFolder::Read(User + name);
        return text;
    }
};
} // namespace

// Starts of the program over newer packages and the user's changes; after each, the transcript
// takes what was offered and the user's folder. Names starting with '.' are the folder's own.
TEST(UserFolder, StartsWriteTheirReferenceTranscript) {
    using F = TFolders&;
    const std::pair<const char*, std::function<void(F)>> starts[] = {
        {"first start copies everything",
         [](F f) {
             f.Ship("ts2ld.lst", "rows\n"), f.Ship("parts/parts.dat", "v1\n"),
                 f.Ship("Models/house.lgo", "house\n"), f.Fill();
         }},
        {"a missing file comes back", [](F f) { f.Remove("Models/house.lgo"), f.Fill(); }},
        {"an unchanged file takes the newer package",
         [](F f) { f.Ship("ts2ld.lst", "rows 2\n"), f.Fill(); }},
        {"a changed file survives a start",
         [](F f) { f.Change("parts/parts.dat", "mine\n"), f.Fill(); }},
        {"and a newer package: offered once",
         [](F f) { f.Ship("parts/parts.dat", "v2\n"), f.Fill(); }},
        {"the offer read and removed: quiet",
         [](F f) { f.Remove("parts/parts.dat.new"), f.Fill(); }},
        {"a still newer package is offered again",
         [](F f) { f.Ship("parts/parts.dat", "v3\n"), f.Fill(); }},
        {"an offer the user edited is not replaced",
         [](F f) {
             f.Change("parts/parts.dat.new", "half merged\n"), f.Ship("parts/parts.dat", "v4\n"),
                 f.Fill();
         }},
        {"a file of unknown origin is kept",
         [](F f) {
             f.Change("Combos/Lamp.lgo", "older program's\n"),
                 f.Ship("Combos/Lamp.lgo", "shipped\n"), f.Fill();
         }},
        // Settings the program rewrote (its own [State]) still get the newer pages.
        {"settings shipped",
         [](F f) { f.Ship("Tessaryn.ini", "[Main]\nPages=1\n\n[Page1]\nCount=0\n"), f.Fill(); }},
        {"settings merged",
         [](F f) {
             f.Change("Tessaryn.ini",
                      "[Main]\nPages=1\n\n[State]\nShading=1\n\n[Page1]\nCount=0\n");
             f.Ship("Tessaryn.ini", "[Main]\nPages=2\n\n[Page1]\nCount=0\n\n[Page2]\nCount=0\n");
             f.Fill();
         }},
    };
    TFolders folders;
    std::string transcript;
    for (const auto& [name, start] : starts) {
        start(folders);
        transcript += std::string("# ") + name + "\n" + folders.Contents();
    }
    ExpectReferenceText("base/user-folder-transcript.txt", transcript);
}

TEST(UserFolder, UnreadableUserFileIsAClearError) {
    TFolders f;
    f.Ship("parts", "a file where the user has a folder\n");
    std::filesystem::create_directories(f.User + "parts");
    EXPECT_THROW(FillUserFolder(f.Shipped, f.User), TError);
}

// Every command of tessaryn-cli over the input files of tests/data/cli/in: what it prints, its
// exit status and every file it writes or changes, compared whole with tests/data/cli/<case>.txt.

#include "base/FileNames.h"
#include "cli/Cli.h"
#include "parts/PartCache.h"
#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string Shipped = TESSARYN_SHIPPED_DATA;

using TFiles = std::map<std::string, std::string>;

TFiles FilesIn(const fs::path& folder) {
    TFiles files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[fs::relative(entry.path(), folder).string()] =
            entry.is_directory() ? "(folder)\n" : TTempFolder::Read(entry.path().string());
    return files;
}

// Texts as they are; pictures by size and FNV-1a hash, which keeps the references small.
std::string Described(const std::string& content) {
    if (content.find('\0') == std::string::npos)
        return content;
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : content)
        hash = (hash ^ c) * 1099511628211ull;
    std::ostringstream text;
    text << content.size() << " bytes, fnv " << std::hex << hash << "\n";
    return text.str();
}

std::vector<std::string> Words(const std::string& run) {
    std::vector<std::string> args;
    std::istringstream words(run);
    for (std::string word; std::getline(words, word, ' ');)
        args.push_back(word);
    return args;
}

// A copy of the input files in a fresh folder, and runs of the tool in it.
class TCliFolder : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(std::string(TESSARYN_TEST_DATA) + "cli/in", Folder.Path,
                 fs::copy_options::recursive);
    }

    std::string Local(const std::string& text) const {
        return ReplacedAll(ReplacedAll(text, Folder.Dir(), "$T/"), Shipped, "$S/");
    }

    // What one run printed and changed, the failure rules checked on the way. "$T/" in the
    // arguments is the folder, "$S/" the shipped data; runs without --app-dir get the folder as
    // the program's folder, which holds the mapping table.
    std::string Run(std::vector<std::string> args) {
        for (std::string& arg : args)
            arg = ReplacedAll(ReplacedAll(arg, "$T/", Folder.Dir()), "$S/", Shipped);
        if (std::find(args.begin(), args.end(), "--app-dir") == args.end())
            args.insert(args.begin(), {"--app-dir", Folder.Dir()});
        const TFiles before = FilesIn(Folder.Path);
        const std::string savedAppDir = AppDir();
        std::ostringstream out, err;
        const int status = RunCli(args, out, err);
        const std::string printed = out.str(), error = err.str();
        SetAppDir(savedAppDir);
        ClearDrawClasses();
        const TFiles after = FilesIn(Folder.Path);
        if (status != 0) {
            // A failure is one line on stderr, nothing on stdout, and no file touched.
            EXPECT_EQ(printed, "");
            EXPECT_EQ(error.rfind("tessaryn-cli: ", 0), 0u) << error;
            EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
            EXPECT_EQ(after, before);
        }
        std::string text =
            "exit " + std::to_string(status) + "\n--- stdout\n" + printed + "--- stderr\n" + error;
        for (const auto& [name, content] : after)
            if (auto old = before.find(name); old == before.end() || old->second != content)
                text += "--- " + name + "\n" + Described(content);
        return Local(text);
    }

    TTempFolder Folder;
};

// Each reference holds the runs it was made from, a "=== " line before each run's results (a
// line end inside an argument written as a backslash and 'n'): the runs are read back from it.
std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(std::string(TESSARYN_TEST_DATA) + "cli"))
        if (entry.path().extension() == ".txt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CliCommands : public TCliFolder, public ::testing::WithParamInterface<std::string> {};

TEST_P(CliCommands, PrintAndWriteTheirReferences) {
    const std::string name = "cli/" + GetParam() + ".txt";
    std::istringstream reference(TTempFolder::Read(TESSARYN_TEST_DATA + name));
    std::string text;
    for (std::string line; std::getline(reference, line);)
        if (line.rfind("=== ", 0) == 0)
            text += line + "\n" + Run(Words(ReplacedAll(line.substr(4), "\\n", "\n")));
    EXPECT_TRUE(MatchesReferenceText(text, name));
}

INSTANTIATE_TEST_SUITE_P(, CliCommands, ::testing::ValuesIn(CaseNames()),
                         [](const auto& info) { return info.param; });

// POV-Ray, where installed, draws the converted model in the scene the tool writes: the grey
// baseplate and the red brick fill a good part of the white picture.
using CliPovRay = TCliFolder;

TEST_F(CliPovRay, DrawsTheConvertedModelInTheScene) {
    if (std::system("command -v povray > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "povray is not installed";
    for (const char* run : {"convert $T/brick2x4.lgo $T/test.dat", "pov $T/test.dat -o $T/test.inc",
                            "pov-scene $T/brick2x4.lgo -o $T/TS_test.pov --background FFFFFF"})
        ASSERT_EQ(Run(Words(run)).rfind("exit 0\n", 0), 0u) << run;
    const std::string command = "cd '" + Folder.Path.string() +
                                "' && povray +ITS_test.pov -V -D +W48 +H36 +FN +OTS_test.png "
                                "> povray.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << TTempFolder::Read(Folder.File("povray.log"));
    TBitmap picture;
    ReadPictureFile(Folder.File("TS_test.png"), picture);
    ASSERT_EQ(picture.Width() * picture.Height(), 48 * 36);
    int drawn = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TColour c = picture.Pixel(x, y);
            drawn += (c & 0xFF) < 200 || (c >> 8 & 0xFF) < 200 || (c >> 16 & 0xFF) < 200;
        }
    EXPECT_GT(drawn, 48 * 36 / 10);
}

} // namespace

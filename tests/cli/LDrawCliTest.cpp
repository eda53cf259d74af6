#include "cli/CliFixture.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/MapTable.h"

#include <gtest/gtest.h>

namespace {
class LDrawCliTest : public CliFixture {
protected:
    void SetUp() override {
        WriteMapTable(Folder,
                      {"B 4 2 3 1 16 0 0 0 0 3001.DAT 0  ", "B 16 8 1 1 16 0 0 0 0 3865.DAT 0  "});
        Folder.Write("m.lgo", "= 10 20 30 40 50 1 1\r\n"
                              "B -160 -80 -8 320 160 8 8421504 1 1 0 0 0 3865 0\r\n"
                              "B 0 0 0 80 40 24 255 1 0 0 0 0  0\r\n"
                              "B 0 0 24 20 20 24 255 1 0 1 1 0 mine 0\r\n");
    }
    int Run(std::vector<std::string> args) { return RunIn(Folder.Dir(), std::move(args)); }
    std::string Line(const std::string& head, int matrix, const std::string& part) {
        return head + " " + LDrawMatrixTexts[matrix] + " " + part + "\r\n";
    }
};
} // namespace

TEST_F(LDrawCliTest, ConvertToDatWritesLDrawAndSavesAddedRows) {
    ASSERT_EQ(Run({"convert", Folder.Dir() + "m.lgo", Folder.Dir() + "out.DAT"}), 0) << Err.str();
    EXPECT_EQ(TTempFolder::Read(Folder.File("out.DAT")),
              Line("1 8 0 0 0", 0, "3865.dat") + Line("1 4 40 -24 -20", 0, "3001.dat") +
                  Line("1 36 10 -48 -10", 1, "mine.dat"));
    EXPECT_EQ(Out.str(), "");
    // The unknown identity got a row of its own in the table of --app-dir.
    EXPECT_NE(TTempFolder::Read(Folder.File("ts2ld.lst"))
                  .find("\r\nB 1 1 3 1 16 0 0 0 0 mine.DAT 0  \r\n"),
              std::string::npos);
}

TEST_F(LDrawCliTest, DatNamesAnywhereInTheNameAreReadAsLDraw) {
    Folder.Write("back.dat.bak", "0 comment\r\n1 4 40 -24 -20 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                                 "1 4 0 0 0 1 0 0 0 1 0 0 0 1 unknown.dat\r\n");
    ASSERT_EQ(Run({"info", Folder.Dir() + "back.dat.bak"}), 0) << Err.str();
    // A model read from LDraw keeps the header values of a fresh list.
    EXPECT_EQ(Out.str().substr(0, 51), "bricks 1\nheader 0 0 0 0 0 0 0\nmin 0 0 0\nsize 0 0 0\n");
    ASSERT_EQ(Run({"convert", Folder.Dir() + "back.dat.bak", Folder.Dir() + "back.lgo"}), 0);
    EXPECT_EQ(TTempFolder::Read(Folder.File("back.lgo")),
              "= 0 0 0 0 0 0 1\r\nB 0 0 0 80 40 24 1779908 1 0 0 0 0  0\r\n");
}

TEST_F(LDrawCliTest, MissingTableFailsWithOneLineAndKeepsTheOldFile) {
    Folder.Write("out.dat", "old\r\n");
    std::filesystem::remove(Folder.Dir() + "ts2ld.lst");
    EXPECT_EQ(Run({"convert", Folder.Dir() + "m.lgo", Folder.Dir() + "out.dat"}), 1);
    EXPECT_EQ(Err.str(), "tessaryn-cli: Cannot open file \"" + Folder.Dir() +
                             "ts2ld.lst\": No such file or directory\n");
    EXPECT_EQ(TTempFolder::Read(Folder.File("out.dat")), "old\r\n");
    EXPECT_EQ(Run({"info", Folder.Dir() + "out.dat"}), 1);
}

TEST_F(LDrawCliTest, LoadingLDrawAsSubAssemblyPutsTheBricksIntoTheModel) {
    SetAppDir(Folder.Dir());
    Folder.Write("sub.dat", "1 4 40 -24 -20 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    TBlockList model;
    LoadModel(model, Folder.Dir() + "m.lgo", LoadWhole);
    ASSERT_EQ(model.Count(), 3);
    TLoadResult sub = LoadModel(model, Folder.Dir() + "sub.dat", LoadSubAssembly);
    EXPECT_EQ(model.Count(), 4);
    EXPECT_EQ(sub.SubAssembly->Count(), 0);
    LoadModel(model, Folder.Dir() + "sub.dat", LoadWhole);
    EXPECT_EQ(model.Count(), 1);
}

// The window starting from its settings file and writing it back; the settings' own tests hold
// the file's fields and conversions.
#include "app/GuiTest.h"
#include "app/system/IniFile.h"
#include "app/tools/Sequencer.h"

TEST(MainFormSettings, StartsFromTheFileAndWritesTheMenusAndAllCoresBackAtExit) {
    std::string dir = TestFolder();
    WriteFile(dir + "s.ini", "[Main]\r\nVersion=2\r\n[State]\r\nHints=1\r\nStudQual=2\r\n"
                             "Details=1\r\nShading=1\r\nWfOnMouse=0\r\nBitDepth=3\r\n");
    auto form = NewForm(dir + "s.ini");
    // Best studs, more detail, shading, no wireframe on the mouse, 24 bits, hints.
    EXPECT_EQ((std::vector{form->BestStuds2->isChecked(), form->btnStuds->isChecked(),
                           form->miMoreDetail->isChecked(), form->miShading->isChecked(),
                           form->miWfOnMouse->isChecked(), form->pf24bit1->isChecked(),
                           form->Hints1->isChecked()}),
              (std::vector{true, false, true, true, false, true, true}));
    EXPECT_TRUE(form->Context.StudStyle == 2 && form->Context.Shading);
    // All cores is on when the file does not say.
    EXPECT_TRUE(form->miAllCores->isChecked() && form->Context.Threads == &form->DrawingThreads);

    form->Nostuds2->trigger();
    form->miShading->trigger();
    form->miAllCores->trigger();
    EXPECT_EQ(form->Context.Threads, nullptr) << "one thread draws the frame";
    form->show();
    EXPECT_TRUE(form->close());
    TIniFile ini(dir + "s.ini");
    EXPECT_EQ((std::array{ini.ReadInteger("State", "StudQual", -1),
                          ini.ReadInteger("State", "Shading", -1),
                          ini.ReadInteger("State", "AllCores", -1)}),
              (std::array{3, 0, 0}));
    auto again = NewForm(dir + "s.ini");
    EXPECT_TRUE(!again->miAllCores->isChecked() && again->Context.Threads == nullptr);
}

TEST(MainFormSettings, OldFileIsRewrittenAtStartAndBitDepthZeroKeepsThirtyTwoBits) {
    std::string dir = TestFolder();
    WriteFile(dir + "s.ini", "[Main]\r\nPages=1\r\nTitle1=Old\r\n[Page1]\r\n40 0.5\r\nB2x2x3\r\n"
                             "[State]\r\nBitDepth=0\r\n");
    auto form = NewForm(dir + "s.ini");
    EXPECT_EQ(TIniFile(dir + "s.ini").ReadInteger("Main", "Version", 0), 2);
    EXPECT_TRUE(form->Frame.BitDepth == 4 && form->pf32bit1->isChecked());
}

TEST(MainFormSettings, UnwritableSettingsAreReportedAndTheWindowCloses) {
    auto form = NewForm(TestFolder() + "missing-folder/s.ini");
    form->show();
    bool reported = false;
    OnNextDialog<QMessageBox>([&](QMessageBox& box) {
        reported = box.text().contains("could not be written");
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(reported);
}

TEST(MainFormSettings, CommandLineModelNameInTwoArgumentsIsLoadedWithItsView) {
    std::string dir = TestFolder();
    WriteFile(dir + "My Model.lgo", "= 90 180 5 10 20 1 1\r\n"
                                    "B -160 -80 -8 320 160 8 10724259 1 1 0 0 0 3865 0\r\n"
                                    "B 0 0 0 40 80 24 255 1 0 0 0 0  0\r\n");
    auto form = NewForm(dir + "s.ini", {"-x", dir + "My", "Model.lgo"});
    QCoreApplication::sendPostedEvents(form.get());
    EXPECT_EQ(form->Model.Count(), 2);
    EXPECT_TRUE(form->windowTitle().endsWith(" - " + QString::fromStdString(dir) + "My Model.lgo"));
    EXPECT_EQ(std::pair(form->Controls.RotX.Position, form->OffsetY->value()), std::pair(90, 20));
}

// A sequence named on the command line, as the desktop opens one, comes up in the sequencer
// with its first view (azimuth 0) shown; the model stays the baseplate alone.
TEST(MainFormSettings, CommandLineSequenceOpensInTheSequencer) {
    auto form = NewForm(TestFolder() + "s.ini", {TESSARYN_SHIPPED_DATA "Models/house.lgs"});
    QCoreApplication::sendPostedEvents(form.get());
    EXPECT_TRUE(form->Sequencer1->isChecked() && form->Palette->isHidden());
    EXPECT_EQ(std::pair(form->Sequencer.frmSeq->Sequence.Count(), form->RotZ->value()),
              std::pair(5, 0));
    EXPECT_EQ(form->Model.Count(), 1);
}

#include "tools/Sequencer.h"

#include "app/GuiTest.h"
#include "app/palette/PalettePanel.h"
#include "app/view/ViewBox.h"
#include "render/sequence/SequenceFile.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<TMainForm> SequencerForm() {
    auto form = NewForm(TestFolder() + "s.ini");
    form->show();
    form->Sequencer1->trigger();
    return form;
}

void TurnTo(TMainForm& form, int azimuth) {
    form.RotZ->setValue(azimuth);
}

bool WaitForEnd(TfrmSeq& seq) {
    return QTest::qWaitFor([&] { return !seq.Playing(); }, 5000);
}
} // namespace

TEST(Sequencer, TheMenuEntrySwapsThePanelWithThePaletteAndItsKeys) {
    std::string ini = TestFolder() + "s.ini";
    WriteFile(ini, "[Main]\r\nVersion=2\r\nPages=2\r\n"
                   "[Page1]\r\nTitle=A\r\nHeight=40\r\nScale=0.5\r\nCount=0\r\n"
                   "[Page2]\r\nTitle=B\r\nHeight=40\r\nScale=0.5\r\nCount=0\r\n");
    auto form = NewForm(ini);
    form->show();
    TfrmSeq& seq = *form->frmSeq;
    EXPECT_TRUE(form->Sequencer1->isEnabled());
    form->Sequencer1->trigger();
    EXPECT_TRUE(form->Sequencer1->isChecked());
    EXPECT_EQ(seq.SeqPanel->parentWidget(), form->RightPanel);
    EXPECT_TRUE(form->Palette->isHidden());
    EXPECT_FALSE(seq.isVisible());
    EXPECT_EQ(seq.edFrame->text(), "0");
    EXPECT_EQ(seq.edDelay->text(), "0.1");
    EXPECT_EQ(seq.spFrames->value(), 0);
    EXPECT_EQ(
        seq.lblViewSize->text(),
        QString("View size %1 x %2").arg(form->PaintBox1->width()).arg(form->PaintBox1->height()));

    // The palette's page keys do nothing while its panel is hidden.
    int page = form->Palette->Pages.CurrentPage;
    form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(form->Palette->Pages.CurrentPage, page);

    form->Sequencer1->trigger();
    EXPECT_FALSE(form->Sequencer1->isChecked());
    EXPECT_EQ(seq.SeqPanel->parentWidget(), &seq);
    EXPECT_FALSE(form->Palette->isHidden());
    form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_NE(form->Palette->Pages.CurrentPage, page);
}

TEST(Sequencer, ATurnRecordedAndSavedPlaysBackAfterARestart) {
    std::string folder = TestFolder();
    std::string file = folder + "turn";
    {
        auto form = SequencerForm();
        TfrmSeq& seq = *form->frmSeq;
        TurnTo(*form, 30);
        seq.btnSnap->click();
        seq.spFrames->setValue(3);
        TurnTo(*form, 120);
        seq.btnSnap->click();
        EXPECT_EQ(seq.edFrame->text(), "2");
        seq.AskSaveName = [&] { return QString::fromStdString(file + ".lgs"); };
        seq.btnSave->click();
    }
    ASSERT_EQ(std::filesystem::file_size(file + ".lgs"), 92u);

    auto form = SequencerForm();
    TfrmSeq& seq = *form->frmSeq;
    seq.AskOpenName = [&] { return QString::fromStdString(file + ".lgs"); };
    seq.btnOpen->click();
    ASSERT_EQ(seq.Sequence.Count(), 2);
    EXPECT_EQ(form->Controls.RotZ.Position, 30);
    EXPECT_EQ(form->RotZ->value(), 30);

    seq.edDelay->setText("0");
    std::vector<int> shown;
    seq.AfterApply = [&] { shown.push_back(form->Controls.RotZ.Position); };
    seq.btnPlayStop->click();
    EXPECT_TRUE(seq.btnPlayStop->isChecked());
    ASSERT_TRUE(WaitForEnd(seq));
    EXPECT_EQ(shown, (std::vector<int>{30, 30, 60, 90}));
    EXPECT_FALSE(seq.btnPlayStop->isChecked());

    shown.clear();
    seq.ToolbarButton971->click();
    ASSERT_TRUE(WaitForEnd(seq));
    // Backwards from the last view shown (90): three views towards 120, then frame 0.
    EXPECT_EQ(shown, (std::vector<int>{90, 100, 110, 30}));
    EXPECT_EQ(seq.edFrame->text(), "0");
    EXPECT_EQ(seq.Sequence.Frames, ReadSequenceFile(file + ".lgs"));
}

TEST(Sequencer, PlaybackStopsOnASecondPressAnOtherCommandOrANewModel) {
    auto form = SequencerForm();
    TfrmSeq& seq = *form->frmSeq;
    seq.btnSnap->click();
    seq.spFrames->setValue(50);
    TurnTo(*form, 200);
    seq.btnSnap->click();
    seq.edDelay->setText("0.05");
    const std::function<void()> stoppers[] = {
        [&] { seq.btnPlayStop->click(); },
        [&] { seq.ToolbarButton971->click(); },
        [&] { seq.btnNoSnap->click(); },
        [&] { form->btnClearClick(); },
    };
    for (const auto& stop : stoppers) {
        seq.btnPlayStop->click();
        QTest::qWait(120);
        ASSERT_TRUE(seq.Playing());
        stop();
        EXPECT_FALSE(seq.Playing());
        EXPECT_FALSE(seq.btnPlayStop->isChecked());
        EXPECT_FALSE(seq.ToolbarButton971->isChecked());
    }
    EXPECT_EQ(seq.Sequence.Count(), 1);

    seq.btnPlayStop->click();
    ASSERT_TRUE(seq.Playing());
    form->close();
    EXPECT_FALSE(seq.Playing());
}

TEST(Sequencer, BadFilesAndDelaysAreRefusedAndOpenCancelShowsTheFirstFrame) {
    auto form = SequencerForm();
    TfrmSeq& seq = *form->frmSeq;
    TurnTo(*form, 45);
    seq.btnSnap->click();
    TurnTo(*form, 90);
    seq.btnSnap->click();

    // A cancelled open still goes back to the first frame.
    seq.AskOpenName = [] { return QString(); };
    seq.btnOpen->click();
    EXPECT_EQ(form->Controls.RotZ.Position, 45);
    EXPECT_EQ(seq.edFrame->text(), "0");

    std::string folder = TestFolder();
    std::string bytes = SequenceBytes({seq.Sequence.Frames[0]});
    for (const std::string& damaged : {bytes.substr(0, 30), bytes + "extra"}) {
        WriteFile(folder + "bad.lgs", damaged);
        AnswerNextMessageBox(QMessageBox::Ok);
        EXPECT_FALSE(seq.OpenSequence(folder + "bad.lgs"));
        EXPECT_EQ(seq.Sequence.Count(), 2);
    }

    seq.edDelay->setText("soon");
    TurnTo(*form, 10);
    AnswerNextMessageBox(QMessageBox::Ok);
    seq.btnPlayStop->click();
    EXPECT_FALSE(seq.Playing());
    EXPECT_EQ(form->Controls.RotZ.Position, 45); // the first frame was shown before the error
    EXPECT_EQ(seq.Sequence.Frames[0].RotZ, 45);
}

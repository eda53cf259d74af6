// The sequencer panel in the main window. The sequence file's and the playback's own tests hold
// the bytes and the views shown; here the buttons, fields and menu entry reach them.
#include "app/tools/Sequencer.h"

#include "app/GuiTest.h"
#include "render/sequence/SequenceFile.h"

namespace {
struct SequencerFixture : PagesFormTest {
    void SetUp() override {
        PagesFormTest::SetUp();
        Form->Sequencer1->trigger();
    }
    TfrmSeq& Seq() { return *Form->Sequencer.frmSeq; }
    void SnapAt(int azimuth) {
        Form->RotZ->setValue(azimuth);
        Seq().btnSnap->click();
    }
    bool WaitForEnd() {
        return QTest::qWaitFor([&] { return !Seq().Playing(); }, 5000);
    }
};
} // namespace

TEST_F(SequencerFixture, TheMenuEntrySwapsThePanelWithThePaletteAndItsKeys) {
    EXPECT_TRUE(Form->Sequencer1->isChecked());
    EXPECT_TRUE(Seq().SeqPanel->isVisible() && Form->Palette->isHidden());

    // The palette's page keys do nothing while its panel is hidden.
    int page = Form->Palette->Pages.CurrentPage;
    Form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(Form->Palette->Pages.CurrentPage, page);

    Form->Sequencer1->trigger();
    EXPECT_TRUE(!Form->Sequencer1->isChecked() && Seq().SeqPanel->parentWidget() == &Seq() &&
                !Form->Palette->isHidden());
    Form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_NE(Form->Palette->Pages.CurrentPage, page);
}

TEST_F(SequencerFixture, ATurnRecordedAndSavedPlaysBackAfterARestart) {
    std::string file = Folder + "turn.lgs";
    SnapAt(30);
    Seq().spFrames->setValue(3);
    SnapAt(120);
    EXPECT_EQ(Seq().edFrame->text(), "2");
    Seq().AskSaveName = [&] { return QString::fromStdString(file); };
    Seq().btnSave->click();
    ASSERT_EQ(ReadSequenceFile(file), Seq().Sequence.Frames);

    Form->Files.Modified = false;
    Form->close();
    Open("s.ini");
    Form->Sequencer1->trigger();
    Seq().AskOpenName = [&] { return QString::fromStdString(file); };
    Seq().btnOpen->click();
    ASSERT_EQ(Seq().Sequence.Count(), 2);
    EXPECT_EQ(Form->RotZ->value(), 30);

    Seq().edDelay->setText("0");
    std::vector<int> shown;
    Seq().AfterApply = [&] { shown.push_back(Form->Controls.RotZ.Position); };
    Seq().btnPlayStop->click();
    EXPECT_TRUE(Seq().btnPlayStop->isChecked());
    ASSERT_TRUE(WaitForEnd() && !Seq().btnPlayStop->isChecked());
    EXPECT_EQ(shown, (std::vector<int>{30, 30, 60, 90}));

    shown.clear();
    Seq().ToolbarButton971->click(); // backwards
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(shown, (std::vector<int>{90, 100, 110, 30}));
    EXPECT_EQ(Seq().edFrame->text(), "0");
}

TEST_F(SequencerFixture, PlaybackStopsOnASecondPressAnOtherCommandOrANewModel) {
    SnapAt(30);
    Seq().spFrames->setValue(50);
    SnapAt(200);
    Seq().edDelay->setText("0.05");
    for (const auto& stop : std::initializer_list<std::function<void()>>{
             [&] { Seq().btnPlayStop->click(); }, [&] { Seq().ToolbarButton971->click(); },
             [&] { Seq().btnNoSnap->click(); }, [&] { Form->btnClearClick(); }}) {
        Seq().btnPlayStop->click();
        QTest::qWait(120);
        ASSERT_TRUE(Seq().Playing());
        stop();
        EXPECT_FALSE(Seq().Playing() || Seq().btnPlayStop->isChecked() ||
                     Seq().ToolbarButton971->isChecked());
    }
    EXPECT_EQ(Seq().Sequence.Count(), 1);

    Seq().btnPlayStop->click();
    ASSERT_TRUE(Seq().Playing());
    Form->close();
    EXPECT_FALSE(Seq().Playing());
}

// The panel stands in the palette's place at its own width; a playback ends showing the last
// frame it showed directly, not the slot its in-between views went through.
TEST_F(SequencerFixture, ThePanelTakesThePalettesPlaceAndPlaybackEndsOnTheLastFrameShown) {
    Form->Sequencer1->trigger();
    QApplication::processEvents();
    int paletteRight = Form->RightPanel->geometry().right();
    int viewWidth = View().width();
    Form->Sequencer1->trigger();
    QApplication::processEvents();
    EXPECT_EQ(std::pair(Seq().SeqPanel->width(), Seq().SeqPanel->geometry().right()),
              std::pair(148, paletteRight));
    EXPECT_GT(View().width(), viewWidth);

    SnapAt(30);
    SnapAt(60);
    Seq().spFrames->setValue(2);
    SnapAt(90);
    Seq().edDelay->setText("0");
    Seq().btnPlayStop->click();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(Seq().edFrame->text(), "1");
}

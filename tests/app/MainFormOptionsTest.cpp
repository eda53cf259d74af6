// The scene options' tests hold the sizes, levels and refusals; here the menus, boxes and
// buttons reach them and keep their marks.
#include "GuiTest.h"
#include "base/Error.h"

namespace {
struct OptionsFixture : FormTest {
    // The fresh window's model holds only the baseplate.
    const TBlock& Baseplate() { return Form->Model[0]; }
};
} // namespace

TEST_F(OptionsFixture, WireframeHidesStudsDetailAndShadingAndPutsThemBack) {
    Form->miShading->trigger();
    Form->miMostDetail->trigger();
    ASSERT_TRUE(Form->Context.Shading);
    Form->btnWireFrame->click();
    EXPECT_TRUE(Form->Context.WireFrame && Form->btnStuds->isChecked() &&
                !Form->miShading->isChecked() && Form->Context.DetailLevel == 0);
    Form->btnWireFrame->click();
    EXPECT_TRUE(!Form->btnStuds->isChecked() && Form->miShading->isChecked() &&
                Form->miMostDetail->isChecked());

    // A detail entry switches wireframe off.
    Form->btnWireFrame->click();
    Form->miMoreDetail->trigger();
    EXPECT_TRUE(!Form->btnWireFrame->isChecked() && Form->Context.DetailLevel == 1);
}

TEST_F(OptionsFixture, StudEntriesAndBitDepthsKeepTheirMarks) {
    Form->Nostuds2->trigger();
    EXPECT_TRUE(Form->btnStuds->isChecked() && Form->Context.StudsHidden);
    Form->BetterStuds2->trigger();
    EXPECT_TRUE(!Form->btnStuds->isChecked() && Form->Context.StudStyle == 1);

    Form->pf16bit1->trigger();
    Form->miAntiAlias->trigger();
    EXPECT_TRUE(Form->pf32bit1->isChecked() && Form->miAntiAlias->isChecked() &&
                Form->BitDepth == 4);
    Form->pf16bit1->trigger();
    EXPECT_TRUE(!Form->miAntiAlias->isChecked() && Form->BitDepth == 2);
}

TEST_F(OptionsFixture, BaseplateSizeBoxesChangeNothingWhenOneIsBad) {
    Form->BSizeX->setText("15");
    QTest::keyClick(Form->BSizeX, Qt::Key_Return);
    EXPECT_EQ(Baseplate().SX, 300);
    Form->ThickBase->click();
    EXPECT_EQ(Baseplate().SZ, 24);
    // Unlike the core's field-by-field reading, the window changes nothing on a bad box.
    Form->BSizeX->setText("20");
    Form->BSizeY->setText("wide");
    EXPECT_THROW(Form->BSizeXKeyPress(), TError);
    EXPECT_EQ(std::pair(Baseplate().X, Baseplate().SX), std::pair(-140, 300));
}

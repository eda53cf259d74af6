// The scene options' tests hold the sizes, levels and refusals; here the menus, boxes and
// buttons reach them and keep their marks.
#include "GuiTest.h"
#include "base/Error.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {
struct OptionsFixture : ShownFormTest {
    void SetUp() override { Open("s.ini"); }
    const TBlock& Baseplate() {
        for (int i = 0; i < form->Model.Count(); ++i)
            if (form->Model[i].Baseplate)
                return form->Model[i];
        throw TError("no baseplate");
    }
};
} // namespace

TEST_F(OptionsFixture, WireframeHidesStudsDetailAndShadingAndPutsThemBack) {
    form->miShading->trigger();
    form->miMostDetail->trigger();
    ASSERT_TRUE(form->Context.Shading);
    form->btnWireFrame->click();
    EXPECT_TRUE(form->Context.WireFrame);
    EXPECT_TRUE(form->btnStuds->isChecked());
    EXPECT_FALSE(form->miShading->isChecked());
    EXPECT_EQ(form->Context.DetailLevel, 0);
    form->btnWireFrame->click();
    EXPECT_FALSE(form->btnStuds->isChecked());
    EXPECT_TRUE(form->miShading->isChecked());
    EXPECT_TRUE(form->miMostDetail->isChecked());

    // A detail entry switches wireframe off.
    form->btnWireFrame->click();
    form->miMoreDetail->trigger();
    EXPECT_FALSE(form->btnWireFrame->isChecked());
    EXPECT_EQ(form->Context.DetailLevel, 1);
}

TEST_F(OptionsFixture, StudEntriesAndBitDepthsKeepTheirMarks) {
    form->Nostuds2->trigger();
    EXPECT_TRUE(form->btnStuds->isChecked());
    EXPECT_TRUE(form->Context.StudsHidden);
    form->BetterStuds2->trigger();
    EXPECT_FALSE(form->btnStuds->isChecked());
    EXPECT_EQ(form->Context.StudStyle, 1);

    form->pf16bit1->trigger();
    form->miAntiAlias->trigger();
    EXPECT_TRUE(form->pf32bit1->isChecked());
    EXPECT_TRUE(form->miAntiAlias->isChecked());
    EXPECT_EQ(form->BitDepth, 4);
    form->pf16bit1->trigger();
    EXPECT_FALSE(form->miAntiAlias->isChecked());
    EXPECT_EQ(form->BitDepth, 2);
}

TEST_F(OptionsFixture, BaseplateSizeBoxesChangeNothingWhenOneIsBad) {
    form->BSizeX->setText("15");
    QTest::keyClick(form->BSizeX, Qt::Key_Return);
    EXPECT_EQ(Baseplate().SX, 300);
    form->ThickBase->click();
    EXPECT_EQ(Baseplate().SZ, 24);
    // Unlike the core's field-by-field reading, the window changes nothing on a bad box.
    form->BSizeX->setText("20");
    form->BSizeY->setText("wide");
    EXPECT_THROW(form->BSizeXKeyPress(), TError);
    EXPECT_EQ(Baseplate().X, -140);
    EXPECT_EQ(Baseplate().SX, 300);
}

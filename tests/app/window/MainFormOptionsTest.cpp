// The scene options' tests hold the sizes, levels and refusals; here the menus, boxes and
// buttons reach them and keep their marks.
#include "app/GuiTest.h"
#include "base/Error.h"

namespace {
struct OptionsFixture : FormTest {
    // The fresh window's model holds only the baseplate.
    const TBlock& Baseplate() { return Form->Model[0]; }
};
} // namespace

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

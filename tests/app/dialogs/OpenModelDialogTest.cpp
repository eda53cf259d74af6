#include "app/dialogs/OpenModelDialog.h"

#include "app/GuiTest.h"

TEST(OpenModelDialog, PictureFitsTheBox) {
    EXPECT_EQ((std::array{TOpenModelDialog::PictureRect({40, 20}, {100, 100}),
                          TOpenModelDialog::PictureRect({400, 200}, {100, 100}),
                          TOpenModelDialog::PictureRect({200, 400}, {100, 100})}),
              (std::array{QRect(30, 40, 40, 20), QRect(0, 0, 100, 50), QRect(0, 0, 50, 100)}));
}

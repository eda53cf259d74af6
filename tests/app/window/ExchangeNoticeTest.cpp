#include "app/GuiTest.h"
#include "exchange/LoadModel.h"

namespace {
// The text of the exchange notice the window shows, or "" when there is none.
std::string NoticeText(TMainForm& form) {
    auto* box = form.findChild<QMessageBox*>("ExchangeNotice");
    std::string text = box ? box->text().toStdString() : "";
    delete box;
    return text;
}
} // namespace

TEST(ExchangeNotice, ImportsAndDatSavesThatLeftPartsOutSayWhich) {
    std::string dir = TestFolder();
    auto form = NewForm(dir + "s.ini");
    WriteFile(dir + "m.ldr", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                             "1 4 0 0 0 1 0 0 0 1 0 0 0 1 nosuch.dat\r\n"
                             "0 STEP\r\n"
                             "1 4 0 -24 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    form->LoadModelFile(dir + "m.ldr", LoadWhole);
    EXPECT_EQ(std::pair(form->Model.Count(), form->Model.StepLimit), std::pair(2, 1));
    std::string text = NoticeText(*form);
    EXPECT_NE(text.find("Imported 2 of 3"), std::string::npos) << text;
    EXPECT_NE(text.find("1 x nosuch.dat (no mapping row)"), std::string::npos) << text;

    WriteFile(dir + "all.ldr", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    form->LoadModelFile(dir + "all.ldr", LoadWhole);
    EXPECT_EQ(NoticeText(*form), "");

    // Saving under a .dat name writes LDraw and says which shapes were left out.
    form->btnClearClick();
    auto brick = std::make_unique<TBlock>();
    brick->Create(0, 0, 0, 3, 3, 3, 255, true, false, false, ""); // studs and plates
    form->Model.Add(std::move(brick));
    form->Model.Add(CreateBrickFromKey("B2x2x3"));
    form->SaveModelAs(dir + "out.dat", true);
    EXPECT_EQ(TTempFolder::Read(dir + "out.dat").rfind("1 ", 0), 0u);
    text = NoticeText(*form);
    EXPECT_NE(text.find("1 x B 3x3x3"), std::string::npos) << text;
}

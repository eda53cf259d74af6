// The picture frame over a headless main window: mouse, size dialog, saving and printing. The
// frame's own tests hold its areas, sizes and limits; here the mouse and dialogs reach them.
#include "app/GuiTest.h"
#include "app/dialogs/SizeCamera.h"
#include "base/Error.h"
#include "raster/PictureFiles.h"
#include "support/ErrorMessage.h"

#include <QPrinter>
#include <regex>

namespace {
struct PicturesFixture : ShownFormTest {
    std::vector<QString> Titles;
    std::string Answer; // the file name the save dialog gives, empty to cancel
    decltype(TPictures::AskPictureFile) SaveDialog; // the window's own

    void SetUp() override {
        Open("t.ini");
        SaveDialog = Form->Pictures.AskPictureFile;
        Form->Pictures.AskPictureFile = [this](const QString& title, const QString&,
                                               const QString&) {
            Titles.push_back(title);
            return QString::fromStdString(Answer);
        };
        Form->btnSavePic->click();
    }
    QPoint AreaCentre(TFrameArea area) {
        TRect r = Form->Pictures.CameraFrame.AreaRect(area);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    const TPictureFrame& Frame() { return Form->Pictures.CameraFrame.Rect; }
};
} // namespace

TEST_F(PicturesFixture, TheMouseMovesTheFrameWhichIsDrawnOverTheSceneWithoutANewFrame) {
    EXPECT_TRUE(Form->Pictures.CameraFrame.On);
    TPictureFrame start = Frame();
    int frames = Form->Frame.FramesPainted;
    QPoint inside(start.Left + 200, start.Top + 150);
    Mouse(QEvent::MouseButtonPress, inside);
    Mouse(QEvent::MouseMove, inside + QPoint(-30, 20));
    Mouse(QEvent::MouseButtonRelease, inside + QPoint(-30, 20));
    EXPECT_EQ(std::pair(Frame().Left, Frame().Top), std::pair(start.Left - 30, start.Top + 20));
    MoveTo(QPoint(Frame().Left + 1, Frame().Top + 100));
    EXPECT_TRUE(View().cursor().shape() == Qt::SizeHorCursor &&
                Form->Frame.FramesPainted == frames);

    // The overlay is on the screen, the view bitmap stays the scene alone.
    QImage shown = View().grab().toImage();
    EXPECT_EQ(shown.pixelColor(Frame().Left, Frame().Top + 100), QColor(Qt::black));
    EXPECT_NE(Form->Frame.Bitmap.Pixel(Frame().Left, Frame().Top + 100), 0u);
}

TEST_F(PicturesFixture, TheSizeDialogShowsTheSizeAppliesANewOneAndRefusesText) {
    TPictureFrame before = Frame();
    EXPECT_NE(MessageOf([&] {
                  Form->Pictures.Resize("abc", "100");
              }).find("'abc' is not a valid integer value"),
              std::string::npos);
    EXPECT_EQ(Frame().Right, before.Right);

    QString shownWidth;
    OnNextDialog<TSizeCamera>([&](TSizeCamera& dialog) {
        shownWidth = dialog.edW->text();
        dialog.edW->setText("301");
        dialog.edH->setText("101");
        dialog.SpeedButton2->click();
    });
    Click(AreaCentre(TFrameArea::SizeLabel));
    EXPECT_EQ(shownWidth, "400");
    EXPECT_EQ(std::pair(Frame().Right - Frame().Left, Frame().Bottom - Frame().Top),
              std::pair(301, 101));
}

TEST_F(PicturesFixture, SavesWhatTheFrameShowsAtItsSizeAndOnlyAWrittenFileSetsTheFolder) {
    std::string before = Form->Pictures.PictureDir;
    Answer.clear();
    Click(AreaCentre(TFrameArea::SaveAsSeen));
    ASSERT_EQ(Titles.size(), 1u);
    EXPECT_EQ(Titles[0].toStdString(), "Save picture (.bmp size: 471 kByte)");
    Answer = Folder + "missing/x.png";
    EXPECT_THROW(Form->Pictures.Save(0), TError);
    EXPECT_EQ(Form->Pictures.PictureDir, before);

    Click(AreaCentre(TFrameArea::PresetSize)); // 116 x 116
    std::string out = Folder + "out";
    std::filesystem::create_directories(out);
    TBitmap back;
    for (auto [name, variant, size] : {std::tuple{"/double.png", 2, 232}, {"/seen.bmp", 0, 116}}) {
        Answer = out + name;
        Form->Pictures.Save(variant);
        ReadPictureFile(Answer, back);
        EXPECT_EQ(std::pair(back.Width(), back.Height()), std::pair(size, size)) << name;
    }
    EXPECT_EQ(back.Pixel(5, 7), Form->Frame.Bitmap.Pixel(Frame().Left + 5, Frame().Top + 7));
    EXPECT_EQ(Form->Pictures.PictureDir, out);
}

// The question about replacing a file names the file that would be written: the typed name with
// the chosen filter's extension. Answering no writes nothing.
TEST_F(PicturesFixture, ReplacingIsAskedAboutTheNameWithTheAddedExtension) {
    WriteFile(Folder + "house.jpg", "old");
    QString asked;
    OnNextDialog<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectNameFilter("JPEG file (*.jpg)");
        dialog.selectFile(QString::fromStdString(Folder + "house"));
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(QMessageBox::No)->click();
            }
        });
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    QString name = SaveDialog("Save picture", QString::fromStdString(Folder), "house");
    EXPECT_TRUE(asked.contains("house.jpg")) << asked.toStdString();
    EXPECT_TRUE(name.isEmpty()) << name.toStdString();
    EXPECT_EQ(TTempFolder::Read(Folder + "house.jpg"), "old");
}

TEST_F(PicturesFixture, PrintsOnePageThatIsNotBlankAndRestoresTheView) {
    for (int i = 0; i < 6; ++i)
        AddBrick("2x4x3", i * 40 - 120, -20, 0).Colour = 0x0000C0;
    Form->RedrawPicture();
    float scale = Form->Context.View.ViewScale, originX = Form->Context.View.OriginX;
    std::string pdf = Folder + "page.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setResolution(150);
    Form->Pictures.Print(printer);
    EXPECT_EQ(std::pair(Form->Context.View.ViewScale, Form->Context.View.OriginX),
              std::pair(scale, originX));

    std::string bytes = TTempFolder::Read(pdf);
    ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
    std::regex page("/Type\\s*/Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), {}), 1);

    if (std::system("pdftoppm -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    std::string ppm = Folder + "page";
    ASSERT_EQ(std::system(("pdftoppm -r 30 -gray " + pdf + " " + ppm).c_str()), 0);
    QImage shown(QString::fromStdString(ppm + "-1.pgm"));
    ASSERT_FALSE(shown.isNull());
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            dark += qGray(shown.pixel(x, y)) < 160;
    EXPECT_GT(dark, 200);
}

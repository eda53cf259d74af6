// The picture frame over a headless main window: mouse, size dialog, saving and printing.
#include "app/GuiTest.h"
#include "app/dialogs/SizeCamera.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"
#include "base/Error.h"
#include "raster/PictureFiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QToolButton>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>

namespace {

struct PicturesFixture : ShownFormTest {
    std::vector<QString> titles;
    std::string answer; // the file name the save dialog gives, empty to cancel
    decltype(TMainForm::AskPictureFile) saveDialog; // the window's own

    void SetUp() override {
        Open("t.ini");
        saveDialog = form->AskPictureFile;
        form->AskPictureFile = [this](const QString& title, const QString&, const QString&) {
            titles.push_back(title);
            return QString::fromStdString(answer);
        };
        form->btnSavePic->click();
    }

    TViewBox& View() { return *form->PaintBox1; }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, View().mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(&View(), &e);
    }
    void Click(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
        Send(QEvent::MouseButtonRelease, at, Qt::NoButton, modifiers);
    }
    QPoint AreaCentre(TFrameArea area) {
        TRect r = form->CameraFrame.AreaRect(area);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    const TPictureFrame& Frame() { return form->CameraFrame.Rect; }
};

} // namespace

TEST_F(PicturesFixture, TheFrameStartsRightOfTheCentreAndIsDrawnWithoutANewFrame) {
    int w = View().width(), h = View().height();
    EXPECT_TRUE(form->CameraFrame.On);
    EXPECT_EQ(Frame().Left, w / 2 - 190);
    EXPECT_EQ(Frame().Top, h / 2 - 150);
    EXPECT_EQ(Frame().Right - Frame().Left, 400);

    int frames = form->FramesPainted;
    QPoint inside(Frame().Left + 200, Frame().Top + 150);
    Send(QEvent::MouseButtonPress, inside, Qt::LeftButton);
    Send(QEvent::MouseMove, inside + QPoint(-30, 20), Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, inside + QPoint(-30, 20), Qt::NoButton);
    EXPECT_EQ(Frame().Left, w / 2 - 220);
    EXPECT_EQ(Frame().Top, h / 2 - 130);
    Send(QEvent::MouseMove, QPoint(Frame().Left + 1, Frame().Top + 100), Qt::NoButton);
    EXPECT_EQ(View().cursor().shape(), Qt::SizeHorCursor);
    EXPECT_EQ(form->FramesPainted, frames);

    // The overlay is on the screen, the view bitmap stays the scene alone.
    QImage shown = View().grab().toImage();
    QColor edge = shown.pixelColor(Frame().Left, Frame().Top + 100);
    EXPECT_EQ(edge, QColor(Qt::black));
    EXPECT_NE(form->ViewBitmap.Pixel(Frame().Left, Frame().Top + 100), 0u);
}

TEST_F(PicturesFixture, TitleBarGlyphsActThroughTheMouse) {
    int left = Frame().Left, top = Frame().Top;
    Click(AreaCentre(TFrameArea::PresetSize), Qt::AltModifier);
    EXPECT_EQ(Frame().Left, left);
    EXPECT_EQ(Frame().Top, top);
    EXPECT_EQ(Frame().Right - left, 640);
    EXPECT_EQ(Frame().Bottom - top, 480);
    Click(AreaCentre(TFrameArea::PresetSize));
    EXPECT_EQ(Frame().Right - left, 116);
    Click(AreaCentre(TFrameArea::WholeView));
    EXPECT_EQ(Frame().Left, 2);
    EXPECT_EQ(Frame().Bottom, View().height() - 2);
    Click(AreaCentre(TFrameArea::Close));
    EXPECT_FALSE(form->CameraFrame.On);
    EXPECT_FALSE(form->btnSavePic->isChecked());
    // The frame keeps its place for the next time.
    form->btnSavePic->click();
    EXPECT_EQ(Frame().Left, 2);
}

TEST_F(PicturesFixture, TheSizeDialogKeepsTheCentreAndRefusesBadSizes) {
    TPictureFrame before = Frame();
    struct Case {
        const char *width, *height, *message;
    } refused[] = {
        {"abc", "100", "'abc' is not a valid integer value"},
        {"200", "", "'' is not a valid integer value"},
        {"63", "100", "at least 64 x 64"},
    };
    for (const Case& c : refused) {
        try {
            form->ResizeCameraFrame(c.width, c.height);
            ADD_FAILURE() << c.width << " x " << c.height;
        } catch (const TError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(Frame().Left, before.Left);
        EXPECT_EQ(Frame().Right, before.Right);
    }

    // Through the dialog itself: it shows the frame's size and OK applies the new one.
    QString shownWidth;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TSizeCamera*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownWidth = dialog->edW->text();
        dialog->edW->setText("301");
        dialog->edH->setText("101");
        dialog->SpeedButton2->click();
    });
    Click(AreaCentre(TFrameArea::SizeLabel));
    EXPECT_EQ(shownWidth, "400");
    EXPECT_EQ(Frame().Left, before.Left + 49);
    EXPECT_EQ(Frame().Right, before.Left + 49 + 301);
    EXPECT_EQ(Frame().Top, before.Top + 99);
    EXPECT_EQ(Frame().Bottom - Frame().Top, 101);
}

TEST_F(PicturesFixture, SavesEveryVariantInEveryFormatAndRemembersTheFolder) {
    Click(AreaCentre(TFrameArea::PresetSize)); // 116 x 116
    std::string out = folder + "out";
    std::filesystem::create_directories(out);
    for (const char* extension : {"png", "jpg", "bmp"})
        for (int variant : {0, 1, 2, 4, 8}) {
            answer = out + "/v" + std::to_string(variant) + "." + extension;
            titles.clear();
            form->SavePicture(variant);
            ASSERT_EQ(titles.size(), 1u);
            TBitmap back;
            ReadPictureFile(answer, back);
            int f = variant >= 2 ? variant : 1;
            EXPECT_EQ(back.Width(), 116 * f) << answer;
            EXPECT_EQ(back.Height(), 116 * f) << answer;
            if (variant == 0 && std::string(extension) != "jpg") {
                EXPECT_EQ(back.Pixel(5, 7),
                          form->ViewBitmap.Pixel(Frame().Left + 5, Frame().Top + 7));
            }
        }
    EXPECT_EQ(form->PictureDir, out);
    EXPECT_EQ(titles[0].toStdString(), "Save very large picture (.bmp size: 3422 kByte)");
}

TEST_F(PicturesFixture, ANameTypedWithoutExtensionGetsTheChosenFiltersOne) {
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->selectNameFilter("JPEG file (*.jpg)");
        dialog->selectFile(QString::fromStdString(folder + "house"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QString name = saveDialog("Save picture", QString::fromStdString(folder), "house");
    EXPECT_EQ(filters,
              QStringList({"PNG file (*.png)", "JPEG file (*.jpg)", "Bitmap file (*.bmp)"}));
    EXPECT_EQ(name.toStdString(), folder + "house.jpg");
}

TEST_F(PicturesFixture, CancelAndFailedWritesKeepThePicturesFolder) {
    std::string before = form->PictureDir;
    answer.clear();
    Click(AreaCentre(TFrameArea::SaveAsSeen));
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].toStdString(), "Save picture (.bmp size: 471 kByte)");
    answer = folder + "missing/x.png";
    EXPECT_THROW(form->SavePicture(0), TError);
    EXPECT_EQ(form->PictureDir, before);
}

TEST_F(PicturesFixture, PrintsOnePageThatIsNotBlankAndRestoresTheView) {
    for (int i = 0; i < 6; ++i) {
        auto brick = CreateBrickFromKey("2x4x3");
        brick->X = i * 40 - 120, brick->Y = -20, brick->Z = 0, brick->Colour = 0x0000C0;
        form->Model.Add(std::move(brick));
    }
    form->RedrawPicture();
    float scale = form->Context.View.ViewScale, originX = form->Context.View.OriginX;
    std::string pdf = folder + "page.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setResolution(150);
    form->PrintModel(printer);
    EXPECT_EQ(form->Context.View.ViewScale, scale);
    EXPECT_EQ(form->Context.View.OriginX, originX);

    std::ifstream file(pdf, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), {});
    ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
    std::regex page("/Type\\s*/Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), {}), 1);

    if (std::system("pdftoppm -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    std::string ppm = folder + "page";
    ASSERT_EQ(std::system(("pdftoppm -r 30 -gray " + pdf + " " + ppm).c_str()), 0);
    QImage shown(QString::fromStdString(ppm + "-1.pgm"));
    ASSERT_FALSE(shown.isNull());
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            dark += qGray(shown.pixel(x, y)) < 160;
    EXPECT_GT(dark, 200);
}

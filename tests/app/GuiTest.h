#pragma once
// Shared set-up of the window tests: one application, temporary folders, a main window on a
// settings file of its own, events sent to its view box, and answering the next modal dialog.

#include "app/TestApp.h"
#include "app/palette/PaletteListBox.h"
#include "app/palette/PalettePanel.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"
#include "base/FileNames.h"
#include "support/TempFolder.h"

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <list>
#include <memory>
#include <string>

// A fresh, empty folder for one test, with a trailing '/'; removed when the tests end, since
// a window writes its settings there as it closes.
inline std::string TestFolder() {
    static std::list<TTempFolder> folders;
    return folders.emplace_back().Dir();
}

inline void WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

inline std::unique_ptr<TMainForm> NewForm(const std::string& iniFile,
                                          std::vector<std::string> more = {}) {
    TestApp();
    more.insert(more.begin(), "-I" + iniFile);
    auto form = std::make_unique<TMainForm>(more);
    form->resize(800, 600);
    return form;
}

inline void Wheel(QWidget* target, int delta) {
    QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

// A shown main window on a settings file in a fresh folder, closed without questions after the
// test. SetUp of a derived fixture calls Open, after writing any files the window reads.
struct ShownFormTest : ::testing::Test {
    std::string Folder = TestFolder();
    std::unique_ptr<TMainForm> Form;

    void Open(const std::string& iniName, std::vector<std::string> more = {}) {
        Form = NewForm(Folder + iniName, std::move(more));
        Form->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (Form) {
            Form->Files.Modified = false;
            Form->close();
        }
        Form.reset();
        std::filesystem::remove_all(Folder);
    }

    TViewBox& View() { return *Form->PaintBox1; }
    // Where a model point shows in the view box.
    QPoint Pixel(double x, double y, double z = 0) {
        TPoint p = ProjectPoint(Form->Context.View, x, y, z);
        return {p.X, p.Y};
    }
    // Centre of a brick's top face on screen, where a click finds it.
    QPoint TopOf(const TBlock& b) { return Pixel(b.X + b.SX / 2.0, b.Y + b.SY / 2.0, b.FarZ()); }
    // A key pressed on the view box (or another widget) through the window's key preview.
    bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* to = nullptr) {
        QKeyEvent e(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(to ? to : &View(), &e);
        return e.isAccepted();
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent e(type, at, View().mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
        QApplication::sendEvent(&View(), &e);
    }
    void MoveTo(QPoint at, Qt::MouseButton held = Qt::NoButton,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Mouse(QEvent::MouseMove, at, held, modifiers);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Mouse(QEvent::MouseButtonPress, at, button, modifiers);
        Mouse(QEvent::MouseButtonRelease, at, button, modifiers);
    }
    static std::unique_ptr<TBlock> BrickAt(const char* key, int32_t x, int32_t y, int32_t z) {
        auto brick = CreateBrickFromKey(key);
        brick->X = x, brick->Y = y, brick->Z = z;
        return brick;
    }
    TBlock& AddBrick(const char* key, int32_t x, int32_t y, int32_t z, int32_t group = 0,
                     bool selected = false) {
        auto brick = BrickAt(key, x, y, z);
        brick->Group = group, brick->Selected = selected;
        return Form->Model.InsertSorted(std::move(brick));
    }
    void TakeInHand(const char* key, int32_t x = 0, int32_t y = 0, int32_t z = 0) {
        Form->Editing.Hand.TakeInHand(BrickAt(key, x, y, z), 0);
    }
    int Find(const std::string& text) { return Form->Model.IndexOfText(text); }
    // The model as saved, one line per brick, the baseplate left out.
    std::vector<std::string> ModelLines() {
        std::vector<std::string> lines;
        for (const auto& brick : Form->Model.Items())
            if (!brick->Baseplate)
                lines.push_back(brick->SaveToString());
        return lines;
    }
    // A model file in the test's folder holding the bricks' lines, under a plain view.
    std::string WriteModel(const std::string& name, const std::string& bricks) {
        WriteFile(Folder + name, "= 70 30 10 0 0 1 1\r\n" + bricks);
        return Folder + name;
    }
};

// The window on its own fresh settings file.
struct FormTest : ShownFormTest {
    void SetUp() override { Open("s.ini"); }
};

// The window on settings with three palette pages: two of bricks and an empty one. A test may
// point the program folder at its own folder; it is put back.
struct PagesFormTest : ShownFormTest {
    std::string SavedAppDir = AppDir();
    void SetUp() override {
        std::filesystem::copy_file(TESSARYN_TEST_DATA "app/pages.ini", Folder + "s.ini");
        Open("s.ini");
    }
    void TearDown() override {
        SetAppDir(SavedAppDir);
        ShownFormTest::TearDown();
    }
    TPalettePanel& Palette() { return *Form->Palette; }
    void TakeRow(int row) {
        Palette().ListBox1->setCurrentRow(row);
        Palette().ListBox1Click();
    }
};

// Runs the next modal dialog of the type through the function; a dialog it leaves open is
// cancelled.
template <class TDialog> void OnNextDialog(std::function<void(TDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Answers the next file dialog with the file name, or cancels it when the name is empty.
inline void AnswerNextFileDialog(const std::string& fileName) {
    QTimer::singleShot(0, [fileName] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (fileName.empty())
            return dialog->reject();
        dialog->selectFile(QString::fromStdString(fileName));
        static_cast<QDialog*>(dialog)->accept(); // the file dialog checks the name
    });
}

// Presses the given button of the next message box that shows.
inline void AnswerNextMessageBox(QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(answer)->click();
    });
}

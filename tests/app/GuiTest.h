#pragma once
// Shared set-up of the window tests: one application, temporary folders, a main window on a
// settings file of its own, and answering the next modal dialog.

#include "app/window/MainForm.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <list>
#include <memory>
#include <string>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "tessaryn_gui_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from the exit handlers crashes in the input devices.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

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

// A shown main window on a settings file in a fresh folder, closed without questions after the
// test. SetUp of a derived fixture calls Open, after writing any files the window reads.
struct ShownFormTest : ::testing::Test {
    std::string folder = TestFolder();
    std::unique_ptr<TMainForm> form;

    void Open(const std::string& iniName) {
        form = NewForm(folder + iniName);
        form->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (form) {
            form->Modified = false;
            form->close();
        }
        form.reset();
        std::filesystem::remove_all(folder);
    }
};

// Presses the given button of the next message box that shows.
inline void AnswerNextMessageBox(QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(answer)->click();
    });
}

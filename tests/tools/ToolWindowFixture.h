#pragma once
// A shown main window with its tool windows, and bricks to work on.

#include "app/GuiTest.h"
#include "app/MainForm.h"

#include <QApplication>
#include <gtest/gtest.h>

struct ToolWindowFixture : ::testing::Test {
    std::string folder = TestFolder();
    std::unique_ptr<TMainForm> form;

    void SetUp() override {
        form = NewForm(folder + "t.ini");
        form->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        form->Modified = false;
        form->close();
        form.reset();
        std::filesystem::remove_all(folder);
    }
    TBlock& AddBrick(const char* key, int32_t x, int32_t y, int32_t z, bool selected = false) {
        auto brick = CreateBrickFromKey(key);
        brick->X = x, brick->Y = y, brick->Z = z, brick->Selected = selected;
        return form->Model.Add(std::move(brick));
    }
};

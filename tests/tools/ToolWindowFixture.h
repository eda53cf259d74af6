#pragma once
// A shown main window with its tool windows, and bricks to work on.

#include "app/GuiTest.h"
#include "app/window/MainForm.h"

#include <QApplication>
#include <gtest/gtest.h>

struct ToolWindowFixture : ShownFormTest {
    void SetUp() override { Open("t.ini"); }
    TBlock& AddBrick(const char* key, int32_t x, int32_t y, int32_t z, bool selected = false) {
        auto brick = CreateBrickFromKey(key);
        brick->X = x, brick->Y = y, brick->Z = z, brick->Selected = selected;
        return form->Model.Add(std::move(brick));
    }
};

#pragma once
// The tool windows' command boundary: a command's error reaches the user in a message box.

#include <QMessageBox>
#include <QWidget>
#include <exception>

template <class Command> void ToolGuarded(QWidget* parent, Command&& command) {
    try {
        command();
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, parent->windowTitle(), QString::fromStdString(e.what()));
    }
}

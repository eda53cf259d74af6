#pragma once
// The main window's private requests, posted to it as queued events by itself and its tool
// windows.

#include <QEvent>

namespace WindowMessages {
constexpr int StartUp = 0x4A4;
constexpr int Redraw = 0x4A5;

constexpr QEvent::Type EventType(int message) {
    return QEvent::Type(QEvent::User + message);
}
} // namespace WindowMessages

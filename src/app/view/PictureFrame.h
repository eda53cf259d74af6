#pragma once
// Draws the picture frame over the view: outline, title bar glyphs, save labels, size label.

class QFont;
class QPainter;
class TCameraFrame;

// Lays the title bar out anew (which labels are shown) and draws it with the painter.
void DrawCameraFrame(QPainter& painter, TCameraFrame& frame, const QFont& windowFont);

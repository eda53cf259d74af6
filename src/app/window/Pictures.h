#pragma once
// Pictures and printing: the picture frame over the view, saving the framed part of the view
// as a picture file, and printing the model.

#include "exchange/pictures/CameraFrame.h"

#include <QString>
#include <Qt>
#include <cstdint>
#include <functional>
#include <string>

class QFont;
class QPainter;
class QPrinter;
class QWidget;
class TBitmap;
class TBlockList;
class TDrawContext;
class TColours;
class TModelFiles;
class TViewControls;

class TPictures {
public:
    // What a picture shows: the model, drawn with the view's state over the view's background.
    struct TScene {
        TBlockList& Model;
        TDrawContext& Context;
        const TViewControls& Controls;
        const TBitmap& ViewBitmap;
        const TColours& Colours; // the background and its picture
    };

    TPictures(QWidget& window, const TScene& scene, const TModelFiles& files);

    TCameraFrame CameraFrame;
    // Where the save dialog starts: the folder of the last picture saved.
    std::string PictureDir;
    // Asks for the picture's file name (the filter's extension added when none is typed); an
    // empty answer cancels. The tests answer it themselves.
    std::function<QString(const QString& title, const QString& folder, const QString& name)>
        AskPictureFile;

    // The size dialog's texts: the frame keeps its centre; bad numbers raise TError.
    void Resize(const QString& width, const QString& height);
    // Saves the framed part as seen (0), anti-aliased (1) or rendered 2, 4 or 8 times larger.
    void Save(int variant);
    void Print(QPrinter& printer);
    // A left press on the picture frame: moves and sizes it or saves the picture as the area
    // pressed says; closing it and the size dialog are the window's. The area pressed.
    TFrameArea Press(int x, int y, Qt::KeyboardModifiers keys, int viewWidth, int viewHeight);
    // The picture frame over the view, while it is on.
    void PaintFrame(QPainter& painter, const QFont& font);
    // The mouse pointer's shape over the view point: what a press there would do.
    Qt::CursorShape CursorAt(int x, int y) const;

private:
    TScene Scene;
    const TModelFiles& Files;
};

#pragma once
// Pages of the building instructions written as a PDF file through cairo's PDF surface. The
// file is written beside its target and renamed over it once complete.

#include "exchange/instructions/PagePainter.h"

#include <memory>
#include <string>

class TPdfPainter : public TPagePainter {
public:
    // Every page has this size in points.
    TPdfPainter(const std::string& fileName, double width, double height);
    ~TPdfPainter() override;
    TPdfPainter(const TPdfPainter&) = delete;
    TPdfPainter& operator=(const TPdfPainter&) = delete;

    void StartPage() override;
    void Picture(const TPageRect& where, const TBitmap& pixels) override;
    void Text(double x, double y, double size, bool bold, TTextAlign align,
              const std::string& text) override;
    void Frame(const TPageRect& where, double lineWidth, TColour colour) override;

    // Ends the last page and puts the file in place; raises when anything failed. Without it,
    // the target is left as it was.
    void Finish();

private:
    struct TState;
    std::unique_ptr<TState> State;
};

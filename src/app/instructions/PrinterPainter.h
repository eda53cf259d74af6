#pragma once
// Pages of the building instructions drawn with a QPainter on a printer (or the print
// preview), in the points of the shared page layout.

#include "exchange/instructions/PagePainter.h"

class QPainter;
class QPrinter;

class TPrinterPainter : public TPagePainter {
public:
    // The printer's page is used whole, from the paper's corner, as the PDF's is.
    TPrinterPainter(QPrinter& printer, QPainter& painter);

    void StartPage() override;
    void Picture(const TPageRect& where, const TBitmap& pixels) override;
    void Text(double x, double y, double size, bool bold, TTextAlign align,
              const std::string& text) override;
    void Frame(const TPageRect& where, double lineWidth, TColour colour) override;

private:
    QPrinter& Printer;
    QPainter& Painter;
    int Pages = 0;
};

#include "exchange/instructions/PdfPainter.h"

#include "base/Error.h"
#include "base/ReplacingFile.h"
#include "raster/Bitmap.h"

#include <cairo-pdf.h>
#include <cairo.h>

struct TPdfPainter::TState {
    explicit TState(const std::string& fileName) : File(fileName) {}
    TReplacingFile File;
    cairo_surface_t* Surface = nullptr;
    cairo_t* Cairo = nullptr;
    int Pages = 0;
};

namespace {

cairo_status_t WritePdfBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* file = static_cast<TReplacingFile*>(closure);
    return file->Write({reinterpret_cast<const char*>(data), length}) ? CAIRO_STATUS_SUCCESS
                                                                      : CAIRO_STATUS_WRITE_ERROR;
}

void SetColour(cairo_t* cairo, TColour colour) {
    cairo_set_source_rgb(cairo, RedOf(colour) / 255.0, GreenOf(colour) / 255.0,
                         BlueOf(colour) / 255.0);
}

} // namespace

TPdfPainter::TPdfPainter(const std::string& fileName, double width, double height)
    : State(std::make_unique<TState>(fileName)) {
    // A file that cannot be made is told before any page is drawn; cairo, once its stream has
    // failed, also keeps part of what it allocated.
    if (!State->File.Write(std::string_view()))
        State->File.Fail();
    State->Surface =
        cairo_pdf_surface_create_for_stream(WritePdfBytes, &State->File, width, height);
    State->Cairo = cairo_create(State->Surface);
    if (cairo_status(State->Cairo) != CAIRO_STATUS_SUCCESS)
        throw TError(std::string("Cannot start the PDF file: ") +
                     cairo_status_to_string(cairo_status(State->Cairo)));
}

TPdfPainter::~TPdfPainter() {
    cairo_destroy(State->Cairo);
    cairo_surface_destroy(State->Surface);
}

void TPdfPainter::StartPage() {
    if (State->Pages++ > 0)
        cairo_show_page(State->Cairo);
}

// 32-bit bitmaps hold blue, green, red and a spare byte, which is cairo's RGB24 layout on the
// little-endian machines we build for; the rows are used where they lie.
void TPdfPainter::Picture(const TPageRect& where, const TBitmap& pixels) {
    if (pixels.Empty() || pixels.PixelFormat() != TPixelFormat::pf32bit)
        return;
    auto* data = const_cast<unsigned char*>(pixels.ScanLine(0));
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        data, CAIRO_FORMAT_RGB24, pixels.Width(), pixels.Height(), pixels.Pitch());
    cairo_t* cairo = State->Cairo;
    cairo_save(cairo);
    cairo_translate(cairo, where.X, where.Y);
    cairo_scale(cairo, where.Width / pixels.Width(), where.Height / pixels.Height());
    cairo_set_source_surface(cairo, image, 0, 0);
    // Bands of one picture meet exactly; smoothing at their edges would show as seams.
    cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cairo, 0, 0, pixels.Width(), pixels.Height());
    cairo_fill(cairo);
    cairo_restore(cairo);
    // Finishing the image makes the PDF surface copy the pixels it keeps until the page is
    // written, so the band may be drawn over for the next one.
    cairo_surface_finish(image);
    cairo_surface_destroy(image);
}

void TPdfPainter::Text(double x, double y, double size, bool bold, TTextAlign align,
                       const std::string& text) {
    cairo_t* cairo = State->Cairo;
    cairo_select_font_face(cairo, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo, size);
    if (align == TTextAlign::Centre) {
        cairo_text_extents_t extents;
        cairo_text_extents(cairo, text.c_str(), &extents);
        x -= extents.x_advance / 2;
    }
    SetColour(cairo, 0);
    cairo_move_to(cairo, x, y);
    cairo_show_text(cairo, text.c_str());
}

void TPdfPainter::Frame(const TPageRect& where, double lineWidth, TColour colour) {
    cairo_t* cairo = State->Cairo;
    SetColour(cairo, colour);
    cairo_set_line_width(cairo, lineWidth);
    cairo_rectangle(cairo, where.X, where.Y, where.Width, where.Height);
    cairo_stroke(cairo);
}

void TPdfPainter::Finish() {
    cairo_surface_finish(State->Surface);
    if (State->File.Failed())
        State->File.Fail();
    const cairo_status_t status = cairo_surface_status(State->Surface);
    if (status != CAIRO_STATUS_SUCCESS)
        throw TError(std::string("Cannot write the PDF file: ") + cairo_status_to_string(status));
    State->File.Commit();
}

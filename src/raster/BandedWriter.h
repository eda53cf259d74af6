#pragma once
// A writer that keeps to a band's rows, so that a shape lying inside the clip rectangle but
// across a band's edge still takes the routines for shapes inside, which walk all its rows.

#include <cstdint>

template <class W> struct TBandedWriter {
    W Inner;
    int Top, Bottom;               // the band's rows, for spans
    const uint8_t *First, *Beyond; // the same rows as addresses, for single pixels

    void Span(uint8_t* row, int y, int x0, int x1) const {
        if (y >= Top && y <= Bottom)
            Inner.Span(row, y, x0, x1);
    }
    void PutAt(uint8_t* at) const {
        if (at >= First && at < Beyond)
            Inner.PutAt(at);
    }
};

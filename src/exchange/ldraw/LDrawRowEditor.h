#pragma once
// Editing the offsets of one row of the LDraw mapping table by its part name: the lookup the
// toolbox runs when the identity changes, and the update that writes the row back at once.

#include "exchange/ldraw/LDrawMap.h"

#include <optional>
#include <string>

class TLDrawRowEditor {
public:
    explicit TLDrawRowEditor(TLDrawMap& map) : Map(map) {}

    // The offsets of the first row whose part name equals the text ignoring case, remembered
    // as the row being edited. Loads the table when none is loaded; a table that cannot be
    // read raises its error once, and later lookups find nothing without reading the file
    // again (they run on every mouse move over a brick).
    std::optional<TLDrawOffsets> Lookup(const std::string& partName);
    bool HasRow() const { return Remembered.has_value(); }
    // The remembered row's values, as last read or written.
    const TLDrawOffsets& RowValues() const { return *Remembered; }

    // Writes the values into the row found again by its part name now (every export reloads
    // the table, so an index kept from the lookup could name another row), replaces its text
    // and saves the table through a temporary file. False when no row is remembered or the
    // table no longer names the part. RotOffset must lie in 0 to 7.
    bool Update(const std::string& partName, const TLDrawOffsets& values);

private:
    TLDrawEntry* Find(const std::string& partName);

    TLDrawMap& Map;
    std::optional<TLDrawOffsets> Remembered;
    bool LoadFailed = false;
};

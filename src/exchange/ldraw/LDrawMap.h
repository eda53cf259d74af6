#pragma once
// The LDraw mapping table "ts2ld.lst": rows in file order, loaded afresh for every exchange,
// and the search that finds (or adds) the row for a brick.

#include "exchange/ldraw/LDrawRecord.h"

#include <string>
#include <vector>

class TBlock;

struct TLDrawEntry {
    std::string Text; // the row as written to the file
    TLDrawRecord Record;
};

// What FindLDrawRecord hands back for a found row.
struct TLDrawOffsets {
    int32_t xOffset = 0, yOffset = 0, zOffset = 0, RotOffset = 0;
};

class TLDrawMap {
public:
    // The table of "ts2ld.lst" in the folder (with a trailing '/'); an empty folder means AppDir.
    explicit TLDrawMap(std::string folder = "") : Folder(std::move(folder)) {}

    // Drops the rows and reads the file again; comment lines (';' first, or under 24
    // characters) are left out. A missing file raises the file-open error.
    void Load();
    // Writes the rows' texts back, safely; nothing when no table was loaded.
    void Save();

    bool Loaded() const { return IsLoaded; }
    std::vector<TLDrawEntry>& Entries() { return Rows; }
    const std::vector<TLDrawEntry>& Entries() const { return Rows; }
    std::string FileName() const;

    // The row for the brick, by identity, then by shape; a brick with an identity no row knows
    // gets a new row, saved at once. When found, the brick's PartID becomes the row's PartName.
    bool FindLDrawRecord(TBlock& brick, TLDrawOffsets& offsets);

    // The part name an export would write for the brick, changing neither the brick nor the
    // table; empty when the brick would be left out.
    std::string PartNameFor(const TBlock& brick) const;

private:
    struct TMatch {
        const TLDrawRecord* Found = nullptr;
        bool NewWanted = false; // the brick's identity would become a row of its own
    };
    TMatch Match(const TBlock& brick) const;
    void Append(const TLDrawRecord& record);

    std::string Folder;
    std::string LoadedName;
    std::vector<TLDrawEntry> Rows;
    bool IsLoaded = false;
};

// The program-wide table, in AppDir.
TLDrawMap& LDrawMap();
void LoadLDrawMap();
void SaveLDrawMap();

#pragma once
// One row of the LDraw mapping table: which LDraw part, with which offsets and quarter turns,
// stands for a kind of brick; its text form in "ts2ld.lst".

#include <cstdint>
#include <string>

struct TLDrawRecord {
    char Kind = 0;
    int32_t SizeA = 0, SizeB = 0; // studs, in either order
    int32_t Plates = 0;
    int32_t HasStuds = 0;    // 1 means studs
    int32_t LDrawColour = 0; // carried unchanged, used nowhere
    int32_t xOffset = 0;     // along the brick's own first horizontal axis
    int32_t yOffset = 0;     // added to the LDraw y
    int32_t zOffset = 0;     // along the brick's own second horizontal axis
    int32_t RotOffset = 0;   // bits 0-1 extra quarter turns, bit 2 diagonal matrices
    std::string PartName;    // LDraw part file without its extension
    int32_t Variant = 0;
    std::string DefFile, DefPart; // general blocks only
};

// The row text: "%s %d %d %d %d %d %d %d %d %d %s.DAT %d %s %s".
std::string FormatLDrawRecord(const TLDrawRecord& record);

// The record of a row text (a line of at least 24 characters that is no comment). A token that
// starts like a number but is none raises the conversion error.
TLDrawRecord ParseLDrawRecord(const std::string& row);

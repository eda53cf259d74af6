#pragma once
// The model file (".LGO"): one header line with the view, then one line per brick. Reading is
// TBlockList::LoadFromFile; these are its pieces and the writer.

#include "base/Text.h"
#include "model/Block.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBlockList;

// The view written into a header line: the five scroll-bar positions and the studs state.
struct TModelHeader {
    int32_t RotX = 0, RotZ = 0, ScaleBar = 0, OffsetX = 0, OffsetY = 0;
    int32_t Studs = 1; // 1 shown, 0 hidden
};

// The header values a list holds from the last file read.
TModelHeader HeaderOfList(const TBlockList& list);

// Token readers over a line remainder with a 1-based position p. ReadInt converts a token that
// starts with '-' or a digit (raising the conversion error when it is no valid 32-bit integer)
// and moves p past it; any other token yields the default and stays unread.
int32_t ReadInt(const std::string& s, size_t& p, int32_t defaultValue);
// The next token whatever it holds, possibly empty; the default once p is past the end.
std::string ReadToken(const std::string& s, size_t& p, const std::string& defaultValue);

// The brick of one brick line (not a header, not empty) in the given format version.
std::unique_ptr<TBlock> ReadBrickLine(const std::string& line, int32_t version);

// Appends the bricks of a model file's text to the list (as LoadFromFile does for a file).
void ReadModelText(TBlockList& list, std::string_view text);

// One brick line, without its line end.
std::string BrickLine(const TBlock& brick);

// The whole file text: the header line (version 1), then the bricks (all, or the selected
// ones), each line ended by CR LF.
std::string ModelFileText(const TBlockList& list, const TModelHeader& header, bool all);

// Writes the model file; the previous file survives a failed write.
void SaveModelFile(const TBlockList& list, const std::string& fileName, const TModelHeader& header,
                   bool all);

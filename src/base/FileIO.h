#pragma once
// Whole-file reading and writing with clear messages; a write never destroys the old file.

class TDeferredSync;

#include <string>
#include <string_view>
#include <vector>

// The file's bytes; raises TError naming the file and the system's reason when it cannot be
// read.
std::string ReadWholeFile(const std::string& fileName);

// Writes the content to a temporary file beside the target and renames it over the target, so
// a failed write leaves the previous file as it was. Raises TError on failure. With later
// given, the file is forced to disk by later's Finish instead of before the rename.
void WriteFileReplacing(const std::string& fileName, const std::string& content,
                        TDeferredSync* later = nullptr);

// The same with the content in pieces, written one after another straight from where they lie
// (a picture's rows, say), so no copy of the whole file is made first.
void WriteFileReplacing(const std::string& fileName, const std::vector<std::string_view>& pieces,
                        TDeferredSync* later = nullptr);

#pragma once
// Whole-file text input and output for the exchange files: lines split at CR, LF or CR LF, and
// replacement of a file through a temporary file beside it.

#include <string>
#include <vector>

// The file's lines without their line ends; raises TError naming the file when it cannot be
// opened or read.
std::vector<std::string> ReadTextLines(const std::string& fileName);

// Writes the text to a temporary file in the target's folder and renames it over the target,
// so a failed write never leaves a half-written target behind.
void ReplaceFile(const std::string& fileName, const std::string& text);

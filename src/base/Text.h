#pragma once
// Text helpers shared by the readers: locale-free integer parsing, trimming, case folding, line
// splitting.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Decimal integer with an optional leading '-' or '+'; anything else, or a value beyond 32 bits,
// raises TError("'text' is not a valid integer value").
int32_t StrToInt(std::string_view text);

std::string Trim(std::string_view text);
// The text after the first count blank-separated words, trimmed: a file name with blanks.
std::string TextAfterWords(std::string_view line, int count);
std::string LowerCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

// The lines of a text ended by CR LF, LF or CR, mixed as they come.
std::vector<std::string> SplitLines(std::string_view text);

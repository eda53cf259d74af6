#pragma once
// Numbers as the C library's "%.Ng" writes them, with '.' whatever the locale, for the texts
// handed to external programs.

#include <string>

// The shortest general form with up to `significant` significant digits.
std::string GeneralNumber(double value, int significant = 15);

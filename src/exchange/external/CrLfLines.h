#pragma once
// Text files for programs that expect DOS line ends.

#include <string>
#include <vector>

// The lines, each followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

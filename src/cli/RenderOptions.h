#pragma once
// Values of the render command's options: integer lists, sizes and colours, each rejected with
// a message that names the option.

#include "cli/CliCommand.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The option's value as count integers separated by sep; nullopt when the option is absent.
std::optional<std::vector<int32_t>> IntListOption(const TCliArgs& args, const std::string& name,
                                                  size_t count, char sep);

// The option's single integer within lowest..highest; fallback when absent.
int32_t IntOption(const TCliArgs& args, const std::string& name, int32_t fallback,
                  int32_t lowest = INT32_MIN, int32_t highest = INT32_MAX);

// The option's value as a colour from hex red-green-blue (RRGGBB); fallback when absent.
uint32_t HexColourOption(const TCliArgs& args, const std::string& name, uint32_t fallback);

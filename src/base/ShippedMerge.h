#pragma once
// Bringing a newer shipped version into a file the user (or the program on the user's behalf)
// has changed: base is the version shipped before, mine the user's, theirs the newer shipped
// one. Each returns the merged text, or nothing when both sides changed the same thing.

#include <optional>
#include <string>

// The settings: the palette pages go as one unit, every other key on its own.
std::optional<std::string> MergeSettings(const std::string& base, const std::string& mine,
                                         const std::string& theirs);

// The mapping table: rows the user added are kept after the newer shipped rows; a shipped row
// the user changed or removed stops the merge.
std::optional<std::string> MergeMappingRows(const std::string& base, const std::string& mine,
                                            const std::string& theirs);

// Picks the merge for a file of the data folder by its relative name; other files never merge.
std::optional<std::string> MergeShipped(const std::string& name, const std::string& base,
                                        const std::string& mine, const std::string& theirs);

#pragma once
// The user's own data folder of an installed program, kept up to date with the installed data:
// missing files are copied, files the user has not changed take the newer shipped version, and
// a file the user changed is never overwritten; its newer shipped version is offered beside it
// as NAME.new. The versions last shipped are kept in the hidden folder ".shipped/" to tell the
// user's changes from the package's.

#include <string>
#include <vector>

struct TFillReport {
    std::vector<std::string> Offered; // names relative to the folder, written as NAME.new
};

// Both folders with a trailing '/'. Every write goes through a temporary file and a rename.
// Raises TError naming the file that cannot be read or written.
TFillReport FillUserFolder(const std::string& shippedDir, const std::string& userDir);

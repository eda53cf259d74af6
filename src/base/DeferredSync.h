#pragma once
// Files renamed into place without being forced to disk one by one: a command that writes many
// pictures forces them all together at its end, one wait instead of one per file.

#include <string>
#include <vector>

class TDeferredSync {
public:
    // Notes a complete file just renamed into place, for Finish to force to disk.
    void Add(const std::string& fileName);

    // Forces every noted file, then each of their folders, to disk and forgets them. Raises
    // TError naming the first file or folder that could not be written out.
    void Finish();

private:
    std::vector<std::string> Files;
};

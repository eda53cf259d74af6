#pragma once
// Checks of the file and part names typed for a new part, before anything is written.

#include <string>

// The part name as stored: the text before any '|'.
std::string TypedPartName(const std::string& part);

// Raises TError with a message the user can act on when the names cannot be stored: empty,
// blanks around them, a file name that leaves the parts folder, characters that would break a
// palette key or a section header, or the editor's own "template".
void CheckNewPartNames(const std::string& file, const std::string& part);

// True when a part of that name exists anywhere its own .tsp file would replace it: cached,
// in such a file, or as a section of the file or of any file in the parts folder.
bool PartNameTaken(const std::string& file, const std::string& part);

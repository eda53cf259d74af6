#pragma once
// The part-definition files in AppDir/parts: finding a part's file and section, reading and
// writing them as lists of lines.

#include <string>
#include <vector>

class TDeferredSync;
class TDrawClass;

using TLines = std::vector<std::string>;

// The lines of a text file, split at CR, LF or CR LF; raises TError when it cannot be read.
TLines LoadPartFileLines(const std::string& path);
// Writes the lines, each ended by CR LF, to a temporary file beside path and renames it over
// path, so a failed write leaves the old file as it was. With later given, the file is forced to
// disk by later's Finish.
void SavePartFileLines(const std::string& path, const TLines& lines,
                       TDeferredSync* later = nullptr);

// The path of a name in the parts folder ('\' accepted, letter case looked up when needed).
std::string PartFolderPath(const std::string& name);

// Loads Part.tsp when it exists (usedName = Part + ".tsp"), else File (usedName = File).
void FindPartFile(const std::string& file, const std::string& part, TLines& lines,
                  std::string& usedName);
// Leaves in lines only the key lines of the section of Part (a ".dat" ending cut off first).
void LoadPartSection(const std::string& file, std::string part, TLines& lines,
                     std::string& usedName);

// Replaces the definition's section in lines by its current state, at the end of the list.
void SaveToLines(TDrawClass& definition, TLines& lines);
// Writes every modified cached definition to its own PartName.tsp file.
void SaveModifiedDrawClasses();

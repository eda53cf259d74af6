#pragma once
// An LDraw parts library folder: finding part, sub-part and primitive files by name (any letter
// case, '\' or '/'), each file read and split into its commands once.

#include <map>
#include <memory>
#include <string>
#include <vector>

// One line of a library file that matters for drawing a part.
struct TLDrawCommand {
    enum TKind { SubFile, Edge, Triangle, Quad, Certify, NoCertify, Winding, InvertNext, Clip };
    TKind Kind = SubFile;
    int32_t Colour = 16; // a direct colour 0x2RRGGBB or 0x3RRGGBB keeps its number
    // SubFile: position then the 3x3 matrix by rows; Edge/Triangle/Quad: the points.
    double Numbers[12] = {};
    std::string File;       // SubFile only
    bool Clockwise = false; // Certify and Winding: the winding named, if any
    bool HasWinding = false;
    bool HasClip = false;
    bool ClipOn = true; // BFC CLIP (true) or NOCLIP (false) when HasClip
};

struct TLDrawLibraryFile {
    std::string Path; // as found on disk
    std::vector<TLDrawCommand> Commands;
};

// Splits one library line into a command; false for comments, optional lines and lines that
// do not convert (a damaged line is passed over, as LDraw viewers do).
bool ParseLDrawCommand(const std::string& line, TLDrawCommand& command);

class TLDrawLibrary {
public:
    explicit TLDrawLibrary(std::string folder);

    const std::string& Folder() const { return Root; }
    // True when the folder holds a "parts" folder (in any letter case).
    bool LooksLikeLibrary() const;
    // The file of a name as a part line gives it, looked up in parts/ and then p/ (so "s\x.dat"
    // is parts/s/x.dat and "48\x.dat" p/48/x.dat); empty when neither holds it.
    std::string FindFile(const std::string& name);
    // The file read and split; nullptr when it is not in the library. Raises TError when it
    // exists but cannot be read.
    const TLDrawLibraryFile* Load(const std::string& name);
    // A file of the library's root folder itself (the colour table), any letter case; empty
    // when absent.
    std::string RootFile(const std::string& name) const;

private:
    std::string Root;                         // with a trailing '/'
    std::map<std::string, std::string> Found; // lower-case name -> path or ""
    std::map<std::string, std::unique_ptr<TLDrawLibraryFile>> Files; // by path
};

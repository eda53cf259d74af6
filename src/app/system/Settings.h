#pragma once
// The program's settings as stored in "Tessaryn.ini": command line, tool paths, folders,
// palette pages and display options, with the reading of both page layouts.

#include <string>
#include <vector>

class TIniFile;

struct TCommandLine {
    std::string IniFileName;
    std::string StartFile;
};

// The settings file and the start model from the program's arguments (without argv[0]):
// -Iname, -I name, /i name select the settings file; other '-' options are ignored; every
// other argument is part of the model's name, joined by single spaces.
TCommandLine ReadIniName(const std::vector<std::string>& args, const std::string& appDir);

struct TPaletteSettings {
    std::string Title;
    int Height = 65;
    float Scale = 0.5f;
    std::vector<std::string> Bricks;
};

struct TSettings {
    int Version = 1;
    std::string LDrawLib, LDrawProg, LDrawTest, L2PCmd, L3PCmd, PovRayEng;
    std::string ModelDir, PictureDir;
    std::vector<TPaletteSettings> Pages;
    bool Hints = false;
    int StudQual = 0;
    int Details = 0;
    bool Shading = false;
    bool WfOnMouse = true;
    int BitDepth = 4;
    bool AllCores = true; // frames drawn on every core
};

// Reads every setting, with the defaults for missing keys; a version-1 file has its page
// sections read in the old layout (SaveSettings then rewrites them in the version-2 layout).
// The default converters run the tool in programDir (empty: appDir), which differs from appDir
// when the program is installed.
TSettings ReadSettings(const std::string& iniFileName, const std::string& appDir,
                       const std::string& programDir = {});

// Fills one page from a version-2 section; a height or scale that is not a number takes
// its default.
void ReadPageV2(const TIniFile& ini, const std::string& section, TPaletteSettings& page);
// Fills one page from the plain-text version-1 layout.
void ReadPageV1(const std::vector<std::string>& lines, const std::string& section,
                TPaletteSettings& page);

// Writes the whole settings in the version-2 layout: [Main], [State] and the page sections
// are replaced, other sections and pages beyond the count are kept. Raises TError when the file
// cannot be written.
void SaveSettings(const std::string& iniFileName, const TSettings& settings);

// The text as one word for /bin/sh, in single quotes.
std::string ShellQuoted(const std::string& text);

// "~" at the start of a path stands for the home folder.
std::string ExpandHome(const std::string& path);
// True when "LDraw this view" has a viewer to start: LDrawLib/LDrawProg is a file, LDrawProg is
// a command on the PATH, or else leocad is.
bool LDrawViewerFound(const std::string& ldrawLib, const std::string& ldrawProg);

// Locale-free decimal conversions for the page scales ("%5.2f" on writing).
bool ParseDecimal(const std::string& text, float& value);
std::string FormatScale(float scale);

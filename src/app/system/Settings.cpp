#include "app/system/Settings.h"

#include "app/system/IniFile.h"
#include "base/Error.h"
#include "base/Text.h"
#include "exchange/external/ViewerCall.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>

namespace {
std::string PageSection(size_t n) {
    return "Page" + std::to_string(n);
}

bool ParseInteger(const std::string& text, int& value) {
    try {
        value = StrToInt(Trim(text));
        return true;
    } catch (const TError&) {
        return false;
    }
}
} // namespace

TCommandLine ReadIniName(const std::vector<std::string>& args, const std::string& appDir) {
    TCommandLine result{appDir + "Tessaryn.ini", {}};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty())
            continue;
        // Absolute names begin with '/' here, so only a '/' argument that names no existing
        // file or folder can be an option; any other one is part of the model's name.
        bool slashOption = arg[0] == '/' && !std::filesystem::exists(arg);
        if (arg[0] == '-' || slashOption) {
            if (arg.size() >= 2 && (arg[1] == 'I' || arg[1] == 'i')) {
                if (arg.size() > 2)
                    result.IniFileName = arg.substr(2);
                else if (i + 1 < args.size())
                    result.IniFileName = args[++i];
                continue;
            }
            if (arg[0] == '-')
                continue;
        }
        result.StartFile += result.StartFile.empty() ? arg : " " + arg;
    }
    return result;
}

bool ParseDecimal(const std::string& text, float& value) {
    std::string t = Trim(text);
    const char* first = t.data();
    if (!t.empty() && t[0] == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, t.data() + t.size(), value);
    return ec == std::errc() && end == t.data() + t.size() && first != end;
}

std::string FormatScale(float scale) {
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, double(scale), std::chars_format::fixed, 2);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (text.size() < 5)
        text.insert(0, 5 - text.size(), ' ');
    return text;
}

void ReadPageV2(const TIniFile& ini, const std::string& section, TPaletteSettings& page) {
    page.Height = ini.ReadInteger(section, "Height", 65);
    if (!ParseDecimal(ini.ReadString(section, "Scale", "0.5"), page.Scale))
        page.Scale = 0.5f;
    int count = ini.ReadInteger(section, "Count", 0);
    for (int i = 0; i < count; ++i)
        page.Bricks.push_back(ini.ReadString(section, "Brick" + std::to_string(i), ""));
}

void ReadPageV1(const std::vector<std::string>& lines, const std::string& section,
                TPaletteSettings& page) {
    size_t i = 0;
    while (i < lines.size() && !SameText(Trim(lines[i]), "[" + section + "]"))
        ++i;
    if (++i >= lines.size())
        return;
    std::string sizes = Trim(lines[i]);
    size_t space = sizes.find(' ');
    if (!ParseInteger(sizes.substr(0, space), page.Height))
        page.Height = 65;
    if (space == std::string::npos || !ParseDecimal(sizes.substr(space + 1), page.Scale))
        page.Scale = 0.5f;
    for (++i; i < lines.size(); ++i) {
        std::string key = Trim(lines[i]);
        if (key.empty() || key[0] == '[')
            break;
        page.Bricks.push_back(key);
    }
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

TSettings ReadSettings(const std::string& iniFileName, const std::string& appDir,
                       const std::string& programDir) {
    TIniFile ini(iniFileName);
    TSettings s;
    s.Version = ini.ReadInteger("Main", "Version", 1);
    int pages = std::max(0, ini.ReadInteger("Main", "Pages", 0));
    // Pages of a layout this program does not know are left alone in the file, not emptied.
    if (s.Version != 1 && s.Version != 2)
        pages = 0;
    s.Pages.resize(pages);
    for (int n = 1; n <= pages; ++n) {
        TPaletteSettings& page = s.Pages[n - 1];
        if (s.Version == 1) {
            page.Title = ini.ReadString("Main", "Title" + std::to_string(n), PageSection(n));
            ReadPageV1(ini.Lines(), PageSection(n), page);
        } else {
            page.Title = ini.ReadString(PageSection(n), "Title", "");
            ReadPageV2(ini, PageSection(n), page);
        }
    }
    s.LDrawLib = ini.ReadString("Main", "LDrawLIB", "~/ldraw");
    s.LDrawProg = ini.ReadString("Main", "LDrawProg", "ldview");
    s.LDrawTest = ini.ReadString("Main", "LDrawTest", "models/test.dat");
    // Without L2P or L3P installed, both routes convert with the program's own tool.
    std::string converter =
        ShellQuoted((programDir.empty() ? appDir : programDir) + "tessaryn-cli") + " pov " +
        ShellQuoted(s.LDrawTest);
    s.L2PCmd = ini.ReadString("Main", "L2PCmd", converter + " -o test.inc");
    s.L3PCmd = ini.ReadString("Main", "L3PCmd", converter + " -o test.pov --scene");
    s.PovRayEng = ini.ReadString("Main", "PovRayEng", "povray");
    s.Hints = ini.ReadInteger("State", "Hints", 0) == 1;
    s.StudQual = ini.ReadInteger("State", "StudQual", 0);
    if (s.StudQual < 0 || s.StudQual > 3)
        s.StudQual = 0;
    s.Details = ini.ReadInteger("State", "Details", 0);
    if (s.Details < 0 || s.Details > 2)
        s.Details = 0;
    s.Shading = ini.ReadInteger("State", "Shading", 0) == 1;
    s.WfOnMouse = ini.ReadInteger("State", "WfOnMouse", 1) == 1;
    s.BitDepth = ini.ReadInteger("State", "BitDepth", 4);
    s.AllCores = ini.ReadInteger("State", "AllCores", 1) != 0;
    s.ModelDir = ini.ReadString("UserPaths", "Models", appDir + "Models");
    s.PictureDir = ini.ReadString("UserPaths", "Pictures", appDir + "Pict");
    return s;
}

void SaveSettings(const std::string& iniFileName, const TSettings& s) {
    // Sections are rewritten where they stand, so a file the user arranged keeps its order.
    TIniFile ini(iniFileName);
    ini.ClearSection("Main");
    ini.WriteInteger("Main", "Version", 2);
    ini.WriteInteger("Main", "Pages", int(s.Pages.size()));
    ini.WriteString("Main", "LDrawLib", s.LDrawLib);
    ini.WriteString("Main", "LDrawProg", s.LDrawProg);
    ini.WriteString("Main", "LDrawTest", s.LDrawTest);
    ini.WriteString("Main", "L2PCmd", s.L2PCmd);
    ini.WriteString("Main", "L3PCmd", s.L3PCmd);
    ini.WriteString("Main", "PovRayEng", s.PovRayEng);
    ini.WriteString("UserPaths", "Models", s.ModelDir);
    ini.WriteString("UserPaths", "Pictures", s.PictureDir);
    for (size_t n = 1; n <= s.Pages.size(); ++n) {
        const TPaletteSettings& page = s.Pages[n - 1];
        std::string section = PageSection(n);
        ini.ClearSection(section);
        ini.WriteString(section, "Title", page.Title);
        ini.WriteInteger(section, "Height", page.Height);
        ini.WriteString(section, "Scale", FormatScale(page.Scale));
        ini.WriteInteger(section, "Count", int(page.Bricks.size()));
        for (size_t i = 0; i < page.Bricks.size(); ++i)
            ini.WriteString(section, "Brick" + std::to_string(i), page.Bricks[i]);
    }
    ini.ClearSection("State");
    ini.WriteInteger("State", "Hints", s.Hints ? 1 : 0);
    ini.WriteInteger("State", "StudQual", s.StudQual);
    ini.WriteInteger("State", "Details", s.Details);
    ini.WriteInteger("State", "Shading", s.Shading ? 1 : 0);
    ini.WriteInteger("State", "WfOnMouse", s.WfOnMouse ? 1 : 0);
    ini.WriteInteger("State", "AllCores", s.AllCores ? 1 : 0);
    if (s.BitDepth >= 1 && s.BitDepth <= 5)
        ini.WriteInteger("State", "BitDepth", s.BitDepth);
    ini.UpdateFile();
}

std::string ExpandHome(const std::string& path) {
    const char* home = std::getenv("HOME");
    if (home && !path.empty() && path[0] == '~' && (path.size() == 1 || path[1] == '/'))
        return home + path.substr(1);
    return path;
}

bool LDrawViewerFound(const std::string& ldrawLib, const std::string& ldrawProg) {
    return FindViewer(ExpandHome(ldrawLib), ExpandHome(ldrawProg)).has_value();
}

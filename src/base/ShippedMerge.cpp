#include "base/ShippedMerge.h"

#include "base/Text.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {
std::vector<std::string> Rows(const std::string& text) {
    std::vector<std::string> rows;
    for (const std::string& line : SplitLines(text)) {
        std::string row = Trim(line);
        if (!row.empty() && row[0] != ';')
            rows.push_back(row);
    }
    return rows;
}

std::string LineEnd(const std::string& text) {
    return text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
}

// A settings file as written: sections of lines, each line with its key (lower case; empty for
// comments and blank lines). Lines before the first section go into a section without a name.
struct TIniLine {
    std::string Key;
    std::string Text;
};
struct TIniSection {
    std::string Name;
    std::vector<TIniLine> Lines;
};
using TIni = std::vector<TIniSection>;

TIni ParseIni(const std::string& text) {
    TIni ini(1);
    for (const std::string& line : SplitLines(text)) {
        std::string t = Trim(line);
        size_t close = t.find(']');
        if (t.size() >= 2 && t[0] == '[' && close != std::string::npos) {
            ini.push_back({Trim(t.substr(1, close - 1)), {}});
            continue;
        }
        size_t eq = t.find('=');
        std::string key = t.empty() || t[0] == ';' || eq == std::string::npos
                              ? std::string()
                              : LowerCase(Trim(t.substr(0, eq)));
        if (!key.empty() || !t.empty())
            ini.back().Lines.push_back({key, Trim(line)});
    }
    return ini;
}

std::string WriteIni(const TIni& ini, const std::string& eol) {
    std::string text;
    for (const TIniSection& section : ini) {
        if (section.Name.empty() && section.Lines.empty())
            continue;
        if (!text.empty())
            text += eol;
        if (!section.Name.empty())
            text += "[" + section.Name + "]" + eol;
        for (const TIniLine& line : section.Lines)
            text += line.Text + eol;
    }
    return text;
}

TIniSection* FindSection(TIni& ini, const std::string& name) {
    for (TIniSection& section : ini)
        if (SameText(section.Name, name))
            return &section;
    return nullptr;
}

std::optional<std::string> FindLine(TIni& ini, const std::string& section, const std::string& key) {
    if (TIniSection* found = FindSection(ini, section))
        for (const TIniLine& line : found->Lines)
            if (line.Key == key)
                return line.Text;
    return std::nullopt;
}

// Sets, adds or (with no text) removes the key's line.
void SetLine(TIni& ini, const std::string& section, const std::string& key,
             const std::optional<std::string>& text) {
    TIniSection* found = FindSection(ini, section);
    if (!found) {
        if (!text)
            return;
        ini.push_back({section, {}});
        found = &ini.back();
    }
    auto& lines = found->Lines;
    auto line =
        std::find_if(lines.begin(), lines.end(), [&](const TIniLine& l) { return l.Key == key; });
    if (line == lines.end()) {
        if (text)
            lines.push_back({key, *text});
    } else if (text) {
        line->Text = *text;
    } else {
        lines.erase(line);
    }
}

bool IsPageSection(const std::string& name) {
    return name.size() > 4 && SameText(name.substr(0, 4), "page") &&
           std::all_of(name.begin() + 4, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The palette pages as one comparable unit: the page count and every page section.
std::vector<std::string> Pages(TIni& ini) {
    std::vector<std::string> pages{FindLine(ini, "Main", "pages").value_or("")};
    for (const TIniSection& section : ini) {
        if (!IsPageSection(section.Name))
            continue;
        pages.push_back("[" + LowerCase(section.Name) + "]");
        for (const TIniLine& line : section.Lines)
            pages.push_back(line.Text);
    }
    return pages;
}

void TakePages(TIni& into, TIni& from) {
    std::erase_if(into, [](const TIniSection& section) { return IsPageSection(section.Name); });
    SetLine(into, "Main", "pages", FindLine(from, "Main", "pages"));
    for (const TIniSection& section : from)
        if (IsPageSection(section.Name))
            into.push_back(section);
}
} // namespace

std::optional<std::string> MergeMappingRows(const std::string& base, const std::string& mine,
                                            const std::string& theirs) {
    std::vector<std::string> baseRows = Rows(base);
    std::vector<std::string> mineRows = Rows(mine);
    std::vector<std::string> theirRows = Rows(theirs);
    if (theirRows == baseRows)
        return mine; // the newer table changed only its comments
    std::set<std::string> mineSet(mineRows.begin(), mineRows.end());
    for (const std::string& row : baseRows)
        if (!mineSet.count(row))
            return std::nullopt;
    std::set<std::string> known(baseRows.begin(), baseRows.end());
    known.insert(theirRows.begin(), theirRows.end());
    std::string eol = LineEnd(theirs);
    std::string merged = theirs;
    if (!merged.empty() && merged.back() != '\n')
        merged += eol;
    for (const std::string& row : mineRows)
        if (known.insert(row).second)
            merged += row + eol;
    return merged;
}

std::optional<std::string> MergeSettings(const std::string& base, const std::string& mine,
                                         const std::string& theirs) {
    TIni b = ParseIni(base), m = ParseIni(mine), t = ParseIni(theirs);
    TIni merged = m;
    std::vector<std::string> basePages = Pages(b), minePages = Pages(m), theirPages = Pages(t);
    if (minePages == basePages)
        TakePages(merged, t);
    else if (theirPages != basePages && theirPages != minePages)
        return std::nullopt;
    for (TIni* side : {&b, &t}) {
        for (const TIniSection& section : *side) {
            if (IsPageSection(section.Name))
                continue;
            for (const TIniLine& line : section.Lines) {
                if (line.Key.empty() || (SameText(section.Name, "Main") && line.Key == "pages"))
                    continue;
                auto was = FindLine(b, section.Name, line.Key);
                auto now = FindLine(t, section.Name, line.Key);
                auto own = FindLine(m, section.Name, line.Key);
                if (now == was || own == now)
                    continue;
                if (own != was)
                    return std::nullopt;
                SetLine(merged, section.Name, line.Key, now);
            }
        }
    }
    return WriteIni(merged, LineEnd(mine));
}

std::optional<std::string> MergeShipped(const std::string& name, const std::string& base,
                                        const std::string& mine, const std::string& theirs) {
    if (SameText(name, "Tessaryn.ini"))
        return MergeSettings(base, mine, theirs);
    if (SameText(name, "ts2ld.lst"))
        return MergeMappingRows(base, mine, theirs);
    return std::nullopt;
}

#include "exchange/ldraw/LDrawMap.h"

#include "base/FileIO.h"
#include "base/FileNames.h"
#include "base/Text.h"
#include "model/Block.h"
#include "model/GeneralBlock.h"
#include "model/ModelFile.h"

namespace {
const char* const MapFileName = "ts2ld.lst";

bool SizesMatch(const TLDrawRecord& r, const TBlock& brick) {
    int32_t a = brick.SY / 20, b = brick.SX / 20;
    return (a == r.SizeA && b == r.SizeB) || (a == r.SizeB && b == r.SizeA);
}

bool StudsMatch(const TLDrawRecord& r, const TBlock& brick) {
    return (r.HasStuds == 1) == brick.Studs;
}

void DefinitionNames(const TBlock& brick, std::string& file, std::string& part) {
    file.clear();
    part.clear();
    if (const auto* general = dynamic_cast<const TGeneralBlock*>(&brick)) {
        file = general->FileName();
        part = general->PartName();
    }
}
} // namespace

std::string TLDrawMap::FileName() const {
    return ResolveFileName((Folder.empty() ? AppDir() : Folder) + MapFileName);
}

void TLDrawMap::Load() {
    Rows.clear();
    IsLoaded = false;
    LoadedName = FileName();
    std::vector<std::string> lines = SplitLines(ReadWholeFile(LoadedName));
    std::vector<TLDrawEntry> rows;
    for (std::string& line : lines) {
        if (line.size() < 24 || line[0] == ';')
            continue;
        TLDrawEntry entry;
        entry.Record = ParseLDrawRecord(line);
        entry.Text = std::move(line);
        rows.push_back(std::move(entry));
    }
    Rows = std::move(rows);
    IsLoaded = true;
}

void TLDrawMap::Save() {
    if (!IsLoaded)
        return;
    std::string text;
    for (const TLDrawEntry& entry : Rows)
        text += entry.Text + "\r\n";
    WriteFileReplacing(LoadedName.empty() ? FileName() : LoadedName, text);
}

void TLDrawMap::Append(const TLDrawRecord& record) {
    Rows.push_back({FormatLDrawRecord(record), record});
    Save();
}

TLDrawMap::TMatch TLDrawMap::Match(const TBlock& brick) const {
    TMatch match;
    if (!brick.PartID.empty()) {
        for (const TLDrawEntry& entry : Rows) {
            const TLDrawRecord& r = entry.Record;
            if (SameText(r.PartName, brick.PartID) && r.Variant == brick.Variant &&
                SizesMatch(r, brick) && StudsMatch(r, brick)) {
                match.Found = &r;
                break;
            }
        }
        // Row tokens cannot hold blanks: such an identity would be written as a row that reads
        // back shifted, so it gets none.
        match.NewWanted = match.Found == nullptr && brick.PartID.find(' ') == std::string::npos;
    }
    std::string defFile, defPart;
    DefinitionNames(brick, defFile, defPart);
    if (!match.Found) {
        for (const TLDrawEntry& entry : Rows) {
            const TLDrawRecord& r = entry.Record;
            if (r.Kind != brick.Kind || !StudsMatch(r, brick) || r.Plates != brick.SZ / 8 ||
                r.Variant != brick.Variant)
                continue;
            if (brick.Kind == 'G') {
                if (SameText(r.DefFile, defFile) && SameText(r.DefPart, defPart)) {
                    match.Found = &r;
                    break;
                }
            } else if (SizesMatch(r, brick)) {
                match.Found = &r;
                match.NewWanted = false;
                break;
            }
        }
    }
    return match;
}

std::string TLDrawMap::PartNameFor(const TBlock& brick) const {
    TMatch match = Match(brick);
    if (match.NewWanted)
        return brick.PartID;
    return match.Found ? match.Found->PartName : std::string();
}

bool TLDrawMap::FindLDrawRecord(TBlock& brick, TLDrawOffsets& offsets) {
    auto [found, newWanted] = Match(brick);
    std::string defFile, defPart;
    DefinitionNames(brick, defFile, defPart);
    if (newWanted) {
        TLDrawRecord added;
        if (found) {
            added = *found;
        } else {
            added.Kind = brick.Kind;
            added.SizeA = brick.SY / 20;
            added.SizeB = brick.SX / 20;
            added.Plates = brick.SZ / 8;
            added.HasStuds = brick.Studs ? 1 : 0;
            added.LDrawColour = 16;
        }
        added.PartName = brick.PartID;
        added.Variant = brick.Variant;
        added.DefFile = brick.Kind == 'G' ? defFile : "";
        added.DefPart = brick.Kind == 'G' ? defPart : "";
        Append(added);
        found = &Rows.back().Record;
    }
    if (!found)
        return false;
    offsets = {found->xOffset, found->yOffset, found->zOffset, found->RotOffset};
    brick.PartID = found->PartName;
    return true;
}

TLDrawMap& LDrawMap() {
    static TLDrawMap map;
    return map;
}

void LoadLDrawMap() {
    LDrawMap().Load();
}

void SaveLDrawMap() {
    LDrawMap().Save();
}

#include "exchange/ldraw/LDrawRowEditor.h"

#include "base/Error.h"
#include "base/Text.h"

TLDrawEntry* TLDrawRowEditor::Find(const std::string& partName) {
    for (TLDrawEntry& entry : Map.Entries())
        if (SameText(entry.Record.PartName, partName))
            return &entry;
    return nullptr;
}

std::optional<TLDrawOffsets> TLDrawRowEditor::Lookup(const std::string& partName) {
    Remembered.reset();
    if (!Map.Loaded()) {
        if (LoadFailed)
            return std::nullopt;
        try {
            Map.Load();
        } catch (...) {
            LoadFailed = true;
            throw;
        }
    }
    if (const TLDrawEntry* entry = Find(partName)) {
        const TLDrawRecord& r = entry->Record;
        Remembered = TLDrawOffsets{r.xOffset, r.yOffset, r.zOffset, r.RotOffset};
    }
    return Remembered;
}

bool TLDrawRowEditor::Update(const std::string& partName, const TLDrawOffsets& values) {
    if (!Remembered || !Map.Loaded())
        return false;
    if (values.RotOffset < 0 || values.RotOffset > 7)
        throw TError("RotOffset must lie between 0 and 7");
    TLDrawEntry* entry = Find(partName);
    if (!entry)
        return false;
    TLDrawRecord changed = entry->Record;
    changed.xOffset = values.xOffset;
    changed.yOffset = values.yOffset;
    changed.zOffset = values.zOffset;
    changed.RotOffset = values.RotOffset;
    TLDrawEntry before = *entry;
    entry->Record = changed;
    entry->Text = FormatLDrawRecord(changed);
    try {
        Map.Save();
    } catch (...) {
        *entry = before; // the table in memory keeps matching the file
        throw;
    }
    Remembered = values;
    return true;
}

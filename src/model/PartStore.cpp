#include "model/PartStore.h"

#include "base/Error.h"
#include "model/BlockList.h"
#include "parts/DrawClass.h"
#include "parts/PartCache.h"
#include "parts/PartFile.h"

#include <memory>

TDrawClass& StorePartDefinition(TDrawClass& definition) {
    const std::string& part = definition.PartName;
    if (part.empty() || part.find_first_of("/\\") != std::string::npos ||
        part.find("..") != std::string::npos)
        throw TError("The part name \"" + part + "\" cannot name a file in the parts folder.");
    TLines lines;
    SaveToLines(definition, lines);
    try {
        SavePartFileLines(PartFolderPath(definition.PartName + ".tsp"), lines);
    } catch (...) {
        definition.Modified = true;
        throw;
    }
    if (TDrawClass* cached = FindDrawClass(definition.FileName, definition.PartName)) {
        cached->Assign(definition);
        return *cached;
    }
    return RegisterDrawClass(std::make_unique<TDrawClass>(definition));
}

bool RebindGeneralBlocks(TBlockList& list, const TDrawClass& definition) {
    bool found = false;
    for (int i = 0; i < list.Count(); ++i) {
        TBlock& brick = list[i];
        if (brick.Definition != &definition)
            continue;
        brick.SetDefinition(definition.FileName, definition.PartName);
        found = true;
    }
    return found;
}

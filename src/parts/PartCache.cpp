#include "parts/PartCache.h"

#include "base/Text.h"
#include "parts/DrawClass.h"

#include <map>

namespace {
struct TPartCache {
    std::vector<std::unique_ptr<TDrawClass>> Definitions;
    std::map<std::string, TDrawClass*> ByKey;
};

TPartCache& Cache() {
    static TPartCache cache;
    return cache;
}

std::string KeyOf(const std::string& file, const std::string& part) {
    return LowerCase(file + ":" + part);
}

TDrawClass& Add(const std::string& key, std::unique_ptr<TDrawClass> definition) {
    TPartCache& cache = Cache();
    TDrawClass& added = *definition;
    cache.Definitions.push_back(std::move(definition));
    cache.ByKey.emplace(key, &added);
    return added;
}
} // namespace

TDrawClass* FindDrawClass(const std::string& file, const std::string& part) {
    auto it = Cache().ByKey.find(KeyOf(file, part));
    return it == Cache().ByKey.end() ? nullptr : it->second;
}

TDrawClass& GetDrawClass(const std::string& file, const std::string& part) {
    if (TDrawClass* found = FindDrawClass(file, part))
        return *found;
    return Add(KeyOf(file, part), std::make_unique<TDrawClass>(file, part));
}

TDrawClass& RegisterDrawClass(std::unique_ptr<TDrawClass> definition) {
    if (TDrawClass* found = FindDrawClass(definition->FileName, definition->PartName))
        return *found;
    std::string key = KeyOf(definition->FileName, definition->PartName);
    return Add(key, std::move(definition));
}

std::vector<TDrawClass*> CachedDrawClasses() {
    std::vector<TDrawClass*> all;
    for (const auto& definition : Cache().Definitions)
        all.push_back(definition.get());
    return all;
}

void ClearDrawClasses() {
    Cache().ByKey.clear();
    Cache().Definitions.clear();
}

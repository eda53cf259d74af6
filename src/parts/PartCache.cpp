#include "parts/PartCache.h"

#include "model/Error.h"
#include "parts/DrawClass.h"

TDrawClass& GetDrawClass(const std::string& file, const std::string& part) {
    throw TError("Could not find part/file " + part + "/" + file);
}

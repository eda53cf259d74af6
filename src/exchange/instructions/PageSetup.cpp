#include "base/Error.h"
#include "base/Text.h"
#include "exchange/instructions/InstructionBook.h"

#include <utility>

TPageSetup PageSetupFor(const std::string& paper, bool landscape) {
    TPageSetup setup;
    if (SameText(paper, "Letter")) {
        setup.Width = 612;
        setup.Height = 792;
    } else if (!SameText(paper, "A4")) {
        throw TError("the page must be A4 or Letter, not \"" + paper + "\"");
    }
    if (landscape)
        std::swap(setup.Width, setup.Height);
    return setup;
}

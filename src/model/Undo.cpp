// Undo and redo of TBlockList: the logs hold brick text forms, never references, so a brick is
// found again by comparing its current text form with the stored one.

#include "base/Error.h"
#include "model/BlockList.h"

namespace {
// Removes and frees the first brick whose text form matches; a brick changed since the entry
// was made is not found and nothing is removed.
void RemoveMatching(TBlockList& list, const std::string& text) {
    int i = list.IndexOfText(text);
    if (i >= 0)
        list.Delete(i);
}

char CommandOf(const std::string& entry) {
    return entry.empty() ? '\0' : entry[0];
}

std::string TextOf(const std::string& entry) {
    return entry.size() > 2 ? entry.substr(2) : std::string();
}
} // namespace

void TBlockList::RecordCommand(char command, const TBlock& brick) {
    UndoLog.push_front(std::string(1, command) + ":" + brick.SaveToString());
    RedoLog.clear();
}

void TBlockList::Undo() {
    while (!UndoLog.empty()) {
        std::string entry = std::move(UndoLog.front());
        UndoLog.pop_front();
        char command = CommandOf(entry);
        switch (command) {
        case '+':
        case ']':
            RemoveMatching(*this, TextOf(entry));
            break;
        case '-':
        case '[':
            InsertSorted(CreateFromString(TextOf(entry)));
            break;
        default:
            throw TError("Illegal Undo Command: " + entry);
        }
        RedoLog.push_front(std::move(entry));
        // The "]" half of an in-place change is undone together with its "[" below it.
        if (command != ']')
            return;
    }
}

void TBlockList::Redo() {
    while (!RedoLog.empty()) {
        std::string entry = std::move(RedoLog.front());
        RedoLog.pop_front();
        char command = CommandOf(entry);
        switch (command) {
        case '+':
        case ']':
            InsertSorted(CreateFromString(TextOf(entry)));
            break;
        case '-':
        case '[':
            RemoveMatching(*this, TextOf(entry));
            break;
        default:
            throw TError("Illegal Redo Command: " + entry);
        }
        UndoLog.push_front(std::move(entry));
        if (command != '[')
            return;
    }
}

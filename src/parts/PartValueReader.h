#pragma once
// A cursor over the value of a part-file key: integers and names between separators.

#include <cstdint>
#include <string>
#include <utility>

class TPartValueReader {
public:
    explicit TPartValueReader(std::string value) : Text(std::move(value)) {}

    // Skips tabs, blanks, ',' and ';', then reads an optional '-' and its digits. Nothing read
    // gives 0 and leaves the cursor; a lone '-' or a number beyond 32 bits raises TError.
    int32_t Number();
    // The character at the cursor without skipping anything; '\0' at the end.
    char Peek() const { return Pos < Text.size() ? Text[Pos] : '\0'; }
    // Skips separators as Number does, then takes everything up to the next ','.
    std::string Token();
    // True when the last Number read nothing; the ones after it would read nothing either.
    bool Stuck() const { return LastEmpty; }

private:
    void SkipSeparators();

    std::string Text;
    size_t Pos = 0;
    bool LastEmpty = false;
};

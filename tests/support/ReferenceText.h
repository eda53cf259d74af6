#pragma once
// A whole text output compared with its reference file under tests/data/, so one table row pins
// a whole written file. A missing reference, or TESSARYN_WRITE_REFERENCES=1 in the environment,
// writes the reference instead; a missing one also fails the test, so a new case is looked at.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

// The line of text that holds byte at, or a mark when the text ends before it.
inline std::string LineHolding(const std::string& text, size_t at) {
    if (at >= text.size())
        return "(end of text)";
    size_t begin = at == 0 ? 0 : text.rfind('\n', at - 1);
    begin = begin == std::string::npos || at == 0 ? 0 : begin + 1;
    size_t end = text.find('\n', at);
    return text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

inline void ExpectReferenceText(const std::string& name, const std::string& actual) {
    const std::string path = std::string(TESSARYN_TEST_DATA) + name;
    const char* rewrite = std::getenv("TESSARYN_WRITE_REFERENCES");
    const bool missing = !std::filesystem::exists(path);
    if (missing || (rewrite && std::string(rewrite) == "1")) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << actual;
        if (missing)
            ADD_FAILURE() << name << ": there was no reference; wrote it from this run";
        return;
    }
    std::ifstream in(path, std::ios::binary);
    const std::string expected(std::istreambuf_iterator<char>(in), {});
    if (expected == actual)
        return;
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    const auto line = 1 + std::count(expected.begin(), expected.begin() + std::ptrdiff_t(at), '\n');
    ADD_FAILURE() << name << ": differs from the reference at byte " << at << ", line " << line
                  << "\n  reference: " << LineHolding(expected, at)
                  << "\n  got:       " << LineHolding(actual, at);
}

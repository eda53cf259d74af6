#pragma once
// PATH set for one test and put back after it, so that the programs installed on the machine
// do not decide what a test finds.

#include <cstdlib>
#include <string>

class TScopedPath {
public:
    explicit TScopedPath(const std::string& path)
        : Old(std::getenv("PATH") ? std::getenv("PATH") : "") {
        setenv("PATH", path.c_str(), 1);
    }
    ~TScopedPath() { setenv("PATH", Old.c_str(), 1); }
    TScopedPath(const TScopedPath&) = delete;
    TScopedPath& operator=(const TScopedPath&) = delete;

private:
    std::string Old;
};

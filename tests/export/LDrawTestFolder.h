#pragma once
// A throw-away folder holding a mapping table, for the LDraw tests.

#include "exchange/LDrawMap.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

class TLDrawTestFolder {
public:
    TLDrawTestFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessaryn-ldraw-XXXXXX");
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        Path = pattern + "/";
    }
    ~TLDrawTestFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }

    // Writes a file in the folder; the text is taken as it stands (line ends included).
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path + name, std::ios::binary) << text;
        return Path + name;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Path + name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // A table of the given rows, each ended by CR LF.
    void WriteMap(std::initializer_list<std::string> rows) const {
        std::string text;
        for (const std::string& row : rows)
            text += row + "\r\n";
        Write("ts2ld.lst", text);
    }

    std::string Path;
};

#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of a test.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class TTempFolder {
public:
    TTempFolder() {
        std::random_device random;
        Path = std::filesystem::temp_directory_path() /
               ("tessaryn-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(Path);
    }
    ~TTempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    // The folder's name with a trailing '/', as the program's folder settings take it.
    std::string Dir() const { return Path.string() + "/"; }
    std::string File(const std::string& name) const { return (Path / name).string(); }

    // Writes the bytes as they are (no line-end translation) and returns the file's path.
    std::string Write(const std::string& name, const std::string& content) const {
        std::filesystem::create_directories((Path / name).parent_path());
        std::ofstream(File(name), std::ios::binary) << content;
        return File(name);
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path Path;
};

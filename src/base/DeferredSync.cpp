#include "base/DeferredSync.h"

#include "base/Error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

// Starts writing the file's data out without waiting, so that the disk sees all files at once
// and the forcing that follows finds little left to do. Only a hint: failures show later.
void StartWriteBack(const std::string& name) {
    const int file = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return;
    sync_file_range(file, 0, 0, SYNC_FILE_RANGE_WRITE);
    close(file);
}

// Opens the file or folder and forces its content and metadata to disk; a failure's reason.
int ForceToDisk(const std::string& name, int flags) {
    const int file = open(name.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (file < 0)
        return errno;
    int error = fsync(file) == 0 ? 0 : errno;
    if (close(file) != 0 && error == 0)
        error = errno;
    return error;
}

[[noreturn]] void Fail(const char* what, const std::string& name, int error) {
    throw TError(std::string(what) + " \"" + name + "\": " + std::strerror(error));
}

} // namespace

void TDeferredSync::Add(const std::string& fileName) {
    Files.push_back(fileName);
}

void TDeferredSync::Finish() {
    std::vector<std::string> files;
    files.swap(Files);
    // A file written twice is forced once.
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    for (const std::string& name : files)
        StartWriteBack(name);
    std::vector<std::string> folders;
    for (const std::string& name : files) {
        if (int error = ForceToDisk(name, 0))
            Fail("Cannot write file", name, error);
        const std::string folder = std::filesystem::path(name).parent_path().string();
        folders.push_back(folder.empty() ? "." : folder);
    }
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    // The renames live in the folders: without this a crash could lose the new names.
    for (const std::string& folder : folders)
        if (int error = ForceToDisk(folder, O_DIRECTORY))
            Fail("Cannot write folder", folder, error);
}

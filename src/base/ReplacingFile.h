#pragma once
// A file written through a temporary file beside it and renamed over it once complete, so a
// failed or abandoned write leaves the previous file as it was.

class TDeferredSync;

#include <string>
#include <string_view>
#include <vector>

class TReplacingFile {
public:
    explicit TReplacingFile(std::string fileName);
    // Removes the temporary file unless Commit renamed it.
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    // Appends the pieces, straight from where they lie; the temporary file is made by the first
    // call. A failure is told, not raised, so that a C library's callback may write: false, after
    // which every write fails and Fail reports the first failure.
    bool Write(const std::vector<std::string_view>& pieces);
    bool Write(std::string_view bytes);
    bool Failed() const { return !Failure.empty(); }
    // Raises TError naming the file and the reason of the failure Write told.
    [[noreturn]] void Fail() const;

    // Makes the written file (an empty one if nothing was written) durable and renames it over
    // the target; with later given, renames it at once and leaves forcing it to disk to
    // later's Finish. Raises TError on failure.
    void Commit(TDeferredSync* later = nullptr);

private:
    bool Open();
    bool Record(const char* what, int error);

    std::string FileName, Temporary;
    int Descriptor = -1;
    bool Created = false;
    std::string Failure; // the first failure's message, empty while all went well
};

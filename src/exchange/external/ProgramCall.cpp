#include "exchange/external/ProgramCall.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

std::vector<std::string> CommandWords(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (size_t i = 0; i < commandLine.size(); ++i) {
        char c = commandLine[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            size_t end = commandLine.find('\'', i + 1);
            if (end == std::string::npos)
                end = commandLine.size();
            word += commandLine.substr(i + 1, end - i - 1);
            i = end;
        } else if (c == '"') {
            for (++i; i < commandLine.size() && commandLine[i] != '"'; ++i) {
                if (commandLine[i] == '\\' && i + 1 < commandLine.size() &&
                    std::string_view("\\\"$`").find(commandLine[i + 1]) != std::string::npos)
                    ++i;
                word += commandLine[i];
            }
        } else if (c == '\\' && i + 1 < commandLine.size()) {
            word += commandLine[++i];
        } else {
            word += c;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::string CommandText(const TProgramCall& call) {
    std::string text = call.Program;
    for (const std::string& argument : call.Arguments)
        text += " " + argument;
    return text;
}

std::string FindOnPath(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos)
        return {};
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    std::error_code ec;
    for (size_t start = 0; start <= folders.size();) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        std::string folder = folders.substr(start, end - start);
        std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (std::filesystem::is_regular_file(candidate, ec) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

#include "exchange/ldraw/shapes/LDrawLibrary.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileNames.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawPartLine.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {
// Only plain names below the library: a part file must not reach outside it.
bool IsSafeName(const std::string& name) {
    fs::path path(name);
    if (name.empty() || path.is_absolute())
        return false;
    for (const fs::path& piece : path)
        if (piece == "..")
            return false;
    return true;
}

int32_t ColourNumber(const std::string& token) {
    return ParseLDrawColourCode(token, true).Number;
}

bool ParseMeta(const std::vector<std::string>& tokens, TLDrawCommand& command) {
    if (tokens.size() < 3 || !SameText(tokens[1], "BFC"))
        return false;
    bool certify = false, noCertify = false, invert = false, clip = false;
    for (size_t i = 2; i < tokens.size(); ++i) {
        const std::string& word = tokens[i];
        certify = certify || SameText(word, "CERTIFY");
        noCertify = noCertify || SameText(word, "NOCERTIFY");
        invert = invert || SameText(word, "INVERTNEXT");
        if (SameText(word, "CW") || SameText(word, "CCW")) {
            command.HasWinding = true;
            command.Clockwise = SameText(word, "CW");
        }
        if (SameText(word, "CLIP") || SameText(word, "NOCLIP")) {
            clip = true;
            command.ClipOn = SameText(word, "CLIP");
        }
    }
    if (noCertify)
        command.Kind = TLDrawCommand::NoCertify;
    else if (certify)
        command.Kind = TLDrawCommand::Certify;
    else if (invert)
        command.Kind = TLDrawCommand::InvertNext;
    else if (command.HasWinding)
        command.Kind = TLDrawCommand::Winding;
    else if (clip)
        command.Kind = TLDrawCommand::Clip;
    else
        return false;
    command.HasClip = clip;
    return true;
}
} // namespace

bool ParseLDrawCommand(const std::string& line, TLDrawCommand& command) {
    std::vector<std::string> tokens = SplitCommaText(line);
    if (tokens.empty())
        return false;
    command = TLDrawCommand();
    try {
        if (tokens[0] == "0") {
            return ParseMeta(tokens, command);
        }
        static const std::map<std::string, std::pair<TLDrawCommand::TKind, size_t>> shapes = {
            {"1", {TLDrawCommand::SubFile, 12}},
            {"2", {TLDrawCommand::Edge, 6}},
            {"3", {TLDrawCommand::Triangle, 9}},
            {"4", {TLDrawCommand::Quad, 12}}};
        auto shape = shapes.find(tokens[0]);
        if (shape == shapes.end() || tokens.size() < 2 + shape->second.second)
            return false;
        command.Kind = shape->second.first;
        size_t count = shape->second.second;
        command.Colour = ColourNumber(tokens[1]);
        for (size_t i = 0; i < count; ++i)
            command.Numbers[i] = ParseLDrawNumber(tokens[2 + i]);
        if (command.Kind == TLDrawCommand::SubFile) {
            command.File = TextAfterWords(line, 14);
            return !command.File.empty();
        }
        return true;
    } catch (const TError&) {
        return false;
    }
}

TLDrawLibrary::TLDrawLibrary(std::string folder) : Root(std::move(folder)) {
    if (!Root.empty() && Root.back() != '/')
        Root += '/';
}

bool TLDrawLibrary::LooksLikeLibrary() const {
    std::error_code ec;
    return fs::is_directory(ResolveFileName(Root + "parts"), ec);
}

std::string TLDrawLibrary::FindFile(const std::string& name) {
    std::string wanted = LowerCase(NormaliseSeparators(Trim(name)));
    auto [slot, isNew] = Found.try_emplace(wanted);
    if (!isNew)
        return slot->second;
    if (!IsSafeName(wanted))
        return slot->second;
    for (const char* folder : {"parts/", "p/"}) {
        std::string path = ResolveFileName(Root + folder + wanted);
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) {
            slot->second = path;
            break;
        }
    }
    return slot->second;
}

const TLDrawLibraryFile* TLDrawLibrary::Load(const std::string& name) {
    std::string path = FindFile(name);
    if (path.empty())
        return nullptr;
    auto& slot = Files[path];
    if (!slot) {
        auto file = std::make_unique<TLDrawLibraryFile>();
        file->Path = path;
        TLDrawCommand command;
        for (const std::string& line : SplitLines(ReadWholeFile(path)))
            if (ParseLDrawCommand(line, command))
                file->Commands.push_back(command);
        slot = std::move(file);
    }
    return slot.get();
}

std::string TLDrawLibrary::RootFile(const std::string& name) const {
    std::string path = ResolveFileName(Root + name);
    std::error_code ec;
    return fs::is_regular_file(path, ec) ? path : std::string();
}

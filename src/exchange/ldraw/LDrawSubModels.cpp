#include "exchange/ldraw/LDrawSubModels.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileNames.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"
#include "model/Block.h"
#include "model/ModelFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace {
struct TSection {
    std::string Name;
    std::vector<std::string> Lines;
};

// One file read: its sections, the first being the model itself.
struct TDocument {
    std::string Path;
    std::string Canonical; // the path that tells two names of one file apart from two files
    std::string Folder;
    std::vector<TSection> Sections;
    // Section by its name in lower case with '/' separators; the first of a name wins.
    std::map<std::string, size_t> Index;

    static std::string KeyOf(const std::string& name) {
        return LowerCase(NormaliseSeparators(name));
    }

    void BuildIndex() {
        Index.clear();
        for (size_t i = 0; i < Sections.size(); ++i)
            Index.emplace(KeyOf(Sections[i].Name), i);
    }

    const TSection* Find(const std::string& name) const {
        auto it = Index.find(KeyOf(name));
        return it == Index.end() ? nullptr : &Sections[it->second];
    }
};

// "0 KEYWORD ..." with the keyword in any letter case.
bool IsMeta(const std::vector<std::string>& tokens, std::string_view keyword) {
    return tokens.size() >= 2 && tokens[0] == "0" && SameText(tokens[1], keyword);
}

std::string FileOfPartLine(const std::string& line, const std::vector<std::string>& tokens) {
    return tokens.size() == 15 ? tokens[14] : TextAfterWords(line, 14);
}

// A ".dat" file without references to its own sections stays one flat model, as it always was.
bool RefersToSections(const TDocument& document) {
    for (const TSection& section : document.Sections)
        for (const std::string& line : section.Lines) {
            std::vector<std::string> tokens = SplitCommaText(line);
            if (tokens.size() >= 15 && tokens[0] == "1" &&
                document.Find(FileOfPartLine(line, tokens)))
                return true;
        }
    return false;
}

std::unique_ptr<TDocument> ReadDocument(const std::string& path) {
    auto document = std::make_unique<TDocument>();
    document->Path = path;
    document->Folder = fs::path(path).parent_path().string();
    if (!document->Folder.empty())
        document->Folder += '/';
    std::vector<std::string> lines = SplitLines(ReadWholeFile(path));
    const std::string name = fs::path(path).filename().string();
    document->Sections.push_back({name, {}});
    bool inSection = true, anyFile = false;
    for (const std::string& line : lines) {
        std::vector<std::string> tokens = SplitCommaText(line);
        if (IsMeta(tokens, "FILE")) {
            // Comments before the first section belong to no model.
            if (!anyFile)
                document->Sections.clear();
            document->Sections.push_back({TextAfterWords(line, 2), {}});
            inSection = anyFile = true;
        } else if (IsMeta(tokens, "NOFILE") || IsMeta(tokens, "!DATA")) {
            inSection = false;
        } else if (inSection) {
            document->Sections.back().Lines.push_back(line);
        }
    }
    document->BuildIndex();
    if (anyFile && LowerCase(path).find(".dat") != std::string::npos &&
        !RefersToSections(*document)) {
        document->Sections = {{name, {}}};
        document->Sections[0].Lines = lines;
        document->BuildIndex();
    }
    return document;
}

// Tyres that the wheel bricks draw themselves.
bool IsTyre(const std::string& file) {
    for (const char* tyre : {"3483.dat", "3641.dat", "6015.dat"})
        if (SameText(file, tyre))
            return true;
    return false;
}

// A part file's name without its ".dat", as an identity.
std::string LDrawPartStem(const std::string& file) {
    return EndsWithNoCase(file, ".dat") ? file.substr(0, file.size() - 4) : file;
}

// A tyre belongs to a wheel whose part lies within this many LDraw units along every axis.
constexpr double TyreReach = 10;

class TSubModelReader {
public:
    TSubModelReader(const TLDrawMap& map, const TBrickSink& add, TLDrawShapes* shapes)
        : Map(map), Add(add), Shapes(shapes) {
        Report.LibraryUsed = shapes != nullptr;
        Book = shapes ? &shapes->Colours() : nullptr;
    }

    TLDrawImportReport Read(const std::string& fileName) {
        // A ".dat" model reads as it always has, every brick in step 0.
        NumberSteps = EndsWithNoCase(fileName, ".ldr") || EndsWithNoCase(fileName, ".mpd");
        const TDocument& document = Document(fileName);
        const TSection& main = document.Sections.front();
        Chain.push_back({KeyOf(document, main), main.Name});
        Expand(document, main, TLDrawPartLine{}, 0, 0);
        for (const TLDrawPartLine& tyre : Tyres) {
            if (std::any_of(Wheels.begin(), Wheels.end(), [&](const TLDrawPartLine& wheel) {
                    for (int i = 0; i < 3; ++i)
                        if (std::fabs(wheel.Position[i] - tyre.Position[i]) > TyreReach)
                            return false;
                    // With a library a tyre the wheel does not write back is a part of its own.
                    const char* own = LDrawTyreOf(LDrawPartStem(wheel.File));
                    return !Shapes || (own && SameText(own, tyre.File));
                }))
                Report.CountTyreOfWheel();
            else if (!AsShape(tyre, 0))
                Report.CountSkipped(tyre.File, TLDrawSkip::NoRow);
        }
        if (Shapes) {
            Report.ShapesConverted = Shapes->Converted();
            Shapes->FinishStoring();
        }
        return Report;
    }

private:
    struct TLink {
        std::string Key, Name;
    };

    const TDocument& Document(const std::string& path) {
        std::error_code ec;
        std::string key = fs::weakly_canonical(path, ec).string();
        if (ec)
            key = path;
        auto& slot = Documents[key];
        if (!slot) {
            slot = ReadDocument(path);
            slot->Canonical = key;
        }
        return *slot;
    }

    static std::string KeyOf(const TDocument& document, const TSection& section) {
        return document.Canonical + "|" + TDocument::KeyOf(section.Name);
    }

    // The section a line names: one of the same file, else the model of a file beside it.
    std::pair<const TDocument*, const TSection*> SubModel(const TDocument& document,
                                                          const std::string& name) {
        if (const TSection* section = document.Find(name))
            return {&document, section};
        if (!EndsWithNoCase(name, ".ldr") && !EndsWithNoCase(name, ".dat"))
            return {nullptr, nullptr};
        // Only files in the model's folder or below it: a model names no files elsewhere.
        fs::path relative(NormaliseSeparators(name));
        if (relative.is_absolute() || std::any_of(relative.begin(), relative.end(),
                                                  [](const fs::path& p) { return p == ".."; }))
            return {nullptr, nullptr};
        // Looking for a file is slow and a sub-model may be used many times: remember each answer.
        std::string wanted = document.Folder + relative.string();
        auto [known, isNew] = BesideFiles.try_emplace(wanted, nullptr);
        if (isNew) {
            std::string path = ResolveFileName(wanted);
            if (FileExists(path))
                known->second = &Document(path);
        }
        if (!known->second)
            return {nullptr, nullptr};
        return {known->second, &known->second->Sections.front()};
    }

    void Expand(const TDocument& document, const TSection& section, const TLDrawPartLine& placement,
                int depth, int32_t step) {
        for (const std::string& line : section.Lines) {
            std::vector<std::string> tokens = SplitCommaText(line);
            if (NumberSteps && depth == 0 &&
                (IsMeta(tokens, "STEP") || IsMeta(tokens, "ROTSTEP"))) {
                Report.NumberedSteps = true;
                ++step;
                continue;
            }
            if (tokens.size() < 15 || tokens[0] != "1")
                continue;
            Count();
            TLDrawPartLine part;
            try {
                part = ParseLDrawPartNumbers(tokens, Shapes != nullptr);
            } catch (const TError& e) {
                // Only a 15-token line is a part line of the plain format, whose numbers must
                // convert; a longer one names a sub-model with blanks or nothing usable. With a
                // library, which opens any file, the damaged line alone is left out.
                if (tokens.size() == 15 && !Shapes)
                    throw;
                if (tokens.size() == 15)
                    Report.CountSkipped(tokens[14], TLDrawSkip::NoShape, e.what());
                continue;
            }
            part.File = FileOfPartLine(line, tokens);
            if (depth > 0)
                part = ComposePlacement(placement, part);
            TLDrawSkip reason = TLDrawSkip::NoRow;
            std::unique_ptr<TBlock> brick;
            try {
                if (tokens.size() == 15 && HasRow(part.File))
                    brick = ReadLDrawPart(part, Map, &reason, Book);
            } catch (const TError& e) {
                if (!Shapes)
                    throw;
                Report.CountSkipped(part.File, TLDrawSkip::NoShape, e.what());
                continue;
            }
            if (brick) {
                if (brick->Kind == 'O')
                    Wheels.push_back(part);
                brick->Step = step;
                Report.CountImported();
                Report.CountStep(step);
                Add(std::move(brick));
                continue;
            }
            if (reason == TLDrawSkip::NoRow) {
                if (auto [subDocument, subSection] = SubModel(document, part.File); subSection) {
                    if (!Enter(*subDocument, *subSection, depth, part.File))
                        continue;
                    Expand(*subDocument, *subSection, part, depth + 1, step);
                    Chain.pop_back();
                    continue;
                }
            }
            if (reason == TLDrawSkip::NoRow && IsTyre(part.File))
                Tyres.push_back(part);
            else if (!AsShape(part, step))
                Report.CountSkipped(part.File, reason);
        }
    }

    // The line as a brick of the part's own shape; false when there is no library. A part the
    // library cannot draw is counted as skipped with its reason.
    bool AsShape(const TLDrawPartLine& part, int32_t step) {
        if (!Shapes)
            return false;
        std::string error;
        if (Shapes->IsMissing(part.File)) {
            // Still named as not found, but kept as a marker so that nothing of the line is lost.
            if (std::unique_ptr<TBlock> marker = Shapes->MakeMarker(part, error)) {
                marker->Step = step;
                Report.CountStep(step);
                ++Report.Markers;
                Add(std::move(marker));
            }
            Report.CountSkipped(part.File, TLDrawSkip::NotInLibrary);
            return true;
        }
        std::unique_ptr<TBlock> brick = Shapes->MakeBrick(part, error);
        if (!brick) {
            Report.CountSkipped(part.File, TLDrawSkip::NoShape, error);
            return true;
        }
        brick->Step = step;
        Report.CountAsShape();
        Report.CountStep(step);
        Add(std::move(brick));
        return true;
    }

    // False when the sub-model loops or lies too deep: with a library that line alone is left
    // out, without one the import stops, as it always has.
    bool Enter(const TDocument& document, const TSection& section, int depth,
               const std::string& file) {
        TLink link{KeyOf(document, section), section.Name};
        bool loop = std::any_of(Chain.begin(), Chain.end(),
                                [&](const TLink& l) { return l.Key == link.Key; });
        Chain.push_back(link);
        std::string fault;
        if (loop) {
            std::string names;
            for (const TLink& l : Chain)
                names += (names.empty() ? "" : " -> ") + l.Name;
            fault = "The LDraw sub-models refer to each other in a loop: " + names;
        } else if (depth + 1 > MaxSubModelDepth) {
            fault = "The LDraw sub-model " + section.Name + " is nested deeper than " +
                    std::to_string(MaxSubModelDepth) + " levels";
        }
        if (fault.empty())
            return true;
        if (!Shapes)
            throw TError(fault);
        Chain.pop_back();
        Report.CountSkipped(file, TLDrawSkip::NoShape, fault);
        return false;
    }

    // Whether any mapping row names the file: a line without one, a sub-model's above all, need
    // not be held against every row, each time a multiplying model uses it.
    bool HasRow(const std::string& file) {
        auto [known, isNew] = FilesWithRows.try_emplace(LowerCase(file), false);
        if (isNew)
            known->second = std::any_of(Map.Entries().begin(), Map.Entries().end(),
                                        [&](const TLDrawEntry& entry) {
                                            return SameText(entry.Record.PartName + ".dat", file);
                                        });
        return known->second;
    }

    // Sub-models used many times each can multiply without a loop; the count of lines visited
    // keeps such a file from running for ever.
    void Count() {
        if (++PartLines > MaxExpandedPartLines)
            throw TError("The LDraw model expands to more than " +
                         std::to_string(MaxExpandedPartLines) + " parts");
    }

    const TLDrawMap& Map;
    const TBrickSink& Add;
    TLDrawShapes* Shapes;
    const TLDrawColourBook* Book;
    TLDrawImportReport Report;
    std::map<std::string, std::unique_ptr<TDocument>> Documents;
    std::map<std::string, const TDocument*> BesideFiles; // name wanted -> its file, or none
    std::map<std::string, bool> FilesWithRows;           // lower-case file -> has a row
    std::vector<TLink> Chain;
    bool NumberSteps = false;
    // Wheel parts imported and tyre lines met, matched once the whole model is read.
    std::vector<TLDrawPartLine> Wheels, Tyres;
    int PartLines = 0;
};
} // namespace

TLDrawImportReport ImportLDrawModel(const std::string& fileName, const TLDrawMap& map,
                                    const TBrickSink& add, TLDrawShapes* shapes) {
    return TSubModelReader(map, add, shapes).Read(fileName);
}

#include "exchange/ldraw/LDrawImportReport.h"

#include "base/Text.h"

#include <algorithm>

const char* LDrawSkipText(TLDrawSkip reason) {
    switch (reason) {
    case TLDrawSkip::NoRow:
        return "no mapping row";
    case TLDrawSkip::NotQuarterTurn:
        return "matrix not a quarter turn";
    case TLDrawSkip::NoBrick:
        return "brick could not be made";
    case TLDrawSkip::NotInLibrary:
        return "not found in the LDraw library";
    case TLDrawSkip::NoShape:
        return "could not be drawn from the LDraw library";
    default:
        return "imported";
    }
}

void TLDrawImportReport::CountSkipped(const std::string& file, TLDrawSkip reason,
                                      const std::string& detail) {
    ++Read;
    for (TLDrawSkippedPart& part : Parts) {
        if (part.Reason == reason && SameText(part.File, file) && part.Detail == detail) {
            ++part.Count;
            return;
        }
    }
    Parts.push_back({file, reason, 1, detail});
}

namespace {
std::string ReasonText(const TLDrawSkippedPart& part) {
    return part.Detail.empty() ? LDrawSkipText(part.Reason) : part.Detail;
}
} // namespace

void TLDrawImportReport::CountStep(int32_t step) {
    MaxStep = std::max(MaxStep, step);
}

std::vector<TLDrawSkippedPart> TLDrawImportReport::SkippedParts() const {
    std::vector<TLDrawSkippedPart> parts = Parts;
    std::stable_sort(parts.begin(), parts.end(), [](const auto& a, const auto& b) {
        if (a.Count != b.Count)
            return a.Count > b.Count;
        return LowerCase(a.File) < LowerCase(b.File);
    });
    return parts;
}

std::vector<std::string> FormatImportReport(const TLDrawImportReport& report) {
    std::vector<std::string> lines = {"part lines " + std::to_string(report.Read) + " imported " +
                                      std::to_string(report.Imported) + " skipped " +
                                      std::to_string(report.Skipped())};
    if (report.LibraryUsed)
        lines.push_back("as shapes " + std::to_string(report.AsShapes));
    if (report.Markers > 0)
        lines.push_back("kept as markers " + std::to_string(report.Markers) +
                        " (parts not in the library, written back on export)");
    if (report.TyresOfWheels > 0)
        lines.push_back("tyres " + std::to_string(report.TyresOfWheels) + " (with their wheels)");
    for (const TLDrawSkippedPart& part : report.SkippedParts())
        lines.push_back("skipped " + std::to_string(part.Count) + " " + part.File + " (" +
                        ReasonText(part) + ")");
    return lines;
}

std::string ImportReportMessage(const TLDrawImportReport& report, size_t shown) {
    std::string text = "Imported " + std::to_string(report.Imported) + " of " +
                       std::to_string(report.Read) + " LDraw parts; " +
                       std::to_string(report.Skipped()) + " were left out:\n";
    if (report.LibraryUsed)
        text = "Imported " + std::to_string(report.Imported) + " of " +
               std::to_string(report.Read) + " LDraw parts (as shapes " +
               std::to_string(report.AsShapes) + "); " + std::to_string(report.Skipped()) +
               " were left out:\n";
    std::vector<TLDrawSkippedPart> parts = report.SkippedParts();
    for (size_t i = 0; i < parts.size() && i < shown; ++i)
        text += "\n" + std::to_string(parts[i].Count) + " x " + parts[i].File + " (" +
                ReasonText(parts[i]) + ")";
    if (parts.size() > shown)
        text += "\nand " + std::to_string(parts.size() - shown) + " more";
    if (report.Markers > 0)
        text += "\n\n" + std::to_string(report.Markers) +
                " parts not in the library are kept as markers, written back on export.";
    return text;
}

std::vector<std::string> PartsALibraryWouldBring(const TLDrawImportReport& report) {
    std::vector<std::string> files;
    if (report.LibraryUsed)
        return files;
    for (const TLDrawSkippedPart& part : report.SkippedParts())
        if ((part.Reason == TLDrawSkip::NoRow || part.Reason == TLDrawSkip::NotQuarterTurn) &&
            std::none_of(files.begin(), files.end(),
                         [&](const std::string& f) { return SameText(f, part.File); }))
            files.push_back(part.File);
    return files;
}

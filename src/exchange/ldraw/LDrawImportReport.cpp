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
    default:
        return "imported";
    }
}

void TLDrawImportReport::CountSkipped(const std::string& file, TLDrawSkip reason) {
    ++Read;
    for (TLDrawSkippedPart& part : Parts) {
        if (part.Reason == reason && SameText(part.File, file)) {
            ++part.Count;
            return;
        }
    }
    Parts.push_back({file, reason, 1});
}

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
    if (report.TyresOfWheels > 0)
        lines.push_back("tyres " + std::to_string(report.TyresOfWheels) + " (with their wheels)");
    for (const TLDrawSkippedPart& part : report.SkippedParts())
        lines.push_back("skipped " + std::to_string(part.Count) + " " + part.File + " (" +
                        LDrawSkipText(part.Reason) + ")");
    return lines;
}

std::string ImportReportMessage(const TLDrawImportReport& report, size_t shown) {
    std::string text = "Imported " + std::to_string(report.Imported) + " of " +
                       std::to_string(report.Read) + " LDraw parts; " +
                       std::to_string(report.Skipped()) + " were left out:\n";
    std::vector<TLDrawSkippedPart> parts = report.SkippedParts();
    for (size_t i = 0; i < parts.size() && i < shown; ++i)
        text += "\n" + std::to_string(parts[i].Count) + " x " + parts[i].File + " (" +
                LDrawSkipText(parts[i].Reason) + ")";
    if (parts.size() > shown)
        text += "\nand " + std::to_string(parts.size() - shown) + " more";
    return text;
}

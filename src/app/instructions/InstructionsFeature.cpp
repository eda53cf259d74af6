#include "app/instructions/InstructionsFeature.h"

#include "app/instructions/InstructionsDialog.h"
#include "base/FileIO.h"
#include "base/Text.h"
#include "exchange/instructions/BrickLinkColours.h"
#include "exchange/instructions/BuildSteps.h"
#include "exchange/instructions/PartsList.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/BlockList.h"

#include <QFileDialog>
#include <QMessageBox>
#include <filesystem>

TInstructionsFeature::TInstructionsFeature(TInstructionsHost host, QObject* parent)
    : QObject(parent), Host(std::move(host)) {}

std::string TInstructionsFeature::Title() const {
    const std::string file = Host.ModelFile();
    return file.empty() ? std::string("Untitled") : std::filesystem::path(file).stem().string();
}

std::string TInstructionsFeature::Folder() const {
    const std::string file = Host.ModelFile();
    return file.empty() ? std::string() : std::filesystem::path(file).parent_path().string() + "/";
}

void TInstructionsFeature::miInstructionsClick() {
    TInstructionsDialog dialog(*Host.Model, *Host.Context, Title(), Folder(), Host.Window);
    dialog.exec();
}

std::vector<std::string> TInstructionsFeature::SavePartsList(const TBlockList& model,
                                                             const std::string& fileName) {
    TLDrawMap map;
    map.Load();
    const std::vector<TNamedPart> parts = BillOfMaterials(model, map);
    const bool wanted = EndsWithNoCase(fileName, ".xml");
    const std::vector<std::string> lines =
        wanted ? BrickLinkWantedList(parts, TBrickLinkColours::Load(BrickLinkColourFile()))
               : PartsListCsv(parts);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    WriteFileReplacing(fileName, text);
    return wanted ? LeftOutOfWantedList(parts) : std::vector<std::string>();
}

void TInstructionsFeature::miPartsListClick() {
    QString filter;
    QString name = QFileDialog::getSaveFileName(
        Host.Window, "Save parts list", QString::fromStdString(Folder() + Title() + ".csv"),
        "CSV file (*.csv);;BrickLink wanted list (*.xml)", &filter);
    if (name.isEmpty())
        return;
    if (filter.contains("*.xml") && !name.endsWith(".xml", Qt::CaseInsensitive))
        name += ".xml";
    try {
        const std::vector<std::string> leftOut = SavePartsList(*Host.Model, name.toStdString());
        if (!leftOut.empty()) {
            QString text = "No LDraw part stands for these, so the wanted list leaves them out:\n";
            for (const std::string& line : leftOut)
                text += "\n" + QString::fromStdString(line);
            QMessageBox::information(Host.Window, "Parts list", text);
        }
    } catch (const std::exception& error) {
        QMessageBox::critical(Host.Window, "Parts list", QString::fromStdString(error.what()));
    }
}

void TInstructionsFeature::miSetStepsClick() {
    SetStepsFromLayers(*Host.Model, DefaultMaxNewBricks, true);
    Host.ModelChanged();
}

#pragma once
// The window's building-instruction commands: the booklet dialog, saving the parts list, and
// writing the layer steps into the model. The window owns one and calls it from its menus.

#include <QObject>
#include <functional>
#include <string>

class QWidget;
class TBlockList;
class TDrawContext;

// What the commands use of the window.
struct TInstructionsHost {
    QWidget* Window = nullptr;
    TBlockList* Model = nullptr;
    TDrawContext* Context = nullptr;        // the current view and display options
    std::function<std::string()> ModelFile; // the model's file name, empty when unsaved
    std::function<void()> ModelChanged;     // redraw and follow the undo log
};

class TInstructionsFeature : public QObject {
    Q_OBJECT
public:
    explicit TInstructionsFeature(TInstructionsHost host, QObject* parent = nullptr);

    void miInstructionsClick();
    void miPartsListClick();
    void miSetStepsClick();

    // Writes the bill of materials as CSV, or as a BrickLink wanted list when the name ends in
    // ".xml"; returns the lines naming the parts the wanted list left out.
    static std::vector<std::string> SavePartsList(const TBlockList& model,
                                                  const std::string& fileName);

private:
    std::string Title() const;
    std::string Folder() const;

    TInstructionsHost Host;
};

#pragma once
// The small page dialogs: "Page properties", "Edit part ID" and "Reorder pages".

#include "app/palette/PalettePages.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QSpinBox;
class QToolButton;

// Title, row height and scale of one page; OK refuses a scale that is no positive number.
class TfrmProperties : public QDialog {
    Q_OBJECT
public:
    explicit TfrmProperties(QWidget* parent = nullptr);
    QLineEdit* edHeader;
    QSpinBox* spHeight;
    QLineEdit* edScale;

    void SetPage(const TPaletteSettings& page);
    // True when the confirmed values differ from the page's; they are then stored in it.
    bool StoreInto(TPaletteSettings& page) const;
    void accept() override;
};

// The part ID of a palette key; OK refuses an ID the model files could not store.
class TfrmEditID : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditID(QWidget* parent = nullptr);
    QLineEdit* edID;
    // The trimmed ID.
    std::string PartID() const;
    void accept() override;
};

// The order of the pages, on a copy that OK hands back.
class TfrmReorder : public QDialog {
    Q_OBJECT
public:
    explicit TfrmReorder(const TPageList& pages, QWidget* parent = nullptr);
    TPageList Pages;
    QListWidget* lbPages;
    QToolButton *btnUp, *btnDown;
    void MoveSelected(int delta);

private:
    void FillList(int selected);
};

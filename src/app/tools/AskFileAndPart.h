#pragma once
// "Enter part information": the file and part name (and identity and author) of a new part.
// OK closes only for names that can be stored, and asks before an existing part is replaced.

#include <QDialog>
#include <string>

class QLineEdit;

class TAskFileAndPart : public QDialog {
    Q_OBJECT
public:
    explicit TAskFileAndPart(QWidget* parent = nullptr);
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;

    // Fills the boxes; an empty file name or the editor's own template file becomes
    // "userblks.dat".
    void SetNames(const std::string& file, const std::string& part, const std::string& identity);
    std::string FileName() const;
    // The part name as stored: the text before any '|'.
    std::string PartName() const;
    // The identity box, or else the text after a '|' in the part name.
    std::string Identity() const;
    void accept() override;
};

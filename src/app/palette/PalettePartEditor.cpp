// The palette's way into the part editor: "&Edit..." and "&Add...".
#include "app/palette/PaletteListBox.h"
#include "app/palette/PalettePanel.h"
#include "app/tools/PartEditor.h"
#include "model/PaletteKey.h"

namespace {
// The editor's key when confirmed, else empty. The detail setting it borrowed is the user's
// again afterwards, whichever way it closed.
std::string RunPartEditor(TPaletteHost& host, const std::string& key, TAddHard::TMode mode) {
    std::string result;
    {
        TAddHard editor(host.Context(), host.CurrentColour(), host.Window());
        editor.OnPartStored = [&host](TDrawClass& definition) {
            host.PartDefinitionChanged(definition);
        };
        editor.Open(key, mode);
        if (editor.exec() == QDialog::Accepted)
            result = editor.Key();
    }
    host.PartEditorClosed();
    return result;
}
} // namespace

void TPalettePanel::Editblock1Click() {
    int row = SelectedPageRow();
    if (row < 0)
        return;
    std::string oldKey = Pages.Pages[size_t(Pages.CurrentPage)].Bricks[size_t(row)];
    if (IsSubAssemblyKey(oldKey))
        return;
    std::string newKey = RunPartEditor(Host, oldKey, TAddHard::TMode::EditBlock);
    if (newKey.empty())
        return;
    Pages.Pages[size_t(Pages.CurrentPage)].Bricks[size_t(row)] = newKey;
    ShowPage(Pages.CurrentPage);
    ListBox1->setCurrentRow(row);
    if (newKey.find('|') != std::string::npos)
        MapPartIDs(oldKey, newKey);
}

void TPalettePanel::Addnewblock1Click() {
    if (!Pages.NormalPageShown())
        return;
    int row = SelectedPageRow();
    const std::vector<std::string>& keys = Pages.Pages[size_t(Pages.CurrentPage)].Bricks;
    // A new part starts from the selected brick, or from the template on an empty page.
    std::string start = row >= 0 ? keys[size_t(row)] : "G template.dat, template";
    if (IsSubAssemblyKey(start))
        return;
    std::string newKey = RunPartEditor(Host, start, TAddHard::TMode::AddBlock);
    if (newKey.empty())
        return;
    int page = Pages.CurrentPage;
    Pages.Pages[size_t(page)].Bricks.push_back(newKey);
    ShowPage(page);
    ListBox1->setCurrentRow(ListBox1->count() - 1);
    if (newKey.find('|') != std::string::npos)
        MapPartIDs("", newKey);
}

#pragma once
// Writing a model as LDraw type-1 lines through the mapping table.

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

class TBlock;
class TLDrawExportReport;
class TLDrawMap;

// The eight LDraw matrix texts: 0 to 3 the quarter turns, 4 to 7 the diagonals between them.
extern const std::array<const char*, 8> LDrawMatrixTexts;

// Reloads the table, then writes one line per mapped brick (and tyre lines) with CR LF. Changes
// the bricks: a blank kind becomes 'B', a mapped brick's PartID becomes its row's part name.
// A report, when given, counts the bricks that no row fits.
void ExportLDraw(std::ostream& out, const std::vector<TBlock*>& bricks, TLDrawMap& map,
                 TLDrawExportReport* report = nullptr);

// The whole ".DAT" file: the table is loaded before anything is written, and the file is
// replaced only once the export has succeeded.
void SaveLDrawFile(const std::string& fileName, const std::vector<TBlock*>& bricks, TLDrawMap& map,
                   TLDrawExportReport* report = nullptr);

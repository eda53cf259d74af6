#pragma once
// Writing a model as LDraw type-1 lines through the mapping table.

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

class TBlock;
class TLDrawColourBook;
class TLDrawExportReport;
class TLDrawMap;

// The eight LDraw matrix texts: 0 to 3 the quarter turns, 4 to 7 the diagonals between them.
extern const std::array<const char*, 8> LDrawMatrixTexts;

// The tyre file an export writes after a wheel of this identity, or nullptr.
const char* LDrawTyreOf(const std::string& partID);

// Reloads the table, then writes one line per mapped brick (and tyre lines) with CR LF. Changes
// the bricks: a blank kind becomes 'B', a mapped brick's PartID becomes its row's part name.
// A report, when given, counts the bricks that no row fits. A brick drawn from an LDraw part is
// written back as that part at its matrix; a colour book, when given, names the colours of its
// table that the built-in one lacks.
void ExportLDraw(std::ostream& out, const std::vector<TBlock*>& bricks, TLDrawMap& map,
                 TLDrawExportReport* report = nullptr, const TLDrawColourBook* book = nullptr);

// The whole ".DAT" file: the table is loaded before anything is written, and the file is
// replaced only once the export has succeeded.
void SaveLDrawFile(const std::string& fileName, const std::vector<TBlock*>& bricks, TLDrawMap& map,
                   TLDrawExportReport* report = nullptr, const TLDrawColourBook* book = nullptr);

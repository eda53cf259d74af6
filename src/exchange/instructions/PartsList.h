#pragma once
// The model's bill of materials written as a plain list, as CSV, or as a BrickLink wanted list.

#include "exchange/instructions/PartNames.h"

#include <string>
#include <vector>

class TBlockList;
class TBrickLinkColours;
class TLDrawMap;

// Every distinct part of the model with its count and names.
std::vector<TNamedPart> BillOfMaterials(const TBlockList& model, const TLDrawMap& map);

// Lines without their line ends, so the caller chooses them (CR LF for files).
std::vector<std::string> PartsListText(const std::vector<TNamedPart>& parts);
std::vector<std::string> PartsListCsv(const std::vector<TNamedPart>& parts);
// Parts with no LDraw part are left out and named in comments; a colour with no BrickLink
// number keeps its item, without a colour, under a comment naming the colour.
std::vector<std::string> BrickLinkWantedList(const std::vector<TNamedPart>& parts,
                                             const TBrickLinkColours& colours);

// The parts no LDraw part stands for, one line each ("left out COUNT PART DESCRIPTION").
std::vector<std::string> LeftOutOfWantedList(const std::vector<TNamedPart>& parts);

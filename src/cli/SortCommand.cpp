// sort MODEL --octant K [--no-sort]: the drawing order of a model for an octant.

#include "base/Error.h"
#include "cli/CliCommand.h"
#include "exchange/LoadModel.h"

#include <ostream>

namespace {
void RunSort(const TCliArgs& args, std::ostream& out) {
    const char* usage = "sort MODEL --octant K [--no-sort]";
    RequirePositionals(args, 1, usage);
    if (!args.Has("--octant"))
        throw TError(std::string("usage: ") + usage);
    TBlockList model;
    model.CurrentOctant = OctantOption(args, 0);
    LoadModel(model, args.Positionals[0], LoadWhole);
    if (!args.Has("--no-sort"))
        model.Sort(model.CurrentOctant);
    for (const auto& brick : model.Items())
        out << brick->SaveToString() << "\n";
}
} // namespace

TCliCommand SortCommand() {
    return {
        "sort",
        "sort MODEL --octant K [--no-sort]\n"
        "                              loads MODEL into an empty list while the current octant is "
        "K (so\n"
        "                              InsertSorted orders for K), then Sort(K) unless --no-sort, "
        "and prints\n"
        "                              each brick's SaveToString, one per line, in list order\n",
        {{"--octant", true}, {"--no-sort", false}},
        RunSort};
}

#include "model/BlockList.h"

#include "support/Bricks.h"
#include "support/ModelText.h"
#include "support/ReferenceFile.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<TBlock> Brick(int32_t x, int32_t y, int32_t z) {
    return MakeBrick('B', x, y, z, 20, 20, 24, 1, true);
}
} // namespace

// One list through ordering and editing steps; after each step the transcript takes the sorted
// octant, the first selected brick, the counts of undo and redo entries and the list as its
// file holds it.
TEST(BlockList, StepsWriteTheirReferenceTranscript) {
    using L = TBlockList&;
    TBlockList source;
    const std::pair<const char*, std::function<void(L)>> steps[] = {
        // Farther away in octant 0 is drawn first.
        {"insert sorted at 0, 40, 20",
         [](L l) {
             for (int x : {0, 40, 20})
                 l.InsertSorted(Brick(x, 0, 0));
         }},
        {"sort one brick for octant 2", [](L l) { l.Clear(), l.Add(Brick(40, 0, 0)), l.Sort(2); }},
        // The viewer stands at high X: low X is far.
        {"add two and sort for octant 2",
         [](L l) {
             l.Add(Brick(0, 0, 0)), l.Add(Brick(20, 0, 0)), l.CurrentOctant = 2, l.Sort(2);
         }},
        {"sort for octant 0", [](L l) { l.CurrentOctant = 0, l.Sort(0); }},
        {"outside the octants, insert appends",
         [](L l) { l.CurrentOctant = 8, l.InsertSorted(Brick(-40, 0, 0)); }},
        // The source moves to the place; the list takes copies. Its corner is found even far
        // from the origin.
        {"insert a far group at (0, 0, 8)",
         [&](L l) {
             source.Add(Brick(50100, 50060, 50000)).Group = 5;
             source.Add(Brick(50120, 50060, 50024)).Group = 5;
             l.InsertListAt(source, 0, 0, 8);
         }},
        {"select two and group them",
         [](L l) { l[0].Selected = l[2].Selected = true, l.GroupSelected(); }},
        {"select one of them and ungroup", [](L l) { l[2].Selected = true, l.UngroupSelected(); }},
        {"extract the second", [](L l) { l.Extract(1); }},
        {"record a place and a redo, then free the bricks: the logs stay",
         [](L l) { l.RecordCommand('+', l[0]), l.RedoLog.push_front("x"), l.ClearItems(); }},
        {"add one and clear: the logs go too", [](L l) { l.Add(Brick(0, 0, 0)), l.Clear(); }},
    };
    TBlockList list;
    std::string transcript;
    const int32_t savedGroups = GroupCounter;
    GroupCounter = 20;
    for (const auto& [name, step] : steps) {
        step(list);
        transcript += std::string("# ") + name + ": sorted for " +
                      std::to_string(list.SortedOctant) + ", first selected " +
                      std::to_string(list.FirstSelected()) + ", " +
                      std::to_string(list.UndoCount()) + " undo, " +
                      std::to_string(list.RedoCount()) + " redo\r\n" + LgoText(list);
    }
    transcript += "# the source after the insert\r\n" + LgoText(source);
    GroupCounter = savedGroups;
    EXPECT_TRUE(MatchesReferenceText(transcript, "models/block-list-transcript.txt"));
}

TEST(BlockList, QueriesMayFollowSelectionGroupsAndText) {
    TBlockList list;
    for (int i = 0; i < 3; ++i)
        list.Add(Brick(i * 20, 0, 0)).Group = i == 1 ? 0 : 7;
    EXPECT_TRUE(list.MayFollow(list[0], list[2]));
    EXPECT_FALSE(list.MayFollow(list[2], list[0]));
    list[1].Selected = true;
    list.GroupSelected(); // one brick: nothing happens
    EXPECT_TRUE(list[1].Selected);
    EXPECT_EQ((std::array{list.FirstSelected(), list.NextSelected(1), list.FirstInGroup(7),
                          list.NextInGroup(7, 0), list.NextInGroup(7, 2)}),
              (std::array{1, -1, 0, 2, -1}));
    EXPECT_EQ(list.IndexOfText(list[1].SaveToString()), 1);
    EXPECT_EQ(list.IndexOfText("b" + list[1].SaveToString().substr(1)), -1);

    const int32_t saved = GroupCounter;
    GroupCounter = INT32_MAX; // wraps instead of overflowing
    EXPECT_EQ(NewGroupNumber(), INT32_MIN);
    GroupCounter = saved;
}

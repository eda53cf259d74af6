#include "render/sequence/ViewSequence.h"

#include "support/ReferenceFile.h"

#include <gtest/gtest.h>

namespace {
TViewFrame Tagged(int tag) {
    TViewFrame frame;
    frame.RotZ = tag;
    return frame;
}
} // namespace

// Each move's answer and the frames after it, tagged, one line each: moves without frames only
// return to 0; navigation stays inside the frames; a snap inserts at the current frame and steps
// past it; an unsnap past the end removes the last frame and shows the new last.
TEST(ViewSequence, MovesAndSnapsFollowTheReference) {
    TViewSequence sequence;
    std::string transcript;
    const auto write = [&](const std::string& what) {
        transcript += what + " ->";
        for (const TViewFrame& frame : sequence.Frames)
            transcript += " " + std::to_string(frame.RotZ);
        transcript += ", current " + std::to_string(sequence.CurrentFrame) + "\n";
    };
    const auto step = [&](const std::string& action, std::optional<int> shown) {
        write(action + " shows " + (shown ? std::to_string(*shown) : "nothing"));
    };
    const auto snap = [&](int tag) {
        sequence.Snap(Tagged(tag));
        write("snap " + std::to_string(tag));
    };
    sequence.CurrentFrame = 2;
    step("back", sequence.Back());
    step("forward", sequence.Forward());
    step("end", sequence.End());
    for (int tag : {1, 2, 3})
        snap(tag);
    step("unsnap", sequence.Unsnap());
    snap(3);
    for (const auto& [name, move] : {std::pair{"forward", &TViewSequence::Forward},
                                     {"back", &TViewSequence::Back},
                                     {"back", &TViewSequence::Back},
                                     {"back", &TViewSequence::Back},
                                     {"end", &TViewSequence::End},
                                     {"forward", &TViewSequence::Forward},
                                     {"begin", &TViewSequence::Begin}})
        step(name, (sequence.*move)());
    snap(4);
    step("begin", sequence.Begin());
    for (int i = 0; i < 5; ++i)
        step("unsnap", sequence.Unsnap());
    snap(5);
    sequence.Clear();
    EXPECT_EQ(sequence.Count() + sequence.CurrentFrame, 0);
    EXPECT_TRUE(MatchesReferenceText(transcript, "render/sequence/view-sequence.txt"));
}

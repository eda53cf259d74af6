#include "render/sequence/ViewSequence.h"

#include <gtest/gtest.h>

namespace {
TViewFrame Tagged(int tag) {
    TViewFrame frame;
    frame.RotZ = tag;
    return frame;
}

std::vector<int> Tags(const TViewSequence& sequence) {
    std::vector<int> tags;
    for (const TViewFrame& frame : sequence.Frames)
        tags.push_back(frame.RotZ);
    return tags;
}
} // namespace

TEST(ViewSequence, SnapInsertsAtTheCurrentFrameAndStepsPastIt) {
    TViewSequence sequence;
    for (int tag : {1, 2, 3})
        sequence.Snap(Tagged(tag));
    EXPECT_EQ(sequence.Count(), 3);
    EXPECT_EQ(sequence.CurrentFrame, 3);

    EXPECT_EQ(sequence.Begin(), 0);
    sequence.Snap(Tagged(4));
    EXPECT_EQ(Tags(sequence), (std::vector<int>{4, 1, 2, 3}));
    EXPECT_EQ(sequence.CurrentFrame, 1);
}

TEST(ViewSequence, UnsnapPastTheEndRemovesTheLastFrameAndShowsTheNewLast) {
    TViewSequence sequence;
    for (int tag : {1, 2, 3})
        sequence.Snap(Tagged(tag));
    EXPECT_EQ(sequence.Unsnap(), 1);
    EXPECT_EQ(Tags(sequence), (std::vector<int>{1, 2}));

    sequence.Begin();
    EXPECT_EQ(sequence.Unsnap(), 0);
    EXPECT_EQ(Tags(sequence), (std::vector<int>{2}));
    EXPECT_EQ(sequence.Unsnap(), std::nullopt);
    EXPECT_EQ(sequence.CurrentFrame, 0);
    EXPECT_EQ(sequence.Unsnap(), std::nullopt);
}

TEST(ViewSequence, NavigationStaysInsideTheFrames) {
    TViewSequence sequence;
    struct TStep {
        std::optional<int> (TViewSequence::*move)();
        std::optional<int> shown;
    };
    // Without frames every move only returns to 0.
    sequence.CurrentFrame = 2;
    for (auto move : {&TViewSequence::Back, &TViewSequence::Forward, &TViewSequence::End}) {
        EXPECT_EQ((sequence.*move)(), std::nullopt);
        EXPECT_EQ(sequence.CurrentFrame, 0);
    }
    for (int tag : {1, 2, 3})
        sequence.Snap(Tagged(tag));
    const TStep steps[] = {{&TViewSequence::Forward, 2}, {&TViewSequence::Back, 1},
                           {&TViewSequence::Back, 0},    {&TViewSequence::Back, 0},
                           {&TViewSequence::End, 2},     {&TViewSequence::Forward, 2},
                           {&TViewSequence::Begin, 0}};
    for (const TStep& step : steps) {
        EXPECT_EQ((sequence.*step.move)(), step.shown);
        EXPECT_EQ(sequence.CurrentFrame, *step.shown);
    }
    sequence.Clear();
    EXPECT_EQ(sequence.Count(), 0);
    EXPECT_EQ(sequence.CurrentFrame, 0);
}

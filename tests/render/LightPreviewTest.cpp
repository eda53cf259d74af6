#include "render/LightPreview.h"

#include "render/DrawContext.h"

#include <gtest/gtest.h>

TEST(LightPreview, PreviewDrawsWithTheTrialAndCancelRestoresEverything) {
    TDrawContext context;
    TLightVector old = context.Light;
    auto oldFactors = context.LightFactor;
    decltype(context.LightFactor) seen{};
    PreviewLight(context, {0, 0, 10}, [&] { seen = context.LightFactor; });
    EXPECT_NE(seen, oldFactors);
    EXPECT_EQ(context.Light, old);
    ApplyLight(context, old); // Cancel
    EXPECT_EQ(context.LightFactor, oldFactors);
}

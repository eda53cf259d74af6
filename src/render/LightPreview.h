#pragma once
// Trying a light direction before committing to it: the light dialog's preview, its OK and its
// Cancel.

#include <array>
#include <cstdint>
#include <functional>

class TDrawContext;

using TLightVector = std::array<int32_t, 3>;

// Draws with the trial vector (redraw is called with its shading factors in force), then puts
// the vector back; the factors stay those of the trial until the next recomputation.
void PreviewLight(TDrawContext& context, const TLightVector& trial,
                  const std::function<void()>& redraw);

// The light vector becomes the given one and the shading factors follow it. Used by OK with
// the new vector and by Cancel with the old one, so a preview leaves nothing behind.
void ApplyLight(TDrawContext& context, const TLightVector& light);

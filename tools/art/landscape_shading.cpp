#include "landscape_shading.h"

#include "landscape_cloud.h"
#include "landscape_layout.h"
#include "landscape_rock.h"
#include "noise.h"

#include <cmath>

namespace {

constexpr std::uint32_t kWaterSeed = 51;
constexpr std::uint32_t kSandSeed = 71;

// Sky: deep blue overhead, paling into haze at the horizon.
Rgb skyColour(double y) {
  static const Rgb kZenith{44, 102, 184};
  static const Rgb kMiddle{92, 158, 222};
  static const Rgb kHaze{198, 226, 243};
  const double t = clamp01(y / kHorizonY);
  if (t < 0.55)
    return mix(kZenith, kMiddle, t / 0.55);
  return mix(kMiddle, kHaze, std::pow((t - 0.55) / 0.45, 1.4));
}

Rgb skyWithCloud(double x, double y) {
  const double cover = cloudCoverage(x, y);
  const Rgb sky = skyColour(y);
  return cover > 0.0 ? mix(sky, cloudColour(x, y), cover) : sky;
}

// Water: pale and hazy at the horizon, deep blue in front, with ripples that
// shrink with distance, turquoise over the shallows by the beach and a dark
// reflection below the rock.
Rgb waterColour(double x, double y) {
  static const Rgb kFar{104, 156, 194};
  static const Rgb kMiddle{40, 112, 164};
  static const Rgb kNear{16, 70, 124};
  static const Rgb kShallow{64, 168, 170};
  static const Rgb kRockShadow{24, 52, 70};

  const double below = y - kHorizonY;
  const double t = clamp01(below / (kLandscapeHeight - kHorizonY));
  Rgb c = t < 0.35 ? mix(kFar, kMiddle, t / 0.35) : mix(kMiddle, kNear, (t - 0.35) / 0.65);

  // Ripple texture in perspective: rows nearer the horizon are farther away.
  const double depth = 60.0 / (below + 3.0);
  const double ripple = fractalNoise((x - 271.0) * depth * 0.02, depth * 12.0, kWaterSeed, 3);
  c = c * (0.9 + 0.2 * ripple);

  const double fromShore = x - shoreX(y);
  c = mix(c, kShallow, std::pow(1.0 - smoothstep(0.0, 45.0, fromShore), 2.0) * 0.6 * t);
  const double fromRock = rockEdgeX(y) - x;
  return mix(c, kRockShadow, (1.0 - smoothstep(0.0, 22.0, fromRock)) * 0.45);
}

// Sand: warm and dry, lighter on the dune, fine grain and wind ripples,
// darker where the last wave wetted it.
Rgb sandColour(double x, double y) {
  static const Rgb kDry{224, 198, 148};
  static const Rgb kDune{236, 216, 170};
  static const Rgb kShadow{196, 166, 116};
  static const Rgb kWet{170, 140, 98};

  Rgb c = mix(kDune, kDry, smoothstep(kHorizonY - 20.0, kHorizonY + 30.0, y));
  c = mix(c, kShadow, smoothstep(kHorizonY, kLandscapeHeight, y) * 0.35);
  const double patches = fractalNoise(x * 0.05, y * 0.09, kSandSeed, 4);
  const double ripples = std::sin(x * 0.35 + y * 1.1 + patches * 6.0);
  const double grain = unitHash(static_cast<int>(x), static_cast<int>(y), kSandSeed + 1);
  c = c * (0.92 + 0.12 * patches + 0.03 * ripples + 0.1 * (grain - 0.5));
  if (y >= kHorizonY)
    c = mix(c, kWet, 1.0 - smoothstep(2.0, 12.0, shoreX(y) - x));
  return c;
}

} // namespace

Rgb landscapeColourAt(double x, double y) {
  switch (materialAt(x, y)) {
  case Material::Rock:
    return rockColour(x, y);
  case Material::Sand:
    return sandColour(x, y);
  case Material::Water:
    return waterColour(x, y);
  case Material::Sky:
    break;
  }
  return skyWithCloud(x, y);
}

// Costs of the drawing layer's hot paths: the whole-view copy done twice per
// frame, and the masked placements done once per atom (and for the sun).
#include "bmp_writer.h"
#include "raster/gdi.h"
#include "raster/memory_picture.h"
#include "sprites/atom_sprite.h"
#include "sprites/sprite.h"
#include "test_surface.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

using namespace raster;
using rastertest::TestSurface;

namespace {

constexpr int kViewWidth = 254; // the atom view in the designed layout
constexpr int kViewHeight = 193;

// A filled circle on black, like the atom bitmaps.
std::vector<std::uint32_t> disc(int size) {
  std::vector<std::uint32_t> pixels(std::size_t(size) * size, RGB(0, 0, 0));
  const double r = size / 2.0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if ((x + 0.5 - r) * (x + 0.5 - r) + (y + 0.5 - r) * (y + 0.5 - r) <= r * r)
        pixels[std::size_t(y) * size + x] =
            RGB(std::uint8_t(40 + 6 * x), 90, std::uint8_t(200 - y));
  return pixels;
}

void copyView(benchmark::State &state) {
  TestSurface background(kViewWidth, kViewHeight), frame(kViewWidth, kViewHeight);
  background.fillPattern();
  for (auto _ : state) {
    BitBlt(frame.dc(), 0, 0, kViewWidth, kViewHeight, background.dc(), 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kViewWidth * kViewHeight * 4);
}
BENCHMARK(copyView)->Name("BitBlt_SRCCOPY_254x193");

void placeAtom(benchmark::State &state) {
  const int size = int(state.range(0));
  rastertest::TempDir dir;
  MemoryPicture picture;
  AtomSprite atoms;
  atoms.initAs(picture, dir.bmp("atom.bmp", size, size, disc(size)), 0);
  TestSurface frame(kViewWidth, kViewHeight);
  frame.fillPattern();
  for (auto _ : state) {
    atoms.place_Atomsprite(frame.dc(), 100.3f, 80.7f, 0);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(placeAtom)->Name("AtomSprite_place")->Arg(8)->Arg(32);

void placeSprite(benchmark::State &state) {
  const int size = int(state.range(0));
  rastertest::TempDir dir;
  MemoryPicture picture;
  Sprite sun;
  sun.init(picture, dir.bmp("sun.bmp", size, size, disc(size)), 1);
  TestSurface landscape(kViewWidth, kViewHeight);
  landscape.fillPattern();
  for (auto _ : state) {
    sun.place_sprite(landscape.dc(), 120.5f, 60.25f, 1);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(placeSprite)->Name("Sprite_place")->Arg(32);

// One frame of the atom view: background to frame, every atom, frame to screen.
void composeFrame(benchmark::State &state) {
  const int atomCount = int(state.range(0));
  rastertest::TempDir dir;
  MemoryPicture picture;
  AtomSprite atoms;
  atoms.initAs(picture, dir.bmp("atom.bmp", 8, 8, disc(8)), 0);
  TestSurface background(kViewWidth, kViewHeight), frame(kViewWidth, kViewHeight),
      screen(kViewWidth, kViewHeight);
  background.fillPattern();
  for (auto _ : state) {
    BitBlt(frame.dc(), 0, 0, kViewWidth, kViewHeight, background.dc(), 0, 0, SRCCOPY);
    for (int i = 0; i < atomCount; ++i)
      atoms.place_Atomsprite(frame.dc(), float(i * 37 % 246), float(i * 53 % 185), 0);
    BitBlt(screen.dc(), 0, 0, kViewWidth, kViewHeight, frame.dc(), 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * atomCount);
}
BENCHMARK(composeFrame)->Name("AtomView_frame")->Arg(250);

} // namespace

#include "raster/gdi.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace raster;
using rastertest::TestSurface;

TEST(Contexts, ANewContextHoldsOneMonochromePixelOnWhiteWithBlackText) {
  const HDC dc = CreateCompatibleDC(0);
  ASSERT_NE(dc, 0);
  int w = -1, h = -1;
  const HBITMAP first = GetSelectedBitmap(dc);
  EXPECT_NE(first, 0);
  EXPECT_EQ(BitmapPixels(first, &w, &h), nullptr); // monochrome
  EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), RGB(255, 255, 255));
  EXPECT_EQ(SetTextColor(dc, RGB(4, 5, 6)), RGB(0, 0, 0));
  EXPECT_EQ(SetBkColor(dc, 0), RGB(1, 2, 3));
  // One pixel to draw on, not more.
  FillRect(dc, 0, 0, 5, 5, RGB(255, 255, 255));
  EXPECT_TRUE(MonoBit(first, 0, 0));
  EXPECT_FALSE(MonoBit(first, 1, 0));
  FillRect(dc, 0, 0, 1, 1, RGB(0, 0, 0));
  EXPECT_TRUE(DeleteDC(dc));
}

TEST(Contexts, CompatibleBitmapsTakeTheFormatOfTheSelectedBitmap) {
  const HDC memory = CreateCompatibleDC(0);
  const HBITMAP mono = CreateCompatibleBitmap(memory, 3, 2);
  const HBITMAP screen = CreateCompatibleBitmap(0, 3, 2);
  EXPECT_EQ(BitmapPixels(mono, nullptr, nullptr), nullptr);
  int w = 0, h = 0;
  const std::uint32_t *pixels = BitmapPixels(screen, &w, &h);
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(w, 3);
  EXPECT_EQ(h, 2);
  EXPECT_TRUE(std::all_of(pixels, pixels + 6, [](std::uint32_t p) { return p == 0; }));
  SelectObject(memory, screen);
  const HBITMAP colour = CreateCompatibleBitmap(memory, 4, 4);
  EXPECT_NE(BitmapPixels(colour, nullptr, nullptr), nullptr);
  for (HBITMAP b : {mono, colour})
    EXPECT_TRUE(DeleteObject(b));
  DeleteDC(memory);
  DeleteObject(screen);
}

TEST(Contexts, SelectingReturnsThePreviousBitmapAndOneBitmapServesOneContext) {
  const HDC a = CreateCompatibleDC(0), b = CreateCompatibleDC(0);
  const HBITMAP stock = GetSelectedBitmap(a);
  const HBITMAP bitmap = CreateColorBitmap(2, 2);
  EXPECT_EQ(SelectObject(a, bitmap), stock);
  EXPECT_EQ(GetSelectedBitmap(a), bitmap);
  EXPECT_EQ(SelectObject(b, bitmap), 0); // already in a
  EXPECT_EQ(GetSelectedBitmap(b), stock);
  EXPECT_EQ(SelectObject(a, stock), bitmap);
  EXPECT_EQ(SelectObject(b, bitmap), stock); // free again
  EXPECT_EQ(SelectObject(a, a), 0);          // a context is not a bitmap
  DeleteDC(a);
  DeleteDC(b);
  DeleteObject(bitmap);
}

TEST(Handles, ZeroUnknownAndReleasedHandlesDoNothing) {
  TestSurface good(2, 2);
  good.fillPattern();
  const auto before = good.pixels();
  const HDC releasedDc = CreateCompatibleDC(0);
  const HBITMAP releasedBitmap = CreateColorBitmap(2, 2);
  DeleteDC(releasedDc);
  DeleteObject(releasedBitmap);
  for (std::int32_t bad : {0, -5, 12345, 0x7FFFFFFF, releasedDc, releasedBitmap}) {
    EXPECT_FALSE(BitBlt(bad, 0, 0, 2, 2, good.dc(), 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(good.dc(), 0, 0, 2, 2, bad, 0, 0, SRCCOPY));
    EXPECT_EQ(SelectObject(bad, good.bitmap()), 0);
    EXPECT_EQ(SelectObject(good.dc(), bad), 0);
    EXPECT_EQ(SetBkColor(bad, 0), CLR_INVALID);
    EXPECT_EQ(SetTextColor(bad, 0), CLR_INVALID);
    EXPECT_EQ(GetSelectedBitmap(bad), 0);
    EXPECT_EQ(BitmapPixels(bad, nullptr, nullptr), nullptr);
    EXPECT_FALSE(MonoBit(bad, 0, 0));
    EXPECT_FALSE(DeleteDC(bad));
    EXPECT_FALSE(DeleteObject(bad));
    if (bad != 0) {
      EXPECT_EQ(CreateCompatibleDC(bad), 0);
      EXPECT_EQ(CreateCompatibleBitmap(bad, 2, 2), 0);
    }
    DrawLine(bad, 0, 0, 1, 1, 0);
    FillRect(bad, 0, 0, 1, 1, 0);
  }
  EXPECT_EQ(good.pixels(), before);
  EXPECT_EQ(GetSelectedBitmap(good.dc()), good.bitmap());
}

TEST(Handles, EachHandleIsReleasedOnceAndCounted) {
  const int start = LiveHandleCount();
  const HDC dc = CreateCompatibleDC(0);
  const HBITMAP bitmap = CreateColorBitmap(3, 3);
  EXPECT_EQ(LiveHandleCount(), start + 2);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(LiveHandleCount(), start);
}

TEST(Handles, TheStockBitmapCannotBeReleased) {
  TestSurface surface(1, 1);
  const HDC fresh = CreateCompatibleDC(0);
  const HBITMAP stock = GetSelectedBitmap(fresh);
  const int live = LiveHandleCount();
  EXPECT_FALSE(DeleteObject(stock));
  EXPECT_EQ(LiveHandleCount(), live);
  EXPECT_EQ(GetSelectedBitmap(fresh), stock);
  DeleteDC(fresh);
}

TEST(Handles, ReleasingABitmapStillSelectedIsSafe) {
  const int start = LiveHandleCount();
  TestSurface src(4, 4);
  const HDC dc = CreateCompatibleDC(0);
  const HBITMAP bitmap = CreateColorBitmap(4, 4);
  SelectObject(dc, bitmap);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_NE(GetSelectedBitmap(dc), bitmap);
  EXPECT_TRUE(BitBlt(dc, 0, 0, 4, 4, src.dc(), 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(src.dc(), 0, 0, 4, 4, dc, 0, 0, SRCCOPY));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(LiveHandleCount(), start + 2); // only src's two remain
}

TEST(Handles, ReleasedHandlesStayInvalidWhenTheirEntriesAreReused) {
  std::vector<HBITMAP> old, fresh;
  for (int i = 0; i < 600; ++i)
    old.push_back(CreateColorBitmap(1, 1));
  for (HBITMAP b : old)
    DeleteObject(b);
  for (int i = 0; i < 600; ++i)
    fresh.push_back(CreateColorBitmap(1, 1));
  for (HBITMAP b : old) {
    EXPECT_EQ(std::find(fresh.begin(), fresh.end(), b), fresh.end());
    EXPECT_EQ(BitmapPixels(b, nullptr, nullptr), nullptr);
  }
  for (HBITMAP b : fresh)
    EXPECT_TRUE(DeleteObject(b));
}

TEST(Handles, UnusableSizesGiveZero) {
  EXPECT_EQ(CreateColorBitmap(0, 5), 0);
  EXPECT_EQ(CreateColorBitmap(5, -1), 0);
  EXPECT_EQ(CreateColorBitmap(40000, 1), 0);
  EXPECT_EQ(CreateCompatibleBitmap(0, 30000, 30000), 0);
}

// The drawing layer: device contexts and bitmaps with the raster operations
// that masked sprites and the off-screen atom view rely on.
//
// Handles are small integers; 0 is never a valid handle. A handle that was
// never issued, or has been released, makes every operation a no-op.
// Colour bitmaps hold 32-bit XRGB pixels (0x00RRGGBB, the layout of
// QImage::Format_RGB32); monochrome bitmaps hold one bit per pixel.
#pragma once

#include <cstdint>

namespace raster {

using HDC = std::int32_t;
using HBITMAP = std::int32_t;
using HGDIOBJ = std::int32_t;
using COLORREF = std::uint32_t; // 0x00RRGGBB, the same layout as a colour pixel

// The widest or tallest bitmap the layer makes or reads; larger ones fail.
constexpr int kMaxBitmapSide = 32767;

// What SetBkColor and SetTextColor return for an invalid context.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr COLORREF RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (COLORREF{r} << 16) | (COLORREF{g} << 8) | COLORREF{b};
}

constexpr std::uint32_t SRCCOPY = 0x00CC0020;   // dest = src
constexpr std::uint32_t SRCAND = 0x008800C6;    // dest = dest AND src
constexpr std::uint32_t SRCINVERT = 0x00660046; // dest = dest XOR src
constexpr std::uint32_t NOTSRCAND = 0x00220000; // dest = dest AND NOT src

// A new memory context: a 1 x 1 monochrome bitmap selected, background
// white, text black. The argument only names the device it is compatible
// with; 0 is allowed.
HDC CreateCompatibleDC(HDC hdc);
// A bitmap of w x h (zero-filled) in the format of the bitmap selected in
// hdc: monochrome for a fresh memory context, colour for a picture's context.
// Creating a bitmap fails (0) for a side below 1 or above 32767, or beyond
// 2^26 pixels.
HBITMAP CreateCompatibleBitmap(HDC hdc, int w, int h);
// A zero-filled colour bitmap, for surfaces that show on screen.
HBITMAP CreateColorBitmap(int w, int h);
// Selects a bitmap into a context; returns the bitmap selected before (0 on
// failure). A bitmap serves one context at a time: selecting it into a second
// one fails. The 1 x 1 bitmap of a new context may be selected anywhere.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj);
// Both return the previous colour, or CLR_INVALID for an invalid context.
COLORREF SetBkColor(HDC hdc, COLORREF colour);
COLORREF SetTextColor(HDC hdc, COLORREF colour);
// Combines a w x h rectangle of src at (sx, sy) into dest at (x, y), clipped
// to both surfaces. Returns false when a handle is invalid or rop is none of
// the four above; a rectangle that lies outside draws nothing.
bool BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, std::uint32_t rop);
// Release a context (its bitmap survives it) or a bitmap. A bitmap still
// selected is released too, and its context falls back to a 1 x 1 monochrome
// bitmap. False for a handle that is not live (already released, say).
bool DeleteDC(HDC hdc);
bool DeleteObject(HGDIOBJ obj);

// Extensions for the picture surfaces and the atom view.
HBITMAP GetSelectedBitmap(HDC hdc);
// Colour pixels of a bitmap, row after row, width pixels per row; nullptr
// (and a size of 0 x 0) for a monochrome or invalid bitmap. Colours are
// compared without the top byte, so stray bits there do no harm.
std::uint32_t *BitmapPixels(HBITMAP bitmap, int *width, int *height);
// One monochrome bit; false outside the bitmap or for a colour bitmap.
bool MonoBit(HBITMAP bitmap, int x, int y);
// A one-pixel line from (x0, y0) to (x1, y1), both end points drawn, clipped.
// On a monochrome bitmap a colour draws the nearer of black (0) and white (1);
// the same holds for FillRect.
void DrawLine(HDC hdc, int x0, int y0, int x1, int y1, COLORREF colour);
void FillRect(HDC hdc, int x, int y, int w, int h, COLORREF colour);
// Contexts plus bitmaps alive now (for leak checks); the shared 1 x 1 bitmap
// of new contexts is not counted.
int LiveHandleCount();

} // namespace raster

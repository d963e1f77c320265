// Memory contexts: creation, the bitmap selected in them, their colours.
#include "object_table.h"

namespace raster {

using detail::Bitmap;
using detail::Context;

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc != 0 && !detail::findContext(hdc))
    return 0;
  return detail::addContext(Context{detail::stockBitmap(), detail::kWhite, detail::kBlack});
}

// A bitmap other than the stock one is selected into at most one context.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
  Context *context = detail::findContext(hdc);
  Bitmap *bitmap = detail::findBitmap(obj);
  if (!context || !bitmap)
    return 0;
  const HBITMAP previous = context->selected;
  if (obj == previous)
    return previous;
  const bool stock = obj == detail::stockBitmap();
  if (!stock && bitmap->selectedIn != 0)
    return 0;
  if (Bitmap *old = detail::findBitmap(previous))
    old->selectedIn = 0;
  if (!stock)
    bitmap->selectedIn = hdc;
  context->selected = obj;
  return previous;
}

HBITMAP GetSelectedBitmap(HDC hdc) {
  const Context *context = detail::findContext(hdc);
  return context ? context->selected : 0;
}

namespace {

// Sets one of the context's two colours; returns the colour it had.
COLORREF setColour(HDC hdc, COLORREF Context::*which, COLORREF colour) {
  Context *context = detail::findContext(hdc);
  if (!context)
    return CLR_INVALID;
  const COLORREF previous = context->*which;
  context->*which = colour & detail::kColourBits;
  return previous;
}

} // namespace

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
  return setColour(hdc, &Context::background, colour);
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) { return setColour(hdc, &Context::text, colour); }

// The selected bitmap survives its context.
bool DeleteDC(HDC hdc) {
  const Context *context = detail::findContext(hdc);
  if (!context)
    return false;
  if (Bitmap *bitmap = detail::findBitmap(context->selected))
    bitmap->selectedIn = 0;
  detail::releaseHandle(hdc);
  return true;
}

int LiveHandleCount() { return detail::liveObjects(); }

} // namespace raster

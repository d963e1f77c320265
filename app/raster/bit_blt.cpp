// BitBlt: rectangle combination with the four raster operations, across
// colour and monochrome bitmaps.
#include "object_table.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>

namespace raster {

using detail::Bitmap;
using detail::Context;

namespace {

enum class Op { Copy, And, Xor, AndNot };

std::optional<Op> opOf(std::uint32_t rop) {
  switch (rop) {
  case SRCCOPY:
    return Op::Copy;
  case SRCAND:
    return Op::And;
  case SRCINVERT:
    return Op::Xor;
  case NOTSRCAND:
    return Op::AndNot;
  default:
    return std::nullopt;
  }
}

template <Op op, class T> constexpr T combine(T dest, T src) {
  if constexpr (op == Op::Copy)
    return src;
  else if constexpr (op == Op::And)
    return dest & src;
  else if constexpr (op == Op::Xor)
    return dest ^ src;
  else
    return dest & ~src;
}

// Calls `rowLoop` with the operation as a compile-time constant, so that each
// row loop is compiled once per operation with no decision inside it.
template <class RowLoop> void withOp(Op op, RowLoop &&rowLoop) {
  switch (op) {
  case Op::Copy:
    rowLoop(std::integral_constant<Op, Op::Copy>{});
    break;
  case Op::And:
    rowLoop(std::integral_constant<Op, Op::And>{});
    break;
  case Op::Xor:
    rowLoop(std::integral_constant<Op, Op::Xor>{});
    break;
  case Op::AndNot:
    rowLoop(std::integral_constant<Op, Op::AndNot>{});
    break;
  }
}

void combineColourRow(Op op, std::uint32_t *__restrict dest, const std::uint32_t *__restrict src,
                      int n) {
  if (op == Op::Copy) {
    std::memcpy(dest, src, std::size_t(n) * sizeof *dest);
    return;
  }
  withOp(op, [&](auto constant) {
    for (int i = 0; i < n; ++i)
      dest[i] = combine<constant.value>(dest[i], src[i]);
  });
}

void combineMonoRow(Op op, Bitmap &dest, int x, int y, const std::uint8_t *bits, int n) {
  withOp(op, [&](auto constant) {
    for (int i = 0; i < n; ++i)
      dest.setBit(x + i, y,
                  combine<constant.value>(std::uint8_t(dest.bit(x + i, y)), bits[i]) & 1u);
  });
}

// The rectangle to combine, after clipping: w x h pixels from (sx, sy) of the
// source to (dx, dy) of the destination.
struct Area {
  int dx, dy, sx, sy, w, h;
};

// Cuts the part of one axis that falls before either surface or beyond its end.
bool clipAxis(long long &d, long long &s, long long &len, int destSize, int srcSize) {
  const long long cut = std::max({0LL, -d, -s});
  d += cut;
  s += cut;
  len = std::min({len - cut, destSize - d, srcSize - s});
  return len > 0;
}

bool clip(Area &area, int x, int y, int w, int h, int sx, int sy, const Bitmap &dest,
          const Bitmap &src) {
  long long dx = x, dy = y, sxl = sx, syl = sy, wl = w, hl = h;
  if (!clipAxis(dx, sxl, wl, dest.width, src.width) ||
      !clipAxis(dy, syl, hl, dest.height, src.height))
    return false;
  area = Area{int(dx), int(dy), int(sxl), int(syl), int(wl), int(hl)};
  return true;
}

// Rows and columns are combined in pieces of this many pixels through a
// buffer on the stack, so converting and overlapping copies need no allocation.
constexpr int kPiece = 256;

struct Conversion {
  COLORREF one;        // the colour a monochrome 1 becomes in a colour destination
  COLORREF zero;       // the colour a monochrome 0 becomes
  COLORREF background; // a colour source pixel of this colour becomes 1 in a monochrome destination
};

// A monochrome row in colours: the pixels up to a byte boundary one by one,
// then eight pixels per source byte in a form the compiler turns into vector code.
void monoToColour(const Bitmap &src, int sx, int sy, int n, const Conversion &c,
                  std::uint32_t *out) {
  const std::uint8_t *row = src.bits.data() + std::size_t(sy) * src.monoStride;
  const std::uint32_t flip = c.one ^ c.zero;
  const auto colourOf = [&](unsigned byte, unsigned mask) {
    return c.zero ^ (flip & (0u - std::uint32_t((byte & mask) != 0)));
  };
  int i = 0;
  for (; i < n && ((sx + i) & 7) != 0; ++i)
    out[i] = colourOf(row[(sx + i) >> 3], 0x80u >> ((sx + i) & 7));
  for (; i + 8 <= n; i += 8) {
    const unsigned byte = row[(sx + i) >> 3];
    for (int j = 0; j < 8; ++j)
      out[i + j] = colourOf(byte, 0x80u >> j);
  }
  for (; i < n; ++i)
    out[i] = colourOf(row[(sx + i) >> 3], 0x80u >> ((sx + i) & 7));
}

void sourceBits(const Bitmap &src, int sx, int sy, int n, const Conversion &c, std::uint8_t *out) {
  if (src.mono) {
    for (int i = 0; i < n; ++i)
      out[i] = src.bit(sx + i, sy);
    return;
  }
  const std::uint32_t *row = src.colour.data() + std::size_t(sy) * src.width + sx;
  for (int i = 0; i < n; ++i)
    out[i] = (row[i] & detail::kColourBits) == c.background;
}

// Combines one piece of one row. `shared` says source and destination are the
// same bitmap, in which case the source is read into the buffer first.
void combinePiece(Op op, Bitmap &dest, const Bitmap &src, const Area &a, int row, int offset, int n,
                  const Conversion &c, bool shared) {
  const int sx = a.sx + offset, sy = a.sy + row, dx = a.dx + offset, dy = a.dy + row;
  if (dest.mono) {
    std::uint8_t bits[kPiece];
    sourceBits(src, sx, sy, n, c, bits);
    combineMonoRow(op, dest, dx, dy, bits, n);
    return;
  }
  std::uint32_t *destRow = dest.colour.data() + std::size_t(dy) * dest.width + dx;
  std::uint32_t buffer[kPiece];
  const std::uint32_t *source = buffer;
  if (src.mono)
    monoToColour(src, sx, sy, n, c, buffer);
  else if (shared)
    std::memcpy(buffer, src.colour.data() + std::size_t(sy) * src.width + sx, n * sizeof *buffer);
  else
    source = src.colour.data() + std::size_t(sy) * src.width + sx;
  combineColourRow(op, destRow, source, n);
}

// Walks rows and pieces in the order that reads every source pixel before an
// overlapping copy within one bitmap overwrites it.
void combineArea(Op op, Bitmap &dest, const Bitmap &src, const Area &a, const Conversion &c) {
  const bool shared = &dest == &src;
  const bool upwards = shared && a.dy > a.sy;
  const bool leftwards = shared && a.dy == a.sy && a.dx > a.sx;
  const int pieces = (a.w + kPiece - 1) / kPiece;
  for (int r = 0; r < a.h; ++r) {
    const int row = upwards ? a.h - 1 - r : r;
    for (int p = 0; p < pieces; ++p) {
      const int offset = (leftwards ? pieces - 1 - p : p) * kPiece;
      combinePiece(op, dest, src, a, row, offset, std::min(kPiece, a.w - offset), c, shared);
    }
  }
}

} // namespace

bool BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, std::uint32_t rop) {
  const Context *destContext = detail::findContext(dest);
  const Context *srcContext = detail::findContext(src);
  const std::optional<Op> op = opOf(rop);
  if (!destContext || !srcContext || !op)
    return false;
  Bitmap &destBitmap = detail::selectedBitmap(*destContext);
  const Bitmap &srcBitmap = detail::selectedBitmap(*srcContext);
  Area area;
  if (clip(area, x, y, w, h, sx, sy, destBitmap, srcBitmap)) {
    const Conversion conversion{destContext->background, destContext->text, srcContext->background};
    combineArea(*op, destBitmap, srcBitmap, area, conversion);
  }
  return true;
}

} // namespace raster

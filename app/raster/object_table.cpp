#include "object_table.h"

#include <deque>
#include <utility>
#include <variant>

namespace raster::detail {
namespace {

// A handle is a table index in its low bits and the entry's generation above
// them. Releasing an entry bumps its generation, so an old handle to a reused
// entry no longer matches. Generations start at 1, so no handle is 0, and
// they stay below the sign bit, so every handle is positive.
constexpr int kIndexBits = 20;
constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;
constexpr std::uint32_t kMaxGeneration = (1u << (31 - kIndexBits)) - 1;
// Released entries wait in line until this many are free, which keeps a
// stale handle from meeting its entry's reuse for as long as possible.
constexpr std::size_t kFreeEntriesBeforeReuse = 256;

struct Entry {
  std::uint32_t generation = 1;
  std::variant<std::monostate, Context, Bitmap> object;
};

struct Table {
  std::vector<Entry> entries;
  std::deque<std::uint32_t> freeIndices;
  int live = 0;
  HBITMAP stock = 0;
};

std::int32_t handleOf(std::uint32_t index, std::uint32_t generation) {
  return std::int32_t((generation << kIndexBits) | index);
}

Table makeTable() {
  Table table;
  Bitmap stock;
  stock.width = stock.height = 1;
  stock.mono = true;
  stock.monoStride = 1;
  stock.bits.assign(1, 0);
  table.entries.push_back(Entry{1, std::move(stock)});
  table.stock = handleOf(0, 1);
  return table;
}

// Never destroyed, so that objects ending after static destruction has begun
// (a sprite held in a global, say) can still release their handles.
Table &table() {
  static Table &instance = *new Table(makeTable());
  return instance;
}

Entry *findEntry(std::int32_t handle) {
  if (handle <= 0)
    return nullptr;
  Table &t = table();
  const std::uint32_t index = std::uint32_t(handle) & kIndexMask;
  if (index >= t.entries.size())
    return nullptr;
  Entry &entry = t.entries[index];
  return entry.generation == std::uint32_t(handle) >> kIndexBits ? &entry : nullptr;
}

template <class T> std::int32_t add(T object) {
  Table &t = table();
  std::uint32_t index;
  if (t.freeIndices.size() >= kFreeEntriesBeforeReuse) {
    index = t.freeIndices.front();
    t.freeIndices.pop_front();
  } else if (t.entries.size() <= kIndexMask) {
    index = std::uint32_t(t.entries.size());
    t.entries.emplace_back();
  } else {
    return 0;
  }
  Entry &entry = t.entries[index];
  entry.object = std::move(object);
  ++t.live;
  return handleOf(index, entry.generation);
}

} // namespace

HBITMAP stockBitmap() { return table().stock; }

Context *findContext(HDC hdc) {
  Entry *entry = findEntry(hdc);
  return entry ? std::get_if<Context>(&entry->object) : nullptr;
}

Bitmap *findBitmap(HBITMAP bitmap) {
  Entry *entry = findEntry(bitmap);
  return entry ? std::get_if<Bitmap>(&entry->object) : nullptr;
}

Bitmap &selectedBitmap(const Context &context) {
  Bitmap *bitmap = findBitmap(context.selected);
  return bitmap ? *bitmap : *findBitmap(stockBitmap());
}

HDC addContext(Context context) { return add(std::move(context)); }

HBITMAP addBitmap(Bitmap bitmap) { return add(std::move(bitmap)); }

void releaseHandle(std::int32_t handle) {
  Entry *entry = findEntry(handle);
  if (!entry || handle == stockBitmap())
    return;
  Table &t = table();
  entry->object = std::monostate{};
  entry->generation = entry->generation == kMaxGeneration ? 1 : entry->generation + 1;
  t.freeIndices.push_back(std::uint32_t(handle) & kIndexMask);
  --t.live;
}

int liveObjects() { return table().live; }

} // namespace raster::detail

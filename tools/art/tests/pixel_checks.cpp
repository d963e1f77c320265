#include "pixel_checks.h"

#include <vector>

int enclosedBlackPixels(const QImage &image) {
  const int w = image.width();
  const int h = image.height();
  std::vector<char> reached(static_cast<std::size_t>(w * h), 0);
  std::vector<QPoint> todo;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h)
      return;
    char &seen = reached[static_cast<std::size_t>(y * w + x)];
    if (seen || !isPureBlack(image.pixel(x, y)))
      return;
    seen = 1;
    todo.push_back({x, y});
  };
  for (int x = 0; x < w; ++x) {
    visit(x, 0);
    visit(x, h - 1);
  }
  for (int y = 0; y < h; ++y) {
    visit(0, y);
    visit(w - 1, y);
  }
  while (!todo.empty()) {
    const QPoint p = todo.back();
    todo.pop_back();
    visit(p.x() + 1, p.y());
    visit(p.x() - 1, p.y());
    visit(p.x(), p.y() + 1);
    visit(p.x(), p.y() - 1);
  }
  int enclosed = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      enclosed += isPureBlack(image.pixel(x, y)) && !reached[static_cast<std::size_t>(y * w + x)];
  return enclosed;
}

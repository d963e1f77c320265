#include "window_places.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace scene {

namespace {
// The gap between the main window and the window placed beside or below it.
constexpr int kGapPixels = 8;
} // namespace

void placeBeside(QWidget *window, const QWidget *main) {
  window->move(main->frameGeometry().topRight() + QPoint(kGapPixels, 0));
}

void placeBelow(QWidget *window, const QWidget *main) {
  QPoint place = main->frameGeometry().bottomLeft() + QPoint(0, kGapPixels);
  if (const QScreen *screen = main->screen()) {
    const QRect room = screen->availableGeometry();
    place.setY(std::max(room.top(), std::min(place.y(), room.bottom() - window->height())));
  }
  window->move(place);
}

} // namespace scene

#include "views_accessibility.h"

#include "large_view_canvas.h"
#include "pair_chart.h"

#include <QAccessibleWidget>

namespace views {

namespace {

// A painted widget read as its accessible name and, as its description,
// the summary its widget gives of what it shows.
template <class Painted> class PaintedAccessible : public QAccessibleWidget {
public:
  PaintedAccessible(Painted *painted, QAccessible::Role role) : QAccessibleWidget(painted, role) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Description)
      return static_cast<const Painted *>(widget())->summary();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface *viewsInterface(const QString &className, QObject *object) {
  if (className == QLatin1StringView(LargeViewCanvas::staticMetaObject.className()))
    if (auto *canvas = qobject_cast<LargeViewCanvas *>(object))
      return new PaintedAccessible<LargeViewCanvas>(canvas, QAccessible::Canvas);
  if (className == QLatin1StringView(PairChart::staticMetaObject.className()))
    if (auto *chart = qobject_cast<PairChart *>(object))
      return new PaintedAccessible<PairChart>(chart, QAccessible::Chart);
  return nullptr;
}

} // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(viewsInterface);
    return true;
  }();
  (void)installed;
}

} // namespace views

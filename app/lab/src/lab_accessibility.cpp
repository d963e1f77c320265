#include "lab_accessibility.h"

#include "chart_view.h"

#include <QAccessibleWidget>
#include <QChart>

namespace lab {

namespace {

// A graph as a screen reader meets it: a chart named as the Lab names it,
// or by its title, described by what it shows (where the Lab says) and its
// summary as it stands when asked.
class ChartAccessible : public QAccessibleWidget {
public:
  explicit ChartAccessible(ChartView *view) : QAccessibleWidget(view, QAccessible::Chart) {}

  QString text(QAccessible::Text t) const override {
    const auto *view = static_cast<const ChartView *>(widget());
    if (t == QAccessible::Description) {
      const QString what = view->accessibleDescription();
      return what.isEmpty() ? view->summary() : what + QLatin1Char(' ') + view->summary();
    }
    if (t == QAccessible::Name && view->accessibleName().isEmpty())
      return view->chart()->title();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface *labInterface(const QString &className, QObject *object) {
  if (className == QLatin1String(ChartView::staticMetaObject.className()) && object != nullptr)
    if (auto *view = qobject_cast<ChartView *>(object))
      return new ChartAccessible(view);
  return nullptr;
}

} // namespace

void installAccessibility() {
  static bool installed = false;
  if (installed)
    return;
  QAccessible::installFactory(labInterface);
  installed = true;
}

} // namespace lab

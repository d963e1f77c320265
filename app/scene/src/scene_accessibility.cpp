#include "scene_accessibility.h"

#include "frm_orvel_model.h"
#include "hotspot.h"
#include "picture_box.h"
#include "shape_widget.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCoreApplication>

namespace scene {

namespace {

// The widget's own text when it has one, else the fallback.
QString ownOr(const QString &own, const QString &fallback) {
  return own.isEmpty() ? fallback : own;
}

// A widget a reader can press, besides the actions every widget has.
class PressableAccessible : public QAccessibleWidget {
public:
  using QAccessibleWidget::QAccessibleWidget;

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString &action) override {
    if (action == pressAction())
      press();
    else
      QAccessibleWidget::doAction(action);
  }

private:
  virtual void press() = 0;
};

// A place in the landscape: a button named as set, else by its tooltip,
// which also describes it; pressing it loads its simulation.
class HotspotAccessible : public PressableAccessible {
public:
  explicit HotspotAccessible(Hotspot *place) : PressableAccessible(place, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
    case QAccessible::Name:
      return ownOr(widget()->accessibleName(), widget()->toolTip());
    case QAccessible::Description:
      return ownOr(widget()->accessibleDescription(), widget()->toolTip());
    default:
      return QAccessibleWidget::text(t);
    }
  }

private:
  void press() override { static_cast<Hotspot *>(widget())->press(); }
};

// The atom view: a picture whose description (and value) is the window's
// summary of what it shows, before any description set on the widget.
// Pressing it opens the large view, as Enter on it does.
class AtomViewAccessible : public PressableAccessible {
public:
  AtomViewAccessible(PictureBox *view, frmOrvelModel &window)
      : PressableAccessible(view, QAccessible::Graphic), window_(window) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
    case QAccessible::Name:
      return ownOr(widget()->accessibleName(),
                   QCoreApplication::translate("scene::AtomViewAccessible", "Atoms"));
    case QAccessible::Description:
      return describedSummary();
    case QAccessible::Value:
      return window_.atomViewSummary();
    default:
      return QAccessibleWidget::text(t);
    }
  }

private:
  void press() override { window_.mnuViewLargeView->trigger(); }

  QString describedSummary() const {
    const QString summary = window_.atomViewSummary();
    const QString own = widget()->accessibleDescription();
    return own.isEmpty() ? summary
                         : QCoreApplication::translate("scene::AtomViewAccessible", "%1. %2")
                               .arg(summary, own);
  }

  frmOrvelModel &window_;
};

// The thermometer's column: its reading is the ambient temperature as the
// status bar shows it.
class ThermometerAccessible : public QAccessibleWidget {
public:
  ThermometerAccessible(ShapeWidget *column, frmOrvelModel &window)
      : QAccessibleWidget(column, QAccessible::Graphic), window_(window) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
    case QAccessible::Name:
      return ownOr(widget()->accessibleName(),
                   QCoreApplication::translate("scene::ThermometerAccessible", "Thermometer"));
    case QAccessible::Description:
    case QAccessible::Value:
      return window_.thermometerText();
    default:
      return QAccessibleWidget::text(t);
    }
  }

private:
  frmOrvelModel &window_;
};

// The program's other windows (the Lab, the large view, the Interactions
// and Experiments windows) are plain widgets shown as windows: a screen
// reader announces them, by their titles, as windows only when they say so.
bool isPlainWindow(const QWidget *widget) {
  return widget->windowType() == Qt::Window && !widget->inherits("QMainWindow");
}

// The window's own widgets are asked for once it has made its controls.
QAccessibleInterface *sceneInterface(const QString &, QObject *object) {
  if (auto *place = qobject_cast<Hotspot *>(object))
    return new HotspotAccessible(place);
  auto *widget = qobject_cast<QWidget *>(object);
  if (widget != nullptr && isPlainWindow(widget))
    return new QAccessibleWidget(widget, QAccessible::Window);
  auto *window = widget != nullptr ? qobject_cast<frmOrvelModel *>(widget->window()) : nullptr;
  if (window == nullptr)
    return nullptr;
  if (widget == window->PicAtoms)
    return new AtomViewAccessible(window->PicAtoms, *window);
  if (widget == window->Shape1)
    return new ThermometerAccessible(window->Shape1, *window);
  return nullptr;
}

} // namespace

void installAccessibility() {
  static bool installed = false;
  if (installed)
    return;
  installed = true;
  QAccessible::installFactory(sceneInterface);
}

} // namespace scene

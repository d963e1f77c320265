// The large view window over a running scenario: it follows high contrast
// and the chosen speed ramp and goes back to its ordinary look, its canvas
// and buttons are reached and worked from the keyboard, and a screen reader
// hears what the canvas shows.
#include "appearance_guard.h"
#include "large_view_canvas.h"
#include "large_view_window.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/simulation_controller.h"
#include "views_accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

using namespace views;

namespace {

constexpr char kScenario[] = CORVANTA_RESOURCES_DIR "/solid-liquid.ams";
// Ticks run before the speeds are read: enough for every atom to have moved.
constexpr int kTicks = 3;
// Channels of red and green this far apart show a red-green contrast.
constexpr int kRedGreenApart = 60;

class LargeView : public testing::Test {
protected:
  void SetUp() override {
    installAccessibility();
    ModDornDll::clampOn = 1;
    controller.load(kScenario);
    window = std::make_unique<LargeViewWindow>(controller, nullptr);
    window->resize(480, 400);
    window->show();
  }

  QColor corner() {
    window->redraw();
    return window->canvas->picture().pixelColor(1, 1);
  }

  // Pixels of the picture whose red and green differ plainly.
  int redGreenPixels() {
    window->redraw();
    const QImage &picture = window->canvas->picture();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        count += std::abs(c.red() - c.green()) > kRedGreenApart ? 1 : 0;
      }
    return count;
  }

  void press(int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window->canvas, &event);
  }

  AppearanceGuard guard;
  simulation::SimulationController controller;
  std::unique_ptr<LargeViewWindow> window;
};

} // namespace

TEST_F(LargeView, HighContrastDrawsOnBlackAndOffAgainRestoresTheOrdinaryLook) {
  appearance::Appearance::instance().setHighContrast(false);
  const QPalette ordinary = window->palette();
  EXPECT_EQ(corner(), kViewBackground);

  appearance::Appearance::instance().setHighContrast(true);
  EXPECT_EQ(corner(), appearance::high_contrast::kBackground);
  EXPECT_EQ(window->palette().color(QPalette::Window), appearance::high_contrast::kBackground);
  EXPECT_EQ(window->palette().color(QPalette::ButtonText), appearance::high_contrast::kText);

  appearance::Appearance::instance().setHighContrast(false);
  EXPECT_EQ(corner(), kViewBackground);
  EXPECT_EQ(window->palette(), ordinary);
  EXPECT_EQ(&window->look(), &kOrdinaryLook);
}

TEST_F(LargeView, TheAtomsTakeTheChosenSpeedRamp) {
  appearance::Appearance::instance().setSpeedColours(appearance::SpeedColours::BlueToRed);
  window->colourBySpeed->setChecked(true);
  for (int tick = 0; tick < kTicks; ++tick)
    controller.tick();
  ASSERT_EQ(controller.atomSpeeds().size(), controller.atomFrame().types.size());
  EXPECT_GT(redGreenPixels(), 0) << "greens and reds among the speeds";

  appearance::Appearance::instance().setSpeedColours(appearance::SpeedColours::BlueToYellow);
  EXPECT_EQ(window->speedRamp(), SpeedRamp::BlueToYellow);
  EXPECT_EQ(redGreenPixels(), 0) << "blue to yellow holds no red-green contrast";
  EXPECT_TRUE(window->canvas->summary().contains(QStringLiteral("grey to yellow")));
}

TEST_F(LargeView, TheCanvasAndEveryButtonAreReachedWithTabAndEachAccessKeyIsItsOwn) {
  EXPECT_TRUE(window->canvas->focusPolicy() & Qt::TabFocus);
  std::set<QString> keys;
  for (QAction *action :
       {window->colourBySpeed, window->frontView, window->fullScreen, window->exportPicture}) {
    const auto buttons = window->findChildren<QToolButton *>();
    const auto button = std::find_if(buttons.begin(), buttons.end(),
                                     [&](QToolButton *b) { return b->defaultAction() == action; });
    ASSERT_NE(button, buttons.end()) << action->text().toStdString();
    EXPECT_TRUE((*button)->focusPolicy() & Qt::TabFocus) << action->text().toStdString();
    const QKeySequence key = QKeySequence::mnemonic((*button)->text());
    EXPECT_FALSE(key.isEmpty()) << action->text().toStdString();
    EXPECT_TRUE(keys.insert(key.toString()).second) << key.toString().toStdString();
    EXPECT_FALSE(action->toolTip().isEmpty()) << "a screen reader's description";
  }
}

TEST_F(LargeView, KeysZoomAndGoBackToTheFrontView) {
  press(Qt::Key_Plus);
  EXPECT_NEAR(window->canvas->camera().zoom, LargeViewCanvas::kZoomPerNotch, 1e-12);
  press(Qt::Key_Minus);
  press(Qt::Key_Minus);
  EXPECT_NEAR(window->canvas->camera().zoom, 1.0 / LargeViewCanvas::kZoomPerNotch, 1e-12);
  press(Qt::Key_Left);
  press(Qt::Key_Up);
  press(Qt::Key_Home);
  EXPECT_EQ(window->canvas->camera().yaw, 0.0);
  EXPECT_EQ(window->canvas->camera().pitch, 0.0);
  EXPECT_EQ(window->canvas->camera().zoom, 1.0);
}

TEST_F(LargeView, AScreenReaderHearsTheAtomsAndHowTheBoxIsTurned) {
  installAccessibility(); // again: nothing changes
  window->redraw();
  QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(window->canvas);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->role(), QAccessible::Canvas);
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Atoms in 3-D"));
  const QString atoms = QString::number(controller.atomFrame().types.size());
  EXPECT_TRUE(reader->text(QAccessible::Description)
                  .startsWith(QStringLiteral("Atoms shown: %1;").arg(atoms)))
      << reader->text(QAccessible::Description).toStdString();
  EXPECT_TRUE(
      reader->text(QAccessible::Description).contains(QStringLiteral("Seen from the front.")));

  // Six presses of 5°: the words follow the keys' directions.
  for (int press = 0; press < 6; ++press) {
    this->press(Qt::Key_Right);
    this->press(Qt::Key_Down);
  }
  const QString turned = reader->text(QAccessible::Description);
  EXPECT_TRUE(turned.contains(QStringLiteral("Turned 30° to the right."))) << turned.toStdString();
  EXPECT_TRUE(turned.contains(QStringLiteral("Tipped 30° toward you."))) << turned.toStdString();
}

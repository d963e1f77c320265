// The main window by keyboard alone: Tab reaches every place in the
// landscape and the atom view, Enter or Space loads a place, Enter on the
// atom view opens the large view, and focus shows only to keyboard users.
#include "keyboard_fixture.h"

#include "focus_ring.h"
#include "hotspot.h"
#include "large_view_window.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "scenario/mod_dorn_dll.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// The image with `area` painted over in one colour: what lies outside it.
QImage withoutArea(QImage image, const QRect &area) {
  QPainter painter(&image);
  painter.fillRect(area, Qt::magenta);
  return image;
}

} // namespace

using KeyboardWalk = KeyboardTest;

TEST_F(KeyboardWalk, TabReachesTheWaterAndEnterLoadsIt) {
  frmOrvelModel &f = openActiveWindow();
  ASSERT_TRUE(tabTo(f.hotspotWater));
  press(Qt::Key_Return);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Liquid");
  EXPECT_EQ(ModDornDll::numAtoms, kLiquidAtoms);
  EXPECT_TRUE(f.Timer1->isActive());
  // Shift+Tab walks the other way round to another place; the keypad's
  // Enter loads it as Return does.
  ASSERT_TRUE(tabTo(f.hotspotRock, true));
  press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Solid");
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(KeyboardWalk, EveryPlaceIsATabStop) {
  frmOrvelModel &f = openActiveWindow();
  for (scene::Hotspot *place : {f.hotspotGas, f.hotspotCloud, f.hotspotSand, f.hotspotWater,
                                f.hotspotLiquidGas, f.hotspotSolidLiquid, f.hotspotRock})
    EXPECT_TRUE(tabTo(place)) << place->toolTip().toStdString();
}

// Space is the Pause shortcut of the window: on a place the keyboard reached
// it loads the place, and the simulation running before is not paused.
TEST_F(KeyboardWalk, SpaceOnAPlaceTheKeyboardReachedLoadsItInsteadOfPausing) {
  frmOrvelModel &f = openActiveWindow();
  f.mnuOptionsGas->trigger();
  ASSERT_TRUE(f.mnuSimulationPause->isEnabled());
  ASSERT_TRUE(tabTo(f.hotspotWater));
  press(Qt::Key_Space);
  EXPECT_EQ(ModDornDll::numAtoms, kLiquidAtoms);
  EXPECT_FALSE(f.simulation().paused());
}

// Focus that rests on a place since start-up (or code put it there) leaves
// Space to Pause, as it was before places took focus.
TEST_F(KeyboardWalk, SpacePausesWhileFocusRestsOnAPlaceTheKeyboardDidNotReach) {
  frmOrvelModel &f = openActiveWindow();
  f.mnuOptionsGas->trigger();
  f.hotspotWater->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(f.hotspotWater->hasFocus());
  press(Qt::Key_Space);
  EXPECT_TRUE(f.simulation().paused());
  EXPECT_EQ(ModDornDll::numAtoms, kGasAtoms);
  press(Qt::Key_Space);
  EXPECT_FALSE(f.simulation().paused());
}

TEST_F(KeyboardWalk, OnlyAPlainUnrepeatedEnterLoadsAPlace) {
  frmOrvelModel &f = openActiveWindow();
  ASSERT_TRUE(tabTo(f.hotspotCloud));
  QSignalSpy loads(f.hotspotCloud, &scene::Hotspot::clicked);
  press(Qt::Key_Return, Qt::ControlModifier);
  press(Qt::Key_A);
  EXPECT_EQ(loads.count(), 0);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(f.hotspotCloud, &held);
  EXPECT_EQ(loads.count(), 0) << "a held key repeats without loading again";
  press(Qt::Key_Return);
  EXPECT_EQ(loads.count(), 1);
}

TEST_F(KeyboardWalk, AClickOnAPlaceLeavesTheKeyboardWhereItWas) {
  frmOrvelModel &f = openActiveWindow();
  ASSERT_TRUE(tabTo(f.HScroll1));
  const QPoint centre = f.hotspotWater->rect().center();
  QTest::mouseClick(f.hotspotWater, Qt::LeftButton, Qt::NoModifier, centre);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Liquid");
  EXPECT_EQ(QApplication::focusWidget(), f.HScroll1);
  const int before = f.HScroll1->value();
  press(Qt::Key_Right);
  EXPECT_NE(f.HScroll1->value(), before) << "the time of day still takes the arrow keys";
}

using PlaceFocusFrame = KeyboardTest;

// The frame lies along the inside of the place's edge, black and white on
// the landscape; inside it the landscape is as it was.
TEST_F(PlaceFocusFrame, ShowsOnlyWhileTheKeyboardBroughtFocus) {
  frmOrvelModel &f = openActiveWindow();
  for (scene::Hotspot *place : f.PicMain->findChildren<scene::Hotspot *>())
    EXPECT_FALSE(place->showsFocusFrame()) << "no frame at start-up";
  const QImage plain = f.PicMain->grab().toImage();
  const QRect place = f.hotspotWater->geometry();
  const QRect inner = place.adjusted(2, 2, -2, -2);
  ASSERT_FALSE(isBlackAndWhiteBand(plain, place, inner)) << "the water is not black and white";

  ASSERT_TRUE(tabTo(f.hotspotWater));
  EXPECT_TRUE(f.hotspotWater->showsFocusFrame());
  const QImage framed = f.PicMain->grab().toImage();
  EXPECT_TRUE(isBlackAndWhiteBand(framed, place, inner));
  EXPECT_EQ(framed.copy(inner), plain.copy(inner));
  EXPECT_EQ(withoutArea(framed, place), withoutArea(plain, place)) << "nothing else changes";

  press(Qt::Key_Tab);
  EXPECT_EQ(f.PicMain->grab().toImage().copy(place), plain.copy(place))
      << "the frame goes with the focus";
  f.hotspotWater->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(f.PicMain->grab().toImage(), plain) << "focus from the mouse shows no frame";
}

TEST_F(PlaceFocusFrame, LastsWhileAnotherWindowIsActive) {
  frmOrvelModel &f = openActiveWindow();
  ASSERT_TRUE(tabTo(f.hotspotSand));
  f.mnuViewLargeView->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.largeViewWindow()));
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  EXPECT_TRUE(f.hotspotSand->hasFocus());
  EXPECT_TRUE(f.hotspotSand->showsFocusFrame());
}

using AtomViewKeys = KeyboardTest;

TEST_F(AtomViewKeys, TabReachesTheAtomViewAndEnterOpensTheLargeView) {
  frmOrvelModel &f = openActiveWindow();
  ASSERT_TRUE(tabTo(f.PicAtoms));
  ASSERT_EQ(f.largeViewWindow(), nullptr);
  press(Qt::Key_Return);
  ASSERT_NE(f.largeViewWindow(), nullptr);
  EXPECT_TRUE(f.largeViewWindow()->isVisible());
}

// A click on the picture takes no focus; Space there stays Pause.
TEST_F(AtomViewKeys, ClickTakesNoFocusAndSpaceStaysPause) {
  frmOrvelModel &f = openActiveWindow();
  f.mnuOptionsLiquid->trigger();
  ASSERT_TRUE(tabTo(f.HScroll1));
  QTest::mouseClick(f.PicAtoms, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), f.HScroll1);
  ASSERT_TRUE(tabTo(f.PicAtoms));
  press(Qt::Key_Space);
  EXPECT_TRUE(f.simulation().paused());
}

// The picture is drawn as before; the ring lies in the gap around it.
TEST_F(AtomViewKeys, FocusRingsThePictureWithoutTouchingIt) {
  frmOrvelModel &f = openActiveWindow();
  QWidget *client = f.centralWidget();
  const QRect view = f.PicAtoms->geometry();
  const QRect around = view.adjusted(-2, -2, 2, 2);
  const QImage plainClient = client->grab().toImage();
  const QImage plainView = f.PicAtoms->grab().toImage();
  ASSERT_FALSE(isBlackAndWhiteBand(plainClient, around, view));

  ASSERT_TRUE(tabTo(f.PicAtoms));
  auto *ring = f.findChild<scene::FocusRing *>();
  ASSERT_NE(ring, nullptr);
  EXPECT_TRUE(ring->shows());
  const QImage ringed = client->grab().toImage();
  EXPECT_TRUE(isBlackAndWhiteBand(ringed, around, view));
  EXPECT_EQ(ringed.copy(view), plainClient.copy(view));
  EXPECT_EQ(f.PicAtoms->grab().toImage(), plainView);

  press(Qt::Key_Tab);
  EXPECT_FALSE(ring->shows());
  EXPECT_EQ(client->grab().toImage().copy(around), plainClient.copy(around));
  f.PicAtoms->setFocus(Qt::ActiveWindowFocusReason);
  EXPECT_FALSE(ring->shows()) << "focus given with the window shows no ring";
}

// What a screen reader learns of the main window: each place is a button
// it can press, the atom view a picture summed up in words, and the
// thermometer reads the ambient temperature.
#include "run_folder_fixture.h"

#include "hotspot.h"
#include "large_view_window.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "scenario/mod_dorn_dll.h"
#include "scene_accessibility.h"
#include "shape_widget.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDialog>
#include <QScrollBar>

namespace {

class SceneAccessibility : public RunFolderTest {
protected:
  void SetUp() override {
    RunFolderTest::SetUp();
    scene::installAccessibility();
    scene::installAccessibility(); // a second call changes nothing
  }

  static QAccessibleInterface *interfaceOf(QWidget *widget) {
    return QAccessible::queryAccessibleInterface(widget);
  }
  static QString summary(frmOrvelModel &f) {
    return interfaceOf(f.PicAtoms)->text(QAccessible::Value);
  }
};

} // namespace

TEST_F(SceneAccessibility, APlaceIsAButtonNamedAndDescribedByItsTooltip) {
  frmOrvelModel &f = openWindow();
  QAccessibleInterface *water = interfaceOf(f.hotspotWater);
  ASSERT_NE(water, nullptr);
  EXPECT_EQ(water->role(), QAccessible::Button);
  EXPECT_TRUE(water->state().focusable);

  f.hotspotWater->setAccessibleName(QStringLiteral("Water"));
  f.hotspotWater->setAccessibleDescription(QString());
  EXPECT_EQ(water->text(QAccessible::Name), "Water");
  EXPECT_EQ(water->text(QAccessible::Description), "View Water");

  f.hotspotWater->setAccessibleName(QString());
  f.hotspotWater->setAccessibleDescription(QStringLiteral("Liquid water"));
  EXPECT_EQ(water->text(QAccessible::Name), "View Water") << "without a name, the tooltip";
  EXPECT_EQ(water->text(QAccessible::Description), "Liquid water");
}

TEST_F(SceneAccessibility, PressingAPlaceLoadsItsSimulation) {
  frmOrvelModel &f = openWindow();
  QAccessibleActionInterface *actions = interfaceOf(f.hotspotSolidLiquid)->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(ModDornDll::numAtoms, kSolidLiquidAtoms);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Solid-Liquid");
  actions->doAction(QAccessibleActionInterface::setFocusAction());
  EXPECT_EQ(f.focusWidget(), f.hotspotSolidLiquid) << "the widget's own actions stay";
}

TEST_F(SceneAccessibility, TheAtomViewIsAPictureNamedAtoms) {
  frmOrvelModel &f = openWindow();
  QAccessibleInterface *view = interfaceOf(f.PicAtoms);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->role(), QAccessible::Graphic);
  f.PicAtoms->setAccessibleName(QString());
  EXPECT_EQ(view->text(QAccessible::Name), "Atoms");
  EXPECT_EQ(summary(f), "No simulation yet: choose a place in the landscape");
  // Other pictures of the window keep the plain interface.
  EXPECT_NE(interfaceOf(f.PicMain)->role(), QAccessible::Graphic);
}

TEST_F(SceneAccessibility, TheAtomViewSummaryNamesTheSimulationTheAtomsAndTheirTemperature) {
  frmOrvelModel &f = openWindow();
  f.setTemperatureUnit(analysis::TemperatureUnit::Kelvin);
  f.mnuOptionsLiquid->trigger();
  // The test files' temperature, 50 K.
  EXPECT_EQ(summary(f), "Simulation: Liquid; atoms: 4; kept at 50.0 K");

  // After the time of day moved, the atoms follow the ambient temperature
  // that the status bar shows.
  f.HScroll1->setValue(60);
  const QString ambient = f.StatusBar1->panelText(4).section(QLatin1Char(' '), 1, 1);
  EXPECT_TRUE(summary(f).endsWith(QStringLiteral("kept at %1 K").arg(ambient)))
      << summary(f).toStdString() << " / " << ambient.toStdString();

  f.simulation().setThermostat(300.0);
  EXPECT_TRUE(summary(f).endsWith(QStringLiteral("kept at 300.0 K"))) << summary(f).toStdString();
  f.simulation().setInsulated(true);
  EXPECT_TRUE(summary(f).endsWith(QStringLiteral("insulated: no heat in or out")));
  f.mnuSimulationPause->trigger();
  EXPECT_TRUE(summary(f).endsWith(QStringLiteral("; paused")));
}

TEST_F(SceneAccessibility, TheSummaryTellsALoweredLid) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsGas->trigger();
  f.simulation().setLidTarget(0.5);
  for (int tick = 0; tick < 2000 && f.simulation().lidMoving(); ++tick)
    f.simulation().tick();
  ASSERT_FALSE(f.simulation().lidMoving());
  const int percent = qRound(100.0 * f.simulation().lidHeight());
  ASSERT_LT(percent, 100);
  EXPECT_TRUE(summary(f).contains(
      QStringLiteral("the lid holds the box at %1 % of its height").arg(percent)))
      << summary(f).toStdString();
}

// The description leads with the summary and keeps what was set on the view.
TEST_F(SceneAccessibility, TheAtomViewDescriptionLeadsWithTheSummary) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsSolid->trigger();
  f.PicAtoms->setAccessibleDescription(QStringLiteral("The atoms moving in their box"));
  EXPECT_EQ(interfaceOf(f.PicAtoms)->text(QAccessible::Description),
            summary(f) + QStringLiteral(". The atoms moving in their box"));
  f.PicAtoms->setAccessibleDescription(QString());
  EXPECT_EQ(interfaceOf(f.PicAtoms)->text(QAccessible::Description), summary(f));
}

TEST_F(SceneAccessibility, PressingTheAtomViewOpensTheLargeView) {
  frmOrvelModel &f = openWindow();
  QAccessibleActionInterface *actions = interfaceOf(f.PicAtoms)->actionInterface();
  ASSERT_NE(actions, nullptr);
  actions->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_NE(f.largeViewWindow(), nullptr);
  EXPECT_TRUE(f.largeViewWindow()->isVisible());
}

// The windows opened beside the main one are read as windows by their
// titles; the main window and the dialogs keep their own kinds.
TEST_F(SceneAccessibility, TheOtherWindowsAreReadAsWindowsByTheirTitles) {
  frmOrvelModel &f = openWindow();
  f.mnuViewLargeView->trigger();
  ASSERT_NE(f.largeViewWindow(), nullptr);
  QAccessibleInterface *largeView = interfaceOf(f.largeViewWindow());
  EXPECT_EQ(largeView->role(), QAccessible::Window);
  EXPECT_EQ(largeView->text(QAccessible::Name), f.largeViewWindow()->windowTitle());
  EXPECT_NE(interfaceOf(&f)->role(), QAccessible::Client);
  QDialog dialog(&f);
  EXPECT_EQ(interfaceOf(&dialog)->role(), QAccessible::Dialog);
  QWidget inside(f.largeViewWindow());
  EXPECT_NE(interfaceOf(&inside)->role(), QAccessible::Window);
}

TEST_F(SceneAccessibility, TheThermometerReadsTheAmbientTemperature) {
  frmOrvelModel &f = openWindow();
  QAccessibleInterface *thermometer = interfaceOf(f.Shape1);
  ASSERT_NE(thermometer, nullptr);
  f.Shape1->setAccessibleName(QString());
  EXPECT_EQ(thermometer->text(QAccessible::Name), "Thermometer");
  EXPECT_EQ(thermometer->text(QAccessible::Value), "Temperature: 98.5 F");
  f.VScrollSeason->setValue(2); // winter
  EXPECT_EQ(thermometer->text(QAccessible::Value), f.StatusBar1->panelText(4));
  EXPECT_NE(thermometer->text(QAccessible::Value), "Temperature: 98.5 F");
  EXPECT_EQ(thermometer->text(QAccessible::Description), f.StatusBar1->panelText(4));
}

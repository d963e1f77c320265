// Choosing a scenario from the landscape or the Options menu.
#include "run_folder_fixture.h"

#include "hotspot.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "scenario/mod_dorn_dll.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

namespace {

void click(QWidget *widget) {
  const QPointF centre = QRectF(widget->rect()).center();
  QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

} // namespace

using ScenarioSelection = RunFolderTest;

TEST_F(ScenarioSelection, HotspotClickLoadsItsFileAndStartsTheLoop) {
  frmOrvelModel &f = openWindow();
  click(f.hotspotWater);
  EXPECT_EQ(ModDornDll::numAtoms, kLiquidAtoms);
  EXPECT_TRUE(f.Timer1->isActive());
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Liquid");
  EXPECT_EQ(f.StatusBar1->panelText(3), QStringLiteral("# Atoms : %1").arg(kLiquidAtoms));
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(ScenarioSelection, EveryHotspotAndEntryLoadsItsOwnFile) {
  frmOrvelModel &f = openWindow();
  struct Choice {
    std::function<void()> pick;
    int atoms;
    const char *status;
  };
  const Choice choices[] = {
      {[&] { click(f.hotspotCloud); }, kGasGasAtoms, "Simulation: Gas-Gas"},
      {[&] { click(f.hotspotGas); }, kGasAtoms, "Simulation: Gas"},
      {[&] { click(f.hotspotLiquidGas); }, kLiquidGasAtoms, "Simulation: Liquid-Gas"},
      {[&] { click(f.hotspotSolidLiquid); }, kSolidLiquidAtoms, "Simulation: Solid-Liquid"},
      {[&] { f.mnuOptionsGas->trigger(); }, kGasAtoms, "Simulation: Gas"},
      {[&] { f.mnuOptionsLiquid->trigger(); }, kLiquidAtoms, "Simulation: Liquid"},
      {[&] { f.mnuOptionSolidLiquid->trigger(); }, kSolidLiquidAtoms, "Simulation: Solid-Liquid"},
      {[&] { f.mnuOptionSolidGas->trigger(); }, kSolidGasAtoms, "Simulation: Solid-Gas"},
      {[&] { f.mnuOptionLiquidGas->trigger(); }, kLiquidGasAtoms, "Simulation: Liquid-Gas"},
  };
  for (const Choice &choice : choices) {
    choice.pick();
    EXPECT_EQ(ModDornDll::numAtoms, choice.atoms) << choice.status;
    EXPECT_EQ(f.StatusBar1->panelText(5), choice.status);
  }
}

TEST_F(ScenarioSelection, RockSandAndSolidAllLoadTheSolid) {
  frmOrvelModel &f = openWindow();
  for (const auto &pick : std::initializer_list<std::function<void()>>{
           [&] { click(f.hotspotRock); }, [&] { click(f.hotspotSand); },
           [&] { f.mnuOptionsSolid->trigger(); }}) {
    f.mnuOptionsGas->trigger();
    ASSERT_EQ(ModDornDll::numAtoms, kGasAtoms);
    pick();
    EXPECT_EQ(ModDornDll::numAtoms, kSolidAtoms);
    EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Solid");
  }
}

TEST_F(ScenarioSelection, FilesAreSoughtInTheCurrentFolder) {
  frmOrvelModel &f = openWindow();
  QTemporaryDir other;
  writeScenario(other.filePath(QStringLiteral("liquid.ams")), 16);
  QDir::setCurrent(other.path());
  f.mnuOptionsLiquid->trigger();
  EXPECT_EQ(ModDornDll::numAtoms, 16);
}

TEST_F(ScenarioSelection, MissingFileLeavesTheRunningScenarioAsItWas) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  const std::vector<double> coordinates = ModDornDll::atomCoords;
  const QString panels[] = {f.StatusBar1->panelText(3), f.StatusBar1->panelText(5)};
  removeFile(QStringLiteral("gas.ams"));
  click(f.hotspotGas);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("gas.ams")));
  EXPECT_EQ(ModDornDll::numAtoms, kLiquidAtoms);
  EXPECT_EQ(ModDornDll::atomCoords, coordinates);
  EXPECT_EQ(f.StatusBar1->panelText(3), panels[0]);
  EXPECT_EQ(f.StatusBar1->panelText(5), panels[1]);
  EXPECT_TRUE(f.Timer1->isActive());
  f.Timer1_Timer(); // and it keeps running
  EXPECT_NE(ModDornDll::atomCoords, coordinates);
}

TEST_F(ScenarioSelection, MalformedFileIsReportedWithItsLine) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsSolid->trigger();
  writeText(QStringLiteral("gas.ams"), "Version = 1\r\nNumber of atoms = 4\r\n");
  f.mnuOptionsGas->trigger();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("gas.ams")));
  EXPECT_EQ(ModDornDll::numAtoms, kSolidAtoms);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Solid");
  EXPECT_EQ(f.StatusBar1->panelText(3), QStringLiteral("# Atoms : %1").arg(kSolidAtoms));
}

TEST_F(ScenarioSelection, FirstChoiceDrawsTheEmptyBoxAndTheAtoms) {
  frmOrvelModel &f = openWindow();
  const QImage blank = f.PicAtoms->image();
  f.mnuOptionsSolid->trigger();
  const QImage first = f.PicAtoms->image();
  EXPECT_NE(first, blank);
  int edgePixels = 0;
  for (int x = 0; x < first.width(); ++x)
    edgePixels += (first.pixel(x, first.height() / 2) & 0xFFFFFF) == 0 ? 1 : 0;
  EXPECT_GE(edgePixels, 2); // the box's vertical edges cross the middle row
}

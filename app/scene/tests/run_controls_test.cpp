// The Simulation menu: pause, step, speed and restart, and the menu bar's
// order, access keys and shortcuts.
#include "run_folder_fixture.h"

#include "panel_status_bar.h"
#include "scenario/mod_dorn_dll.h"
#include "settings/settings.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>

using RunControls = RunFolderTest;

namespace {

QAction *speedEntry(frmOrvelModel &f, int steps) {
  for (QAction *entry : f.speedGroup->actions())
    if (entry->data().toInt() == steps)
      return entry;
  return nullptr;
}

// Every entry of a menu and its sub-menus has an access key of its own.
void expectAccessKeys(const QMenu *menu) {
  QSet<QChar> keys;
  for (const QAction *entry : menu->actions()) {
    if (entry->isSeparator())
      continue;
    const QString text = entry->text();
    const qsizetype amp = text.indexOf(QLatin1Char('&'));
    ASSERT_TRUE(amp >= 0 && amp + 1 < text.size()) << text.toStdString();
    const QChar key = text[amp + 1].toLower();
    EXPECT_FALSE(keys.contains(key)) << "access key used twice: " << text.toStdString();
    keys.insert(key);
    if (entry->menu() != nullptr)
      expectAccessKeys(entry->menu());
  }
}

} // namespace

TEST_F(RunControls, MenusStandInOrderAndEveryEntryHasAnAccessKey) {
  frmOrvelModel &f = openWindow();
  QStringList titles;
  for (const QAction *menu : f.menuBar()->actions())
    titles << menu->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Options", "&Simulation", "&View", "&Help"}));
  for (const QAction *menu : f.menuBar()->actions())
    expectAccessKeys(menu->menu());
  EXPECT_EQ(f.mnuSimulationPause->shortcut(), QKeySequence(Qt::Key_Space));
  EXPECT_EQ(f.mnuSimulationStep->shortcut(), QKeySequence(Qt::Key_Period));
  EXPECT_EQ(f.mnuSimulationRestart->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
  EXPECT_EQ(f.mnuViewLab->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
  EXPECT_FALSE(f.mnuOptionsFollowAmbient->isChecked());
}

TEST_F(RunControls, RunControlsWaitForAScenario) {
  frmOrvelModel &f = openWindow();
  EXPECT_FALSE(f.mnuSimulationPause->isEnabled());
  EXPECT_FALSE(f.mnuSimulationStep->isEnabled());
  EXPECT_FALSE(f.mnuSimulationRestart->isEnabled());
  f.mnuOptionsGas->trigger();
  EXPECT_TRUE(f.mnuSimulationPause->isEnabled());
  EXPECT_FALSE(f.mnuSimulationStep->isEnabled()) << "Step waits for a pause";
  EXPECT_TRUE(f.mnuSimulationRestart->isEnabled());
}

TEST_F(RunControls, PauseStopsEngineAndFramesAndStepShowsExactlyOneTick) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  f.Timer1_Timer();
  f.mnuSimulationPause->trigger();
  EXPECT_FALSE(f.Timer1->isActive()) << "nothing moves, so the timer rests";
  EXPECT_EQ(f.StatusBar1->panelText(2), "Paused");
  EXPECT_EQ(f.mnuSimulationPause->text(), "&Resume");
  const std::vector<double> paused = ModDornDll::atomCoords;
  f.Timer1_Timer();
  EXPECT_EQ(ModDornDll::atomCoords, paused);
  EXPECT_EQ(ModDornDll::frameCount, 1);
  EXPECT_EQ(f.simulation().step(), 5);

  ASSERT_TRUE(f.mnuSimulationStep->isEnabled());
  f.mnuSimulationStep->trigger();
  EXPECT_NE(ModDornDll::atomCoords, paused);
  EXPECT_EQ(ModDornDll::frameCount, 2);
  EXPECT_EQ(f.simulation().step(), 10);
  EXPECT_EQ(f.StatusBar1->panelText(2), "Paused");

  f.mnuSimulationPause->trigger();
  EXPECT_TRUE(f.Timer1->isActive());
  EXPECT_EQ(f.mnuSimulationPause->text(), "&Pause");
  EXPECT_FALSE(f.mnuSimulationStep->isEnabled());
  while (ModDornDll::frameCount % 10 != 1)
    f.Timer1_Timer(); // up to and past the next report frame
  EXPECT_TRUE(f.StatusBar1->panelText(2).startsWith(QStringLiteral("FPS: ")));
}

TEST_F(RunControls, SpeedSetsTheStepsOfEveryTickAndIsRemembered) {
  {
    frmOrvelModel &f = openWindow();
    f.mnuOptionsGas->trigger();
    speedEntry(f, 20)->trigger();
    f.Timer1_Timer();
    EXPECT_EQ(f.simulation().step(), 20);
    EXPECT_FALSE(speedEntry(f, 5)->isChecked());
    EXPECT_EQ(settings::stepsPerTick(), 20);
  }
  window.reset();
  frmOrvelModel &again = openWindow();
  EXPECT_EQ(again.simulation().stepsPerTick(), 5) << "the specified start until taken up";
  again.applyRememberedSettings();
  EXPECT_EQ(again.simulation().stepsPerTick(), 20);
  EXPECT_TRUE(speedEntry(again, 20)->isChecked());
  settings::setStepsPerTick(0);
}

TEST_F(RunControls, RestartLoadsTheRunningScenarioAgainAndAMissingFileLeavesItRunning) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionSolidGas->trigger();
  const std::vector<double> start = ModDornDll::atomCoords;
  for (int tick = 0; tick < 3; ++tick)
    f.Timer1_Timer();
  f.mnuSimulationRestart->trigger();
  EXPECT_EQ(ModDornDll::atomCoords, start);
  EXPECT_EQ(ModDornDll::frameCount, 0);
  EXPECT_EQ(f.simulation().step(), 0);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: Solid-Gas");

  f.Timer1_Timer();
  removeFile(QStringLiteral("solid-gas.ams"));
  f.mnuSimulationRestart->trigger();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("solid-gas.ams")));
  EXPECT_EQ(f.simulation().step(), 5);
  EXPECT_TRUE(f.Timer1->isActive());
}

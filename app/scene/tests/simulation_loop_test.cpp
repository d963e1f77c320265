// The timer-driven loop: engine steps, frames and the status-bar reports.
#include "run_folder_fixture.h"

#include "panel_status_bar.h"
#include "scenario/mod_dorn_dll.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>

using SimulationLoop = RunFolderTest;

TEST_F(SimulationLoop, NothingRunsBeforeAScenarioIsChosen) {
  frmOrvelModel &f = openWindow();
  EXPECT_FALSE(f.Timer1->isActive());
  EXPECT_EQ(f.StatusBar1->panelText(1), "Run Time");
}

TEST_F(SimulationLoop, TickAdvancesTheEngineAndTheFirstTickReports) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  EXPECT_EQ(ModDornDll::frameCount, 0);
  EXPECT_TRUE(f.StatusBar1->panelText(1).startsWith(QStringLiteral("Disp Time: ")));
  const std::vector<double> before = ModDornDll::atomCoords;
  f.Timer1_Timer();
  EXPECT_NE(ModDornDll::atomCoords, before);
  EXPECT_EQ(ModDornDll::frameCount, 1);
  const QRegularExpression fps(QStringLiteral("^FPS: \\d{2,}\\.\\d\\d$"));
  EXPECT_TRUE(fps.match(f.StatusBar1->panelText(2)).hasMatch())
      << f.StatusBar1->panelText(2).toStdString();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Disp Time: \\d+\\.\\d{3}$"))
                  .match(f.StatusBar1->panelText(1))
                  .hasMatch());
}

TEST_F(SimulationLoop, ReportsFollowEveryTenthTick) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsGas->trigger();
  f.Timer1_Timer();
  f.StatusBar1->setPanelText(2, QStringLiteral("unchanged"));
  for (int tick = 2; tick <= 10; ++tick)
    f.Timer1_Timer();
  EXPECT_EQ(f.StatusBar1->panelText(2), "unchanged");
  f.Timer1_Timer(); // tick 11
  EXPECT_TRUE(f.StatusBar1->panelText(2).startsWith(QStringLiteral("FPS: ")));
  EXPECT_EQ(ModDornDll::frameCount, 11);
}

TEST_F(SimulationLoop, FrameRateIsPositiveAndBoundedByTheTicksDrawn) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsGas->trigger();
  f.Timer1_Timer(); // the first report measures from the start
  const double first = f.StatusBar1->panelText(2).mid(5).toDouble();
  EXPECT_GT(first, 0.0);
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  const double rate = f.StatusBar1->panelText(2).mid(5).toDouble();
  EXPECT_GT(rate, 0.0);
  EXPECT_LT(rate, 1e6);
}

TEST_F(SimulationLoop, PickingTheSameScenarioAgainRestartsItFromTheFile) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  const std::vector<double> start = ModDornDll::atomCoords;
  for (int tick = 0; tick < 5; ++tick)
    f.Timer1_Timer();
  ASSERT_NE(ModDornDll::atomCoords, start);
  f.mnuOptionsLiquid->trigger();
  EXPECT_EQ(ModDornDll::atomCoords, start);
  EXPECT_EQ(ModDornDll::frameCount, 0);
  EXPECT_TRUE(f.Timer1->isActive());
}

TEST_F(SimulationLoop, RunsOnItsOwnTimer) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsGas->trigger();
  QEventLoop loop;
  QTimer::singleShot(100, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_GT(ModDornDll::frameCount, 1);
}

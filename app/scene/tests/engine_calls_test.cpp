// What the engine sees from the whole window, on the recording fake engine:
// with no command given, start-up, a scenario, ticks and a change of the
// time of day make exactly the plain loop's calls; the run controls and the
// thermostat add only their own.
#include "run_folder_fixture.h"

#include "engine_call_logs.h"
#include "fake_engine_client.h"
#include "interactions_window.h"
#include "lab_window.h"
#include "large_view_window.h"
#include "thermostat_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QScrollBar>
#include <QTimer>

namespace {

// The time of day set to 30 in summer, then the defaults.
const std::string kStartUp = std::string("MD_set_temperature(309.958)\n") + engine_calls::kStartUp;

const char *const kLiquidLoad = "MD_init(2,1,1)\n"
                                "MD_set_clamp_on_off(1)\n"
                                "MD_set_coordinates()\n"
                                "MD_set_velocity()\n"
                                "MD_set_potential_function(1)\n"
                                "MD_set_clamp_on_off(1)\n"
                                "MD_set_temperature(50)\n"
                                "MD_set_clamp_temp(50)\n"
                                "MD_set_gravity(0)\n"
                                "MD_set_timestep(1)\n"
                                "MD_set_box()\n"
                                "MD_set_atom_properties()\n"
                                "MD_return_coordinates()\n"; // the first frame

using engine_calls::kTick;

class EngineCalls : public RunFolderTest {
protected:
  void SetUp() override {
    RunFolderTest::SetUp();
    realEngine_ = Pavex::libraryPath();
    engine_ = std::make_unique<FakeEngine>();
  }
  void TearDown() override {
    RunFolderTest::TearDown();
    engine_.reset();
    Pavex::useLibrary(realEngine_);
  }
  std::string calls() {
    std::string log = engine_->log();
    engine_->clearLog();
    return log;
  }

private:
  std::string realEngine_;
  std::unique_ptr<FakeEngine> engine_;
};

} // namespace

TEST_F(EngineCalls, WithoutCommandsTheWindowMakesThePlainLoopsCalls) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(calls(), kStartUp);
  f.mnuOptionsLiquid->trigger();
  EXPECT_EQ(calls(), kLiquidLoad);
  for (int tick = 0; tick < 3; ++tick)
    f.Timer1_Timer();
  f.HScroll1->setValue(50);
  f.Timer1_Timer();
  EXPECT_EQ(calls(), std::string(kTick) + kTick + kTick + "MD_set_temperature(316.333)\n" + kTick);
  window.reset();
  EXPECT_EQ(calls(), "MD_free_all()\n");
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(EngineCalls, TheLargeViewAndTheInteractionsWindowAddNoEngineCall) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  f.mnuViewLargeView->trigger();
  f.mnuViewInteractions->trigger();
  f.largeViewWindow()->colourBySpeed->setChecked(true);
  calls();
  for (int tick = 0; tick < 3; ++tick) {
    f.Timer1_Timer();
    f.largeViewWindow()->redraw();
    f.interactionsWindow()->refresh();
  }
  f.mnuOptionsLiquid->trigger();
  f.largeViewWindow()->redraw();
  EXPECT_EQ(calls(), std::string(kTick) + kTick + kTick + kLiquidLoad);
}

TEST_F(EngineCalls, PausedTheEngineRunsOnlyForStep) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  calls();
  f.mnuSimulationPause->trigger();
  EXPECT_FALSE(f.Timer1->isActive());
  f.Timer1_Timer();
  EXPECT_EQ(calls(), "");
  f.mnuSimulationStep->trigger();
  EXPECT_EQ(calls(), kTick);
  f.mnuSimulationRestart->trigger();
  EXPECT_EQ(calls(), std::string(kLiquidLoad));
  EXPECT_FALSE(f.Timer1->isActive()) << "a restart keeps the pause";
}

TEST_F(EngineCalls, HeldThermostatSetsTheClampAndTheTimeOfDayNoLongerKicks) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  f.mnuViewLab_Click();
  calls();
  f.labWindow()->thermostat->hold->setChecked(true);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(50)\n"); // held where the file holds the atoms
  f.HScroll1->setValue(60);
  EXPECT_EQ(calls(), "");
  f.labWindow()->thermostat->hold->setChecked(false);
  f.HScroll1->setValue(70);
  EXPECT_EQ(calls(), "MD_set_clamp_temp(50)\nMD_set_temperature(309.989)\n");
}

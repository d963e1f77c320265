// The main window's link to the Lab: View > Lab opens it beside the window
// and starts the recording, the temperature unit it shares with the status
// bar, Options > Follow the Ambient Temperature kept in step with the Lab's
// thermostat, and the remembered choices taken up at start. The Lab itself
// is tested in app/lab/tests.
#include "run_folder_fixture.h"

#include "lab_window.h"
#include "panel_status_bar.h"
#include "scenario/mod_dorn_dll.h"
#include "series_charts.h"
#include "settings/settings.h"
#include "thermostat_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineSeries>
#include <QScrollBar>
#include <QTimer>

namespace {

class LabLink : public RunFolderTest {
protected:
  lab::LabWindow &openLab(frmOrvelModel &f) {
    f.mnuViewLab->trigger();
    return *f.labWindow();
  }
  static void chooseUnit(lab::LabWindow &lab, analysis::TemperatureUnit unit) {
    emit lab.units->activated(lab.units->findData(int(unit)));
  }
  static void choosePressureUnit(lab::LabWindow &lab, analysis::PressureUnit unit) {
    emit lab.pressureUnits->activated(lab.pressureUnits->findData(int(unit)));
  }
  void TearDown() override {
    settings::setTemperatureUnit(analysis::TemperatureUnit::Fahrenheit);
    settings::setPressureUnit(analysis::PressureUnit::Kilopascal);
    settings::setFollowAmbient(false);
    RunFolderTest::TearDown();
  }
};

} // namespace

TEST_F(LabLink, OpensBesideTheWindowAndRecordsOnWhileClosed) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(f.labWindow(), nullptr);
  EXPECT_FALSE(f.simulation().measuring()) << "nothing is measured before the Lab opens";
  lab::LabWindow &lab = openLab(f);
  EXPECT_TRUE(lab.isVisible());
  EXPECT_TRUE(lab.isWindow());
  f.mnuOptionsLiquid->trigger();
  for (int tick = 0; tick < 20; ++tick)
    f.Timer1_Timer();
  const auto recorded = f.simulation().records().samples().size();
  EXPECT_GE(recorded, 4u);
  lab.close();
  EXPECT_TRUE(f.Timer1->isActive()) << "closing the Lab never stops the simulation";
  for (int tick = 0; tick < 20; ++tick)
    f.Timer1_Timer();
  EXPECT_GT(f.simulation().records().samples().size(), recorded);
  f.mnuViewLab->trigger();
  EXPECT_EQ(f.labWindow(), &lab);
  EXPECT_EQ(lab.charts->temperature->count(), qsizetype(f.simulation().records().samples().size()));
}

TEST_F(LabLink, FollowingTheAmbientMovesTheThermostatWithTheTimeOfDay) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  lab::LabWindow &lab = openLab(f);
  f.mnuOptionsFollowAmbient->setChecked(true);
  EXPECT_TRUE(lab.thermostat->follow->isChecked());
  EXPECT_TRUE(lab.thermostat->hold->isChecked());
  f.HScroll1->setValue(0);
  EXPECT_DOUBLE_EQ(f.simulation().thermostat(), ModDornDll::temperature);
  EXPECT_NEAR(f.simulation().thermostat(), 283.0, 1e-9);
  EXPECT_TRUE(settings::followAmbient());

  lab.thermostat->follow->setChecked(false);
  EXPECT_FALSE(f.mnuOptionsFollowAmbient->isChecked());
  EXPECT_FALSE(settings::followAmbient());
  f.HScroll1->setValue(50);
  EXPECT_NEAR(f.simulation().thermostat(), 283.0, 1e-9) << "no longer follows";
}

TEST_F(LabLink, UnitsChangeTheStatusBarAndAreRemembered) {
  frmOrvelModel &f = openWindow();
  lab::LabWindow &lab = openLab(f);
  chooseUnit(lab, analysis::TemperatureUnit::Kelvin);
  EXPECT_EQ(f.StatusBar1->panelText(4), "Temperature: 310.0 K");
  chooseUnit(lab, analysis::TemperatureUnit::Celsius);
  EXPECT_EQ(f.StatusBar1->panelText(4), "Temperature: 37.0 C");
  f.VScrollSeason->setValue(2);
  f.HScroll1->setValue(0);
  EXPECT_EQ(f.StatusBar1->panelText(4), "Temperature: -17.8 C"); // 0 °F
  window.reset();
  frmOrvelModel &again = openWindow();
  EXPECT_EQ(again.StatusBar1->panelText(4), "Temperature: 98.5 F");
  again.applyRememberedSettings();
  EXPECT_EQ(again.StatusBar1->panelText(4), "Temperature: 37.0 C");
}

// The pressure unit is the Lab's own: the status bar keeps its temperature.
TEST_F(LabLink, ThePressureUnitLeavesTheStatusBarAsItWas) {
  for (const QString &name : {QStringLiteral("liquid.ams"), QStringLiteral("liquid.card")}) {
    QFile::remove(path(name));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANTA_RESOURCES_DIR "/") + name, path(name)));
  }
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  lab::LabWindow &lab = openLab(f);
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  choosePressureUnit(lab, analysis::PressureUnit::Atmosphere);
  EXPECT_EQ(lab.pressureUnit(), analysis::PressureUnit::Atmosphere);
  EXPECT_EQ(f.StatusBar1->panelText(4), "Temperature: 98.5 F") << "the main window is as before";
  window.reset();
  frmOrvelModel &again = openWindow();
  again.applyRememberedSettings();
  EXPECT_EQ(again.StatusBar1->panelText(4), "Temperature: 98.5 F")
      << "the remembered pressure unit is no temperature unit";
}

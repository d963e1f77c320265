// The Lab beside the main window: opening and closing it, the thermostat,
// following the ambient temperature, units, readouts, graphs and the CSV.
#include "run_folder_fixture.h"

#include "analysis/phase_map.h"
#include "lab_window.h"
#include "materials_panel.h"
#include "panel_status_bar.h"
#include "phase_diagram.h"
#include "phase_diagram_tab.h"
#include "readout_panel.h"
#include "remembered_settings.h"
#include "scenario/mod_dorn_dll.h"
#include "series_charts.h"
#include "thermostat_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>

#include <cmath>

namespace {

class Lab : public RunFolderTest {
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
  // The shipped liquid (water) with its material card.
  void useShippedLiquid() {
    for (const QString &name : {QStringLiteral("liquid.ams"), QStringLiteral("liquid.card")}) {
      QFile::remove(path(name));
      ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANTA_RESOURCES_DIR "/") + name, path(name)));
    }
  }
  void TearDown() override {
    lab::rememberUnit(analysis::TemperatureUnit::Fahrenheit);
    lab::rememberPressureUnit(analysis::PressureUnit::Kilopascal);
    lab::rememberFollowAmbient(false);
    RunFolderTest::TearDown();
  }
};

} // namespace

TEST_F(Lab, OpensBesideTheWindowAndRecordsOnWhileClosed) {
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

TEST_F(Lab, ThermostatHoldsInTheChosenUnitAndReachesThreeThousandKelvin) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsGas->trigger();
  lab::LabWindow &lab = openLab(f);
  chooseUnit(lab, analysis::TemperatureUnit::Kelvin);
  lab.thermostat->value->setValue(150.0);
  EXPECT_TRUE(f.simulation().holding());
  EXPECT_DOUBLE_EQ(f.simulation().thermostat(), 150.0);
  EXPECT_TRUE(lab.thermostat->hold->isChecked());
  EXPECT_EQ(lab.thermostat->slider->value(), 1500);

  EXPECT_NEAR(lab.thermostat->value->maximum(), 3000.0, 0.05);
  EXPECT_EQ(lab.thermostat->value->toolTip(),
            QStringLiteral("The temperature the atoms are held at: from 0 K to 3,000 K."));
  lab.thermostat->slider->setValue(lab.thermostat->slider->maximum());
  EXPECT_DOUBLE_EQ(f.simulation().thermostat(), 3000.0);

  chooseUnit(lab, analysis::TemperatureUnit::Celsius);
  EXPECT_NEAR(lab.thermostat->value->value(), 3000.0 - 273.0, 0.05);
  EXPECT_TRUE(lab.thermostat->slider->toolTip().endsWith(
      QStringLiteral("from -273 \u00B0C to 2,727 \u00B0C.")));
  chooseUnit(lab, analysis::TemperatureUnit::Fahrenheit);
  EXPECT_TRUE(lab.thermostat->rampTo->toolTip().endsWith(
      QStringLiteral("from -459.4 \u00B0F to 4,940.6 \u00B0F.")));
  chooseUnit(lab, analysis::TemperatureUnit::Celsius);
  lab.thermostat->hold->setChecked(false);
  EXPECT_FALSE(f.simulation().holding());
  EXPECT_NEAR(lab.thermostat->value->value(), 50.0 / 1.5 - 273.0, 0.05) << "the file's again";
}

TEST_F(Lab, FollowingTheAmbientMovesTheThermostatWithTheTimeOfDay) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  lab::LabWindow &lab = openLab(f);
  f.mnuOptionsFollowAmbient->setChecked(true);
  EXPECT_TRUE(lab.thermostat->follow->isChecked());
  EXPECT_TRUE(lab.thermostat->hold->isChecked());
  f.HScroll1->setValue(0);
  EXPECT_DOUBLE_EQ(f.simulation().thermostat(), ModDornDll::temperature);
  EXPECT_NEAR(f.simulation().thermostat(), 283.0, 1e-9);
  EXPECT_TRUE(lab::rememberedFollowAmbient());

  lab.thermostat->follow->setChecked(false);
  EXPECT_FALSE(f.mnuOptionsFollowAmbient->isChecked());
  EXPECT_FALSE(lab::rememberedFollowAmbient());
  f.HScroll1->setValue(50);
  EXPECT_NEAR(f.simulation().thermostat(), 283.0, 1e-9) << "no longer follows";
}

TEST_F(Lab, UnitsChangeTheStatusBarAndAreRemembered) {
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

TEST_F(Lab, CsvHoldsEveryRecordedSampleAndAnUnwritableFileIsReported) {
  frmOrvelModel &f = openWindow();
  lab::LabWindow &lab = openLab(f);
  f.mnuOptionsLiquid->trigger();
  for (int tick = 0; tick < 30; ++tick)
    f.Timer1_Timer();
  QTemporaryDir out;
  const QString file = out.filePath(QStringLiteral("series.csv"));
  EXPECT_EQ(lab.saveSeries(file), QString());
  QFile csv(file);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = csv.readAll().trimmed().split('\n');
  ASSERT_EQ(qsizetype(lines.size()), qsizetype(f.simulation().records().samples().size()) + 1);
  EXPECT_TRUE(lines[0].startsWith("step,time (model units),temperature (F),thermostat (F)"))
      << "the test scenarios have no material card";
  EXPECT_EQ(lines.last().split(',')[0].toLongLong(), f.simulation().step() - 5);

  const QString nowhere = out.filePath(QStringLiteral("missing/series.csv"));
  EXPECT_TRUE(lab.saveSeries(nowhere).contains(nowhere));
}

TEST_F(Lab, ReadoutsShowTheMeasurementsAndOneRowPerMaterial) {
  frmOrvelModel &f = openWindow();
  lab::LabWindow &lab = openLab(f);
  EXPECT_EQ(lab.readouts->temperature->text(), QStringLiteral("\u2013"));
  f.mnuOptionsLiquid->trigger();
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  lab.refresh();
  EXPECT_TRUE(lab.readouts->temperature->text().endsWith(QStringLiteral(" \u00B0F")));
  EXPECT_EQ(lab.readouts->atoms->text(), QStringLiteral("4"));
  EXPECT_EQ(lab.readouts->steps->text(), QStringLiteral("50"));
  ASSERT_EQ(lab.readouts->phases.size(), 1);
  EXPECT_EQ(lab.readouts->phases[0]->text(), QStringLiteral("\u2026")) << "too early to tell";
}

TEST_F(Lab, RestartClearsTheGraphsAndStopsTheRampButAFailedLoadKeepsThem) {
  frmOrvelModel &f = openWindow();
  lab::LabWindow &lab = openLab(f);
  f.mnuOptionsLiquid->trigger();
  lab.thermostat->ramp->click();
  EXPECT_TRUE(f.simulation().ramping());
  EXPECT_EQ(lab.thermostat->ramp->text(), "Stop &ramp");
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  removeFile(QStringLiteral("gas.ams"));
  f.mnuOptionsGas->trigger();
  EXPECT_EQ(messages.size(), 1);
  EXPECT_TRUE(f.simulation().ramping());
  EXPECT_FALSE(f.simulation().records().samples().empty());

  f.mnuSimulationRestart->trigger();
  lab.refresh();
  EXPECT_FALSE(f.simulation().ramping());
  EXPECT_EQ(lab.thermostat->ramp->text(), "&Ramp");
  EXPECT_EQ(lab.charts->temperature->count(), 0);
  EXPECT_EQ(lab.charts->heating->count(), 0);
}

TEST_F(Lab, RemembersWhereItStood) {
  frmOrvelModel &f = openWindow();
  lab::LabWindow &lab = openLab(f);
  lab.setGeometry(QRect(700, 40, 820, 520));
  lab.close();
  window.reset();
  frmOrvelModel &again = openWindow();
  lab::LabWindow &reopened = openLab(again);
  EXPECT_EQ(reopened.size(), QSize(820, 520));
  lab::rememberLabGeometry({});
}

TEST_F(Lab, WithTheShippedWaterCardEverythingIsInRealUnits) {
  useShippedLiquid();
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  lab::LabWindow &lab = openLab(f);
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  lab.refresh();
  EXPECT_TRUE(lab.readouts->kinetic->text().endsWith(QStringLiteral(" kJ/mol")));
  EXPECT_TRUE(lab.readouts->pressure->text().endsWith(QStringLiteral(" kPa")));
  EXPECT_TRUE(lab.readouts->steps->text().startsWith(QStringLiteral("50 (")));
  EXPECT_TRUE(lab.readouts->steps->text().endsWith(QStringLiteral(" ps)")));
  ASSERT_EQ(lab.materials->rows.size(), 1);
  EXPECT_EQ(lab.materials->rows[0].name->text(), QStringLiteral("water"));
  EXPECT_EQ(lab.materials->rows[0].melting->text(), QStringLiteral("32 \u00B0F"));
  EXPECT_TRUE(lab.materials->rows[0].melting->toolTip().contains(QStringLiteral("CRC")));
  EXPECT_EQ(lab.materials->lengthUnit->text(), QStringLiteral("0.2 pm"));
  EXPECT_EQ(lab.materials->massUnit->text(), QStringLiteral("18.02 u"));
  EXPECT_TRUE(lab.materials->note->isHidden());

  for (int tab = 0; tab < lab.charts->count(); ++tab)
    lab.charts->setCurrentIndex(tab);
  EXPECT_EQ(lab.charts->energyPlot.y->titleText(), QStringLiteral("Energy per atom (kJ/mol)"));
  EXPECT_EQ(lab.charts->pressurePlot.y->titleText(), QStringLiteral("Wall pressure (kPa)"));
  EXPECT_EQ(lab.charts->heatingPlot.x->titleText(),
            QStringLiteral("Total energy per atom (kJ/mol)"));

  QTemporaryDir out;
  const QString file = out.filePath(QStringLiteral("series.csv"));
  ASSERT_EQ(lab.saveSeries(file), QString());
  QFile csv(file);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(csv.readLine().trimmed(),
            "step,time (ps),temperature (F),thermostat (F),kinetic energy per atom (kJ/mol),"
            "potential energy per atom (kJ/mol),total energy per atom (kJ/mol),"
            "wall pressure (kPa)");
}

TEST_F(Lab, WithoutACardTheLabSaysModelUnitsAndWhyACardWasRefused) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  lab::LabWindow &lab = openLab(f);
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  lab.refresh();
  EXPECT_TRUE(lab.readouts->kinetic->text().endsWith(QStringLiteral(" model units")));
  EXPECT_TRUE(lab.readouts->pressure->text().endsWith(QStringLiteral(" model units")));
  EXPECT_EQ(lab.materials->note->text(), QStringLiteral("No material card: model units"));
  lab.charts->setCurrentIndex(1);
  EXPECT_EQ(lab.charts->energyPlot.y->titleText(), QStringLiteral("Energy per atom (model units)"));

  writeText(QStringLiteral("liquid.card"), "length unit = 0.2 pm\nmass unit = 18\n");
  f.mnuOptionsLiquid->trigger();
  lab.refresh();
  EXPECT_EQ(lab.materials->note->text(),
            QStringLiteral("The material card was refused: model units"));
  EXPECT_TRUE(lab.materials->note->toolTip().contains(QStringLiteral("liquid.card")));
}

TEST_F(Lab, PressureUnitIsChosenInTheLabAndRemembered) {
  useShippedLiquid();
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  lab::LabWindow &lab = openLab(f);
  EXPECT_EQ(lab.pressureUnit(), analysis::PressureUnit::Kilopascal);
  EXPECT_FALSE(lab.pressureUnits->accessibleName().isEmpty());
  EXPECT_FALSE(lab.pressureUnits->toolTip().isEmpty());
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  choosePressureUnit(lab, analysis::PressureUnit::Atmosphere);
  EXPECT_TRUE(lab.readouts->pressure->text().endsWith(QStringLiteral(" atm")));
  EXPECT_EQ(lab::rememberedPressureUnit(), analysis::PressureUnit::Atmosphere);
  EXPECT_EQ(f.StatusBar1->panelText(4), "Temperature: 98.5 F") << "the main window is as before";

  window.reset();
  frmOrvelModel &again = openWindow();
  lab::LabWindow &reopened = openLab(again);
  EXPECT_EQ(reopened.pressureUnit(), analysis::PressureUnit::Atmosphere);
  EXPECT_EQ(reopened.pressureUnits->currentText(), QStringLiteral("atm"));
}

// The shipped liquid held cold freezes, as the phase readout tells.
TEST_F(Lab, HoldingTheLiquidColdFreezesIt) {
  useShippedLiquid();
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  lab::LabWindow &lab = openLab(f);
  chooseUnit(lab, analysis::TemperatureUnit::Kelvin);
  lab.thermostat->value->setValue(150.0);
  f.simulation().setStepsPerTick(50);
  while (f.simulation().step() < 6500) {
    f.Timer1_Timer();
    lab.refresh();
  }
  // Settled: the mean after 5,000 steps within 5 % (one sample swings more).
  double sum = 0.0;
  int samples = 0;
  for (const analysis::Sample &sample : f.simulation().records().samples())
    if (sample.step > 5000) {
      sum += sample.temperature;
      ++samples;
    }
  ASSERT_GT(samples, 0);
  EXPECT_NEAR(sum / samples, 150.0, 7.5);
  ASSERT_EQ(lab.readouts->phases.size(), 1);
  EXPECT_EQ(lab.readouts->phases[0]->text(), QStringLiteral("solid"));
  const auto *caption = qobject_cast<QLabel *>(
      static_cast<QFormLayout *>(lab.readouts->layout())->labelForField(lab.readouts->phases[0]));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), QStringLiteral("water"));
}

TEST_F(Lab, ThePhaseDiagramShowsTheMaterialsMapAndFollowsTheLid) {
  useShippedLiquid();
  QTemporaryDir maps;
  analysis::PhaseMap water{"water", {}};
  water.points.push_back({300.0, 1000.0, 100.0, analysis::PhaseMix::Liquid, 0.0, 1.0, 0.0});
  water.points.push_back({400.0, 10.0, 500.0, analysis::PhaseMix::Gas, 0.0, 0.0, 1.0});
  const std::string text = analysis::writePhaseMap(water);
  QFile file(maps.filePath(QStringLiteral("water.map")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.data(), qint64(text.size()));
  file.close();

  frmOrvelModel &f = openWindow();
  lab::LabWindow &lab = openLab(f);
  lab.phaseDiagram->mapFolder = maps.path();
  f.mnuOptionsLiquid->trigger();
  lab.charts->setCurrentWidget(lab.phaseDiagram);
  EXPECT_EQ(lab.charts->tabText(lab.charts->currentIndex()), QStringLiteral("Phase dia&gram"));
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  lab.refresh();
  ASSERT_EQ(lab.phaseDiagram->diagrams.size(), 1u);
  lab::PhaseDiagram *diagram = lab.phaseDiagram->diagrams[0];
  ASSERT_NE(diagram, nullptr) << "the map of water was found";
  EXPECT_EQ(diagram->densityPlot.phases.size(), 2u);
  ASSERT_EQ(diagram->densityPlot.state->count(), 1) << "the state point, once measured";
  const QPointF before = diagram->densityPlot.state->at(0);
  EXPECT_GT(before.x(), 0.0);

  f.simulation().setLidTarget(0.5);
  for (int tick = 0; tick < 10; ++tick)
    f.Timer1_Timer();
  lab.refresh();
  ASSERT_LT(f.simulation().lidHeight(), 1.0) << "the lid went down";
  EXPECT_GT(diagram->densityPlot.state->at(0).x(), before.x()) << "denser under the lid";
}

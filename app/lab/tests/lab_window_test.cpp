// The Lab on a controller running the test scenarios: the thermostat in the
// chosen unit, readouts, the CSV of the recorded series, a restart and a
// failed load, where it stood and the pressure unit it remembers.
#include "lab_window_fixture.h"

#include "readout_panel.h"
#include "scenario/mod_dorn_dll.h"
#include "series_charts.h"
#include "settings/settings.h"
#include "thermostat_panel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

using analysis::PressureUnit;
using analysis::TemperatureUnit;
using Lab = LabWindowTest;

TEST_F(Lab, ThermostatHoldsInTheChosenUnitAndReachesThreeThousandKelvin) {
  load(testScenario(QStringLiteral("gas.ams")));
  chooseUnit(TemperatureUnit::Kelvin);
  lab->thermostat->value->setValue(150.0);
  EXPECT_TRUE(controller.holding());
  EXPECT_DOUBLE_EQ(controller.thermostat(), 150.0);
  EXPECT_TRUE(lab->thermostat->hold->isChecked());
  EXPECT_EQ(lab->thermostat->slider->value(), 1500);

  EXPECT_NEAR(lab->thermostat->value->maximum(), 3000.0, 0.05);
  EXPECT_EQ(lab->thermostat->value->toolTip(),
            QStringLiteral("The temperature the atoms are held at: from 0 K to 3,000 K."));
  lab->thermostat->slider->setValue(lab->thermostat->slider->maximum());
  EXPECT_DOUBLE_EQ(controller.thermostat(), 3000.0);

  chooseUnit(TemperatureUnit::Celsius);
  EXPECT_NEAR(lab->thermostat->value->value(), 3000.0 - 273.0, 0.05);
  EXPECT_TRUE(lab->thermostat->slider->toolTip().endsWith(
      QStringLiteral("from -273 \u00B0C to 2,727 \u00B0C.")));
  chooseUnit(TemperatureUnit::Fahrenheit);
  EXPECT_TRUE(lab->thermostat->rampTo->toolTip().endsWith(
      QStringLiteral("from -459.4 \u00B0F to 4,940.6 \u00B0F.")));
  chooseUnit(TemperatureUnit::Celsius);
  lab->thermostat->hold->setChecked(false);
  EXPECT_FALSE(controller.holding());
  EXPECT_NEAR(lab->thermostat->value->value(), 50.0 / 1.5 - 273.0, 0.05) << "the file's again";
}

TEST_F(Lab, CsvHoldsEveryRecordedSampleAndAnUnwritableFileIsReported) {
  load(testScenario(QStringLiteral("liquid.ams")));
  tick(30);
  QTemporaryDir out;
  const QString file = out.filePath(QStringLiteral("series.csv"));
  EXPECT_EQ(lab->saveSeries(file), QString());
  QFile csv(file);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = csv.readAll().trimmed().split('\n');
  ASSERT_EQ(qsizetype(lines.size()), qsizetype(controller.records().samples().size()) + 1);
  EXPECT_TRUE(lines[0].startsWith("step,time (model units),temperature (F),thermostat (F)"))
      << "the test scenarios have no material card";
  EXPECT_EQ(lines.last().split(',')[0].toLongLong(), controller.step() - 5);

  const QString nowhere = out.filePath(QStringLiteral("missing/series.csv"));
  EXPECT_TRUE(lab->saveSeries(nowhere).contains(nowhere));
}

TEST_F(Lab, ReadoutsShowTheMeasurementsAndOneRowPerMaterial) {
  EXPECT_EQ(lab->readouts->temperature->text(), QStringLiteral("\u2013"));
  load(testScenario(QStringLiteral("liquid.ams")));
  tick(10);
  lab->refresh();
  EXPECT_TRUE(lab->readouts->temperature->text().endsWith(QStringLiteral(" \u00B0F")));
  EXPECT_EQ(lab->readouts->atoms->text(), QStringLiteral("4"));
  EXPECT_EQ(lab->readouts->steps->text(), QStringLiteral("50"));
  ASSERT_EQ(lab->readouts->phases.size(), 1);
  EXPECT_EQ(lab->readouts->phases[0]->text(), QStringLiteral("\u2026")) << "too early to tell";
}

TEST_F(Lab, RestartClearsTheGraphsAndStopsTheRampButAFailedLoadKeepsThem) {
  const QString liquid = testScenario(QStringLiteral("liquid.ams"));
  load(liquid);
  lab->thermostat->ramp->click();
  EXPECT_TRUE(controller.ramping());
  EXPECT_EQ(lab->thermostat->ramp->text(), "Stop &ramp");
  tick(10);
  EXPECT_THROW(load(testScenario(QStringLiteral("missing.ams"))), ModDornDll::ScenarioError);
  EXPECT_TRUE(controller.ramping());
  EXPECT_FALSE(controller.records().samples().empty());

  load(liquid); // a restart loads the running file again
  lab->refresh();
  EXPECT_FALSE(controller.ramping());
  EXPECT_EQ(lab->thermostat->ramp->text(), "&Ramp");
  EXPECT_EQ(lab->charts->temperature->count(), 0);
  EXPECT_EQ(lab->charts->heating->count(), 0);
}

TEST_F(Lab, RemembersWhereItStood) {
  lab->setGeometry(QRect(700, 40, 820, 520));
  lab->close();
  openLab();
  EXPECT_EQ(lab->size(), QSize(820, 520));
}

TEST_F(Lab, PressureUnitIsChosenInTheLabAndRemembered) {
  load(shippedScenario(QStringLiteral("liquid.ams")));
  EXPECT_EQ(lab->pressureUnit(), PressureUnit::Kilopascal);
  EXPECT_FALSE(lab->pressureUnits->accessibleName().isEmpty());
  EXPECT_FALSE(lab->pressureUnits->toolTip().isEmpty());
  tick(10);
  int temperatureUnitsChosen = 0;
  QObject::connect(lab.get(), &lab::LabWindow::unitChosen,
                   [&temperatureUnitsChosen] { ++temperatureUnitsChosen; });
  choosePressureUnit(PressureUnit::Atmosphere);
  EXPECT_TRUE(lab->readouts->pressure->text().endsWith(QStringLiteral(" atm")));
  EXPECT_EQ(settings::pressureUnit(), PressureUnit::Atmosphere);
  EXPECT_EQ(temperatureUnitsChosen, 0) << "the temperature unit is the main window's";
  EXPECT_EQ(lab->unit(), TemperatureUnit::Fahrenheit);

  openLab();
  EXPECT_EQ(lab->pressureUnit(), PressureUnit::Atmosphere);
  EXPECT_EQ(lab->pressureUnits->currentText(), QStringLiteral("atm"));
}

// The Lab with and without a material card: real units from the shipped
// water's card, model units and the reason a card was refused, the shipped
// liquid freezing when held cold, and the phase diagram of its map.
#include "lab_window_fixture.h"

#include "analysis/phase_map.h"
#include "materials_panel.h"
#include "phase_diagram.h"
#include "phase_diagram_tab.h"
#include "readout_panel.h"
#include "series_charts.h"
#include "thermostat_panel.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QValueAxis>

using Lab = LabWindowTest;

TEST_F(Lab, WithTheShippedWaterCardEverythingIsInRealUnits) {
  load(shippedScenario(QStringLiteral("liquid.ams")));
  tick(10);
  lab->refresh();
  EXPECT_TRUE(lab->readouts->kinetic->text().endsWith(QStringLiteral(" kJ/mol")));
  EXPECT_TRUE(lab->readouts->pressure->text().endsWith(QStringLiteral(" kPa")));
  EXPECT_TRUE(lab->readouts->steps->text().startsWith(QStringLiteral("50 (")));
  EXPECT_TRUE(lab->readouts->steps->text().endsWith(QStringLiteral(" ps)")));
  ASSERT_EQ(lab->materials->rows.size(), 1);
  EXPECT_EQ(lab->materials->rows[0].name->text(), QStringLiteral("water"));
  EXPECT_EQ(lab->materials->rows[0].melting->text(), QStringLiteral("32 \u00B0F"));
  EXPECT_TRUE(lab->materials->rows[0].melting->toolTip().contains(QStringLiteral("CRC")));
  EXPECT_EQ(lab->materials->lengthUnit->text(), QStringLiteral("0.2 pm"));
  EXPECT_EQ(lab->materials->massUnit->text(), QStringLiteral("18.02 u"));
  EXPECT_TRUE(lab->materials->note->isHidden());

  for (int tab = 0; tab < lab->charts->count(); ++tab)
    lab->charts->setCurrentIndex(tab);
  EXPECT_EQ(lab->charts->energyPlot.y->titleText(), QStringLiteral("Energy per atom (kJ/mol)"));
  EXPECT_EQ(lab->charts->pressurePlot.y->titleText(), QStringLiteral("Wall pressure (kPa)"));
  EXPECT_EQ(lab->charts->heatingPlot.x->titleText(),
            QStringLiteral("Total energy per atom (kJ/mol)"));

  QTemporaryDir out;
  const QString file = out.filePath(QStringLiteral("series.csv"));
  ASSERT_EQ(lab->saveSeries(file), QString());
  QFile csv(file);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(csv.readLine().trimmed(),
            "step,time (ps),temperature (F),thermostat (F),kinetic energy per atom (kJ/mol),"
            "potential energy per atom (kJ/mol),total energy per atom (kJ/mol),"
            "wall pressure (kPa)");
}

TEST_F(Lab, WithoutACardTheLabSaysModelUnitsAndWhyACardWasRefused) {
  QTemporaryDir folder;
  const QString liquid = folder.filePath(QStringLiteral("liquid.ams"));
  ASSERT_TRUE(QFile::copy(testScenario(QStringLiteral("liquid.ams")), liquid));
  load(liquid);
  tick(10);
  lab->refresh();
  EXPECT_TRUE(lab->readouts->kinetic->text().endsWith(QStringLiteral(" model units")));
  EXPECT_TRUE(lab->readouts->pressure->text().endsWith(QStringLiteral(" model units")));
  EXPECT_EQ(lab->materials->note->text(), QStringLiteral("No material card: model units"));
  lab->charts->setCurrentIndex(1);
  EXPECT_EQ(lab->charts->energyPlot.y->titleText(),
            QStringLiteral("Energy per atom (model units)"));

  QFile card(folder.filePath(QStringLiteral("liquid.card")));
  ASSERT_TRUE(card.open(QIODevice::WriteOnly));
  card.write("length unit = 0.2 pm\nmass unit = 18\n");
  card.close();
  load(liquid);
  lab->refresh();
  EXPECT_EQ(lab->materials->note->text(),
            QStringLiteral("The material card was refused: model units"));
  EXPECT_TRUE(lab->materials->note->toolTip().contains(QStringLiteral("liquid.card")));
}

// The shipped liquid held cold freezes, as the phase readout tells.
TEST_F(Lab, HoldingTheLiquidColdFreezesIt) {
  load(shippedScenario(QStringLiteral("liquid.ams")));
  chooseUnit(analysis::TemperatureUnit::Kelvin);
  lab->thermostat->value->setValue(150.0);
  controller.setStepsPerTick(50);
  while (controller.step() < 6500) {
    controller.tick();
    lab->refresh();
  }
  lab->refreshWithPhasesMeasured(); // the readout of the last frame, not of one before
  // Settled: the mean after 5,000 steps within 5 % (one sample swings more).
  double sum = 0.0;
  int samples = 0;
  for (const analysis::Sample &sample : controller.records().samples())
    if (sample.step > 5000) {
      sum += sample.temperature;
      ++samples;
    }
  ASSERT_GT(samples, 0);
  EXPECT_NEAR(sum / samples, 150.0, 7.5);
  ASSERT_EQ(lab->readouts->phases.size(), 1);
  EXPECT_EQ(lab->readouts->phases[0]->text(), QStringLiteral("solid"));
  const auto *caption = qobject_cast<QLabel *>(
      static_cast<QFormLayout *>(lab->readouts->layout())->labelForField(lab->readouts->phases[0]));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), QStringLiteral("water"));
}

TEST_F(Lab, ThePhaseDiagramShowsTheMaterialsMapAndFollowsTheLid) {
  QTemporaryDir maps;
  analysis::PhaseMap water{"water", {}};
  water.points.push_back({300.0, 1000.0, 100.0, analysis::PhaseMix::Liquid, 0.0, 1.0, 0.0});
  water.points.push_back({400.0, 10.0, 500.0, analysis::PhaseMix::Gas, 0.0, 0.0, 1.0});
  const std::string text = analysis::writePhaseMap(water);
  QFile file(maps.filePath(QStringLiteral("water.map")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.data(), qint64(text.size()));
  file.close();

  lab->phaseDiagram->mapFolder = maps.path();
  load(shippedScenario(QStringLiteral("liquid.ams")));
  lab->charts->setCurrentWidget(lab->phaseDiagram);
  EXPECT_EQ(lab->charts->tabText(lab->charts->currentIndex()), QStringLiteral("Phase dia&gram"));
  tick(10);
  lab->refresh();
  ASSERT_EQ(lab->phaseDiagram->diagrams.size(), 1u);
  lab::PhaseDiagram *diagram = lab->phaseDiagram->diagrams[0];
  ASSERT_NE(diagram, nullptr) << "the map of water was found";
  EXPECT_EQ(diagram->densityPlot.phases.size(), 2u);
  ASSERT_EQ(diagram->densityPlot.state->count(), 1) << "the state point, once measured";
  const QPointF before = diagram->densityPlot.state->at(0);
  EXPECT_GT(before.x(), 0.0);

  controller.setLidTarget(0.5);
  tick(10);
  lab->refresh();
  ASSERT_LT(controller.lidHeight(), 1.0) << "the lid went down";
  EXPECT_GT(diagram->densityPlot.state->at(0).x(), before.x()) << "denser under the lid";
}

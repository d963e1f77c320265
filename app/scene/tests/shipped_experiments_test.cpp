// Every shipped experiment worked through from its first step to its last,
// as a student does it: the window's Experiments panel opens it, the
// simulation runs between the steps, the Measure button takes the readings,
// the answers are typed or chosen, and every check is met.
#include "run_folder_fixture.h"

#include "answer_input.h"
#include "experiment_window.h"
#include "experiments/checks.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

const QString kResources = QStringLiteral(CORVANTA_RESOURCES_DIR);

class ShippedExperiment : public RunFolderTest {
protected:
  // The shipped scenarios and their cards replace the fixture's small ones,
  // and the experiments lie where the program finds them.
  void SetUp() override {
    RunFolderTest::SetUp();
    const QDir resources(kResources);
    for (const QString &name :
         resources.entryList({QStringLiteral("*.ams"), QStringLiteral("*.card")}, QDir::Files))
      copy(resources.filePath(name), path(name));
    QDir().mkpath(path(QStringLiteral("experiments")));
    const QDir shipped(resources.filePath(QStringLiteral("experiments")));
    for (const QString &name : shipped.entryList(QDir::Files))
      copy(shipped.filePath(name), path(QStringLiteral("experiments/") + name));
  }

  static void copy(const QString &from, const QString &to) {
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to)) << from.toStdString();
  }

  guide::ExperimentWindow &start(const QString &name) {
    frmOrvelModel &f = openWindow();
    EXPECT_TRUE(f.startExperiment(name)) << messages.join(QLatin1Char('\n')).toStdString();
    panel = f.experimentsWindow();
    EXPECT_TRUE(panel->problem->text().isEmpty()) << panel->problem->text().toStdString();
    return *panel;
  }

  // The simulation runs on for `steps` steps as the window's timer runs it,
  // and the panel follows the phases as its own timer does.
  void run(std::int64_t steps) {
    simulation::SimulationController &controller = window->simulation();
    const std::int64_t end = controller.step() + steps;
    std::int64_t observed = controller.step();
    while (controller.step() < end) {
      window->Timer1_Timer();
      if (controller.step() - observed >= kObserveSteps) {
        panel->session().observe();
        observed = controller.step();
      }
    }
    panel->session().observe();
  }

  // Presses Measure and expects a value; returns it as the panel shows it.
  std::string measure() {
    panel->measureButton->click();
    EXPECT_TRUE(panel->problem->isHidden()) << panel->problem->text().toStdString();
    const int step = panel->session().step();
    const auto &measured = panel->session().record().steps[std::size_t(step)].measured;
    EXPECT_TRUE(measured.has_value()) << "step " << step + 1;
    const std::string shown = measured ? experiments::formatValue(*measured) : std::string("—");
    std::printf("  step %d (%s): measured %s\n", step + 1,
                panel->session().currentStep().title.c_str(), shown.c_str());
    return shown;
  }

  // Types the answer into the number or text box, or picks the choice.
  void answer(const QString &given) {
    if (panel->answer->choices->isVisible() || panel->answer->line->isHidden()) {
      const int index = panel->answer->choices->findText(given);
      ASSERT_GE(index, 1) << given.toStdString();
      panel->answer->choices->setCurrentIndex(index);
      emit panel->answer->choices->activated(index);
      return;
    }
    panel->answer->line->clear();
    QTest::keyClicks(panel->answer->line, given);
  }

  // The measured number of a step, for the student to read off a graph.
  double measuredNumber(int step) const {
    return panel->session().record().steps[std::size_t(step)].measured.value().number.value();
  }

  // Every check of the open step is met.
  void expectChecksMet() {
    panel->checkButton->click();
    const int step = panel->session().step();
    for (const experiments::Verdict &verdict : panel->session().verdicts(step))
      EXPECT_EQ(verdict.outcome, experiments::Outcome::Passed)
          << "step " << step + 1 << ": " << panel->feedback->text().toStdString();
  }

  void next() {
    panel->next->click();
    EXPECT_TRUE(panel->problem->isHidden()) << panel->problem->text().toStdString();
  }

  static constexpr std::int64_t kObserveSteps = 250;
  guide::ExperimentWindow *panel = nullptr;
};

// The text of a PDF as pdftotext reads it; null when it cannot be run.
QString pdfText(const QString &pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
    return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// A number as a student reads it off a graph: to the nearest tenth.
QString readOff(double value) { return QString::number(value, 'f', 1); }

} // namespace

TEST_F(ShippedExperiment, TheThreeStates) {
  start(QStringLiteral("three-states"));
  const char *answers[] = {"They shake about fixed places", "They slide past each other",
                           "They fly about freely"};
  for (const char *given : answers) {
    run(3000);
    measure();
    answer(QString::fromUtf8(given));
    expectChecksMet();
    next();
  }
  answer(QStringLiteral("Close together in a solid and a liquid, far apart in a gas."));
  EXPECT_EQ(panel->session().record().steps[3].answer->text,
            "Close together in a solid and a liquid, far apart in a gas.");
}

// The melting plateau is recorded and its value ends up in the PDF
// worksheet, as a student hands it in.
TEST_F(ShippedExperiment, TheMeltingPoint) {
  start(QStringLiteral("melting-point"));
  run(3000);
  measure();
  expectChecksMet();
  next();
  run(120000);
  const std::string melting = measure();
  answer(readOff(measuredNumber(1)));
  expectChecksMet();
  next();
  run(3000);
  measure();
  answer(QStringLiteral("Within 5 % of it"));
  expectChecksMet();

  panel->session().setStudent(QStringLiteral("Ada Lovelace"));
  const QString pdf = path(QStringLiteral("worksheet.pdf"));
  ASSERT_TRUE(panel->writeWorksheet(pdf)) << panel->problem->text().toStdString();
  const QString text = pdfText(pdf);
  if (text.isNull())
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  EXPECT_TRUE(text.contains(QStringLiteral("Ada Lovelace")));
  EXPECT_TRUE(text.contains(QString::fromStdString(melting))) << melting;
}

TEST_F(ShippedExperiment, TheBoilingRange) {
  start(QStringLiteral("boiling-range"));
  run(20000);
  measure();
  expectChecksMet();
  const char *answers[] = {"Most of it is still liquid", nullptr, "Between 450 K and 650 K"};
  for (const char *given : answers) {
    next();
    run(30000);
    measure();
    if (given != nullptr)
      answer(QString::fromUtf8(given));
    expectChecksMet();
  }
}

TEST_F(ShippedExperiment, TowardAbsoluteZero) {
  start(QStringLiteral("absolute-zero"));
  run(3000);
  measure();
  expectChecksMet();
  next();
  run(10000);
  measure();
  answer(QStringLiteral("They hardly move from their places"));
  expectChecksMet();
  next();
  run(10000);
  measure();
  answer(QStringLiteral("The particles almost stop"));
  expectChecksMet();
  next();
  answer(QStringLiteral("No, 0 K is the lowest there is"));
  expectChecksMet();
}

TEST_F(ShippedExperiment, TheEnergyOfTwoAtoms) {
  start(QStringLiteral("two-atoms"));
  run(1000);
  measure();
  answer(readOff(measuredNumber(0)));
  expectChecksMet();
  next();
  measure();
  answer(readOff(measuredNumber(1)));
  expectChecksMet();
  next();
  measure();
  answer(QStringLiteral("Close to the bottom of the well"));
  expectChecksMet();
}

TEST_F(ShippedExperiment, BoylesLaw) {
  start(QStringLiteral("boyles-law"));
  run(6000);
  measure();
  answer(readOff(measuredNumber(0)));
  expectChecksMet();
  next();
  measure();
  next();
  run(40000);
  measure();
  answer(QStringLiteral("It about doubled"));
  expectChecksMet();
  next();
  measure();
  expectChecksMet();
  next();
  run(40000);
  measure();
  answer(QStringLiteral("About three times the first pressure"));
  expectChecksMet();
}

TEST_F(ShippedExperiment, TheHeatingCurveAndLatentHeat) {
  start(QStringLiteral("heating-curve"));
  run(120000);
  measure();
  answer(QStringLiteral("The temperature hardly rises while the energy grows"));
  expectChecksMet();
  next();
  measure();
  answer(readOff(measuredNumber(1)));
  expectChecksMet();
}

TEST_F(ShippedExperiment, EvaporationAndEvaporativeCooling) {
  start(QStringLiteral("evaporation"));
  run(40000);
  measure();
  next();
  run(40000);
  measure();
  answer(QStringLiteral("More molecules escape and stay in the vapour"));
  expectChecksMet();
  next();
  measure();
  answer(QStringLiteral("The fastest molecules escape and take their energy with them"));
  expectChecksMet();
}

TEST_F(ShippedExperiment, ThePhaseDiagram) {
  start(QStringLiteral("phase-diagram"));
  run(3000);
  measure();
  answer(QStringLiteral("In the gas region"));
  expectChecksMet();
  next();
  run(60000);
  measure();
  answer(QStringLiteral("Near the line between liquid and gas"));
  expectChecksMet();
  next();
  run(20000);
  measure();
  answer(QStringLiteral("It froze: the molecules stay in their places"));
  expectChecksMet();
}

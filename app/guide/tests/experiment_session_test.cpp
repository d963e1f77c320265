// A student's way through a lesson: each step's set-up reaches the
// controller and the stage in the order the lesson gives it, once per step
// unless asked again, and what the student recorded outlives going back and
// forth, restarts and other scenarios.
#include "session_fixture.h"

#include "analysis/real_units.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using experiments::Value;

const QString kCommanded = QStringLiteral("commanded");

// Two steps on two scenarios, each with a measurement and a question.
const std::string kTwoScenarios = R"(experiment = Two scenarios
step = The pair
do = load pair.ams
measure = well depth 0 1
ask = number kJ/mol
question = How deep is the well?
step = The gas
do = load gas.ams
do = thermostat 150 K
measure = temperature
ask = choice hot | cold
question = Is it hot?
)";

} // namespace

TEST_F(SessionTest, OpeningPerformsTheFirstStepsSetUpInTheLessonsOrder) {
  const QString problem = open(R"(experiment = Everything at once
step = Set the stage
do = load gas.ams
do = speed 20
do = unit °C
do = open large-view
do = chart pressure
do = thermostat 150 K
do = lid 60 %
do = pause
do = open interactions
step = Later
do = speed 3
)");
  EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
  EXPECT_EQ(stage.calls, QStringList({"load gas.ams", "speed 20", "unit °C", "open large-view",
                                      "chart pressure", "pause", "open interactions", kCommanded}));
  const simulation::SimulationController &controller = stage.controller();
  EXPECT_EQ(running(), QStringLiteral("gas.ams"));
  EXPECT_TRUE(controller.holding());
  EXPECT_DOUBLE_EQ(controller.thermostat(), 150.0);
  EXPECT_DOUBLE_EQ(controller.lidTarget(), 0.6);
  EXPECT_TRUE(controller.paused());
  EXPECT_EQ(controller.stepsPerTick(), 20);
  EXPECT_TRUE(controller.measuring()) << "the measurements need the measured series";
  EXPECT_EQ(session.step(), 0);
  EXPECT_EQ(session.stepCount(), 2);
}

TEST_F(SessionTest, ARampHoldsTheAtomsAndHeatsThemFromItsFirstTemperatureToItsSecond) {
  open(R"(experiment = Heat it
step = Ramp
do = load gas.ams
do = ramp 100 K 300 K 4000 steps
do = unit K
)");
  const simulation::SimulationController &controller = stage.controller();
  ASSERT_TRUE(controller.ramping());
  EXPECT_TRUE(controller.holding());
  EXPECT_DOUBLE_EQ(controller.thermostat(), 100.0);
  EXPECT_DOUBLE_EQ(controller.ramp()->to, 300.0);
  EXPECT_EQ(controller.ramp()->steps, 4000);
  EXPECT_EQ(stage.calls, QStringList({"load gas.ams", "unit K", kCommanded}));
  ASSERT_TRUE(run(2000));
  EXPECT_NEAR(controller.thermostat(), 200.0, 10.0) << "halfway through the ramp";
}

TEST_F(SessionTest, InsulateCutsTheAtomsOffAndReleaseHandsThemBackToTheScenario) {
  open(R"(experiment = Heat in and out
step = Insulate
do = load gas.ams
do = thermostat 200 K
do = insulate
step = Release
do = thermostat 250 K
do = release
)");
  const simulation::SimulationController &controller = stage.controller();
  EXPECT_TRUE(controller.insulated());
  EXPECT_FALSE(controller.holding()) << "an insulated box has no thermostat";
  ASSERT_TRUE(session.goTo(1).isEmpty());
  EXPECT_FALSE(controller.insulated());
  EXPECT_FALSE(controller.holding());
}

TEST_F(SessionTest, HoldPressureHoldsTheLessonsPressureInTheScenariosOwnUnits) {
  ASSERT_TRUE(open(R"(experiment = Press
step = Hold
do = load pair.ams
do = hold pressure 2 atm
)")
                  .isEmpty());
  const simulation::SimulationController &controller = stage.controller();
  ASSERT_TRUE(controller.heldPressure());
  const auto units = ModDornDll::unitsOf(controller.card());
  ASSERT_TRUE(units);
  EXPECT_NEAR(analysis::kilopascalsFromModelPressure(*controller.heldPressure(), *units), 202.65,
              1e-6);
}

TEST_F(SessionTest, HoldPressureOnAScenarioWithoutACardSaysWhyItCannot) {
  const QString problem = open(R"(experiment = Press
step = Hold
do = load bare.ams
do = hold pressure 200 kPa
do = speed 7
)");
  EXPECT_TRUE(problem.contains(QStringLiteral("material card"))) << problem.toStdString();
  EXPECT_EQ(session.setUpProblem(), problem);
  EXPECT_FALSE(stage.controller().heldPressure());
  EXPECT_FALSE(stage.calls.contains(QStringLiteral("speed 7")))
      << "the set-up stops at the action that failed";
}

TEST_F(SessionTest, NextSetsAStepUpOnlyTheFirstTimeItOpensAndSetUpAgainRedoesIt) {
  open(kTwoScenarios);
  ASSERT_TRUE(session.goTo(1).isEmpty());
  EXPECT_EQ(session.step(), 1);
  EXPECT_EQ(running(), QStringLiteral("gas.ams"));
  EXPECT_DOUBLE_EQ(stage.controller().thermostat(), 150.0);
  stage.controller().setThermostat(250.0); // the student turns the thermostat
  const QStringList before = stage.calls;

  EXPECT_TRUE(session.goTo(0).isEmpty());
  EXPECT_TRUE(session.goTo(1).isEmpty());
  EXPECT_EQ(session.step(), 1);
  EXPECT_EQ(stage.calls, before) << "Back and Next only move between the steps";
  EXPECT_EQ(running(), QStringLiteral("gas.ams"));
  EXPECT_DOUBLE_EQ(stage.controller().thermostat(), 250.0);

  EXPECT_TRUE(session.setUpAgain().isEmpty());
  EXPECT_EQ(stage.count(QStringLiteral("load gas.ams")), 2);
  EXPECT_DOUBLE_EQ(stage.controller().thermostat(), 150.0);
  EXPECT_EQ(stage.controller().step(), 0) << "the scenario starts afresh";
}

TEST_F(SessionTest, StepsOutsideTheLessonAreNotOpened) {
  open(kTwoScenarios);
  const QStringList before = stage.calls;
  EXPECT_TRUE(session.goTo(-1).isEmpty());
  EXPECT_TRUE(session.goTo(2).isEmpty());
  EXPECT_EQ(session.step(), 0);
  EXPECT_EQ(stage.calls, before);
}

TEST_F(SessionTest, ALessonWhoseScenarioIsMissingSaysWhichFileAndStaysOnItsFirstStep) {
  const QString problem = open(R"(experiment = Lost
step = Nowhere
do = load missing.ams
do = speed 9
step = After
)");
  EXPECT_TRUE(problem.contains(QStringLiteral("missing.ams"))) << problem.toStdString();
  EXPECT_EQ(session.setUpProblem(), problem);
  EXPECT_TRUE(session.isOpen());
  EXPECT_EQ(session.step(), 0);
  EXPECT_FALSE(stage.controller().running());
  EXPECT_FALSE(stage.calls.contains(QStringLiteral("speed 9")));
}

TEST_F(SessionTest, AScenarioTheStageCannotLoadIsNamedInTheProblem) {
  QTemporaryDir folder;
  QFile broken(QDir(folder.path()).filePath(QStringLiteral("broken.ams")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("Version = 1.0\nNumber of atoms = many\n");
  broken.close();
  const QString problem =
      open("experiment = Broken\nstep = Load\ndo = load broken.ams\n", folder.path());
  EXPECT_TRUE(problem.contains(QStringLiteral("broken.ams"))) << problem.toStdString();
  EXPECT_TRUE(problem.contains(QStringLiteral("cannot be loaded"))) << problem.toStdString();
}

TEST_F(SessionTest, NextToAStepWhoseScenarioIsMissingStaysOnTheOpenStep) {
  open("experiment = Lost later\nstep = Here\ndo = load gas.ams\n"
       "step = Gone\ndo = load missing.ams\n");
  const QString problem = session.goTo(1);
  EXPECT_TRUE(problem.contains(QStringLiteral("missing.ams"))) << problem.toStdString();
  EXPECT_EQ(session.step(), 0);
  EXPECT_EQ(running(), QStringLiteral("gas.ams"));
}

// The open step is still the first, whose set-up went well: the problem of
// the step that was not entered belongs to no open step.
TEST_F(SessionTest, AFailedNextLeavesNoSetUpProblemOnTheStepThatStaysOpen) {
  open("experiment = Lost later\nstep = Here\ndo = load gas.ams\n"
       "step = Gone\ndo = load missing.ams\n");
  ASSERT_FALSE(session.goTo(1).isEmpty());
  EXPECT_EQ(session.step(), 0);
  EXPECT_TRUE(session.setUpProblem().isEmpty()) << session.setUpProblem().toStdString();
}

TEST_F(SessionTest, NextTriesAStepsSetUpAgainOnceItsScenarioIsThere) {
  QTemporaryDir folder;
  const QString later = QDir(folder.path()).filePath(QStringLiteral("later.ams"));
  open("experiment = Later\nstep = Here\ndo = load gas.ams\nstep = There\ndo = load later.ams\n",
       folder.path());
  ASSERT_FALSE(session.goTo(1).isEmpty());
  ASSERT_TRUE(QFile::copy(QDir(testData()).filePath(QStringLiteral("pair.ams")), later));
  EXPECT_TRUE(session.goTo(1).isEmpty());
  EXPECT_EQ(session.step(), 1);
  EXPECT_EQ(running(), QStringLiteral("later.ams"));
}

TEST_F(SessionTest, AScenarioBesideTheLessonWinsOverAShippedOneOfTheSameName) {
  QTemporaryDir folder;
  ASSERT_TRUE(QFile::copy(QDir(testData()).filePath(QStringLiteral("pair.ams")),
                          QDir(folder.path()).filePath(QStringLiteral("gas.ams"))));
  open("experiment = Own gas\nstep = Load\ndo = load gas.ams\n", folder.path());
  EXPECT_EQ(QString::fromStdString(stage.controller().scenarioPath()),
            QDir(folder.path()).filePath(QStringLiteral("gas.ams")));
  EXPECT_EQ(stage.controller().atoms(), 4);
}

TEST_F(SessionTest, AnswersAndMeasurementsOutliveBackNextRestartsAndOtherScenarios) {
  open(kTwoScenarios);
  ASSERT_TRUE(session.measure().isEmpty());
  const Value depth{2.4, "kJ/mol", {}};
  session.answer(depth);
  const Value measured = recorded(0).measured.value();
  session.goTo(1);
  const Value hot{std::nullopt, {}, "hot"};
  session.answer(hot);
  const auto expectKept = [&](const char *after) {
    EXPECT_EQ(recorded(0).measured, measured) << after;
    EXPECT_EQ(recorded(0).answer, depth) << after;
    EXPECT_EQ(recorded(1).answer, hot) << after;
  };
  session.goTo(0);
  expectKept("Back");
  session.goTo(1);
  expectKept("Next");
  stage.controller().load(stage.shippedScenario(QStringLiteral("gas.ams")).toStdString());
  expectKept("a restart of the scenario");
  ASSERT_TRUE(stage.loadScenario(stage.shippedScenario(QStringLiteral("liquid.ams"))));
  expectKept("another scenario");
  session.setUpAgain();
  expectKept("Set up again");
  session.answer(std::nullopt);
  EXPECT_FALSE(recorded(1).answer) << "an answer taken back is gone";
  EXPECT_EQ(recorded(0).answer, depth) << "from its own step only";
}

TEST_F(SessionTest, ANewLessonStartsAnEmptyRecordThatKeepsTheStudentsName) {
  open(kTwoScenarios);
  session.setStudent(QStringLiteral("Ada Lovelace"));
  session.answer(Value{2.4, "kJ/mol", {}});
  ASSERT_TRUE(session.measure().isEmpty());
  open("experiment = Short\nstep = One\nstep = Two\nstep = Three\n");
  EXPECT_EQ(session.record().student, "Ada Lovelace");
  ASSERT_EQ(session.record().steps.size(), 3u);
  EXPECT_FALSE(recorded(0).answer);
  EXPECT_FALSE(recorded(0).measured);
  EXPECT_EQ(session.step(), 0);
}

// The measurements a step takes of the running simulation and the checks
// judged on them: a value is recorded in the unit a student reads, or the
// session says what to do first and records nothing.
#include "session_fixture.h"

#include "analysis/wall_pressure.h"

#include <QDir>
#include <QImage>

#include <cmath>

namespace {

using experiments::Outcome;
using experiments::Value;

// k·N_A: kilojoules per mole for an energy of one kelvin per atom.
constexpr double kKilojoulesPerMolePerKelvin = 8.314462618e-3;
constexpr double kThermostatKelvin = 300.0;
// Enough for the temperature's mean over 2,000 steps.
constexpr std::int64_t kTemperatureRun = 2100;
// Enough for the phases, told from frames 1,000 steps apart.
constexpr std::int64_t kPhaseRun = 1500;
// pair.card: a model length unit is 0.2 pm.
constexpr double kPairNanometres = 0.0002;

const std::string kGasPhase = "experiment = States\nstep = Gas\ndo = load gas.ams\n"
                              "do = thermostat 300 K\nmeasure = phase 0\n";

// The depth of the engine's pair energy A·s²·(s² − b): its lowest value,
// A·b²/4, at s² = b/2.
double wellDepthKilojoules(double a, double b) {
  return a * b * b / 4.0 * kKilojoulesPerMolePerKelvin;
}

// pair.ams has a box of 20,000 × 16,000 × 12,000 model units of 0.2 pm.
double pairRoomNm3(double boxHeight) {
  const double skins = 2.0 * analysis::kWallSkin;
  return (20000 - skins) * (boxHeight - skins) * (12000 - skins) * std::pow(kPairNanometres, 3);
}

std::string temperatureLesson(const std::string &extra = {}) {
  return "experiment = Warm gas\nstep = Measure\ndo = load gas.ams\ndo = thermostat 300 K\n" +
         extra + "measure = temperature\n";
}

} // namespace

TEST_F(SessionTest, TheTemperatureIsTheMeanOverTwoThousandStepsInKelvin) {
  open(temperatureLesson());
  const QString early = session.measure();
  EXPECT_TRUE(early.contains(QStringLiteral("run a little longer"))) << early.toStdString();
  EXPECT_FALSE(recorded(0).measured) << "nothing is recorded before it can be measured";
  ASSERT_TRUE(run(kTemperatureRun));
  const QString problem = session.measure();
  ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  const Value measured = recorded(0).measured.value();
  EXPECT_EQ(measured.unit, "K");
  EXPECT_NEAR(measured.number.value(), kThermostatKelvin, 0.1 * kThermostatKelvin);
}

TEST_F(SessionTest, MeasuringWhilePausedSaysThatTheSimulationIsPaused) {
  open(temperatureLesson("do = pause\n"));
  EXPECT_FALSE(run(kTemperatureRun));
  const QString problem = session.measure();
  EXPECT_TRUE(problem.contains(QStringLiteral("paused"))) << problem.toStdString();
  EXPECT_TRUE(problem.contains(QStringLiteral("run a little longer"))) << problem.toStdString();
  EXPECT_FALSE(recorded(0).measured);
}

TEST_F(SessionTest, TheWellDepthIsTheDepthOfTheNamedPairsEnergyInKilojoulesPerMole) {
  open("experiment = Wells\nstep = Unlike\ndo = load pair.ams\nmeasure = well depth 0 1\n"
       "step = Like\nmeasure = well depth 0 0\n");
  ASSERT_TRUE(session.measure().isEmpty());
  session.goTo(1);
  ASSERT_TRUE(session.measure().isEmpty()) << "a step without a load measures the one before";
  // pair.ams: (0, 0) is 1024, 1, 1412, 2048 and (0, 1) is 512, 1.5, 1300, 1900.
  const Value unlike = recorded(0).measured.value();
  const Value like = recorded(1).measured.value();
  EXPECT_EQ(unlike.unit, "kJ/mol");
  EXPECT_NEAR(unlike.number.value(), wellDepthKilojoules(512, 1.5), 1e-3);
  EXPECT_NEAR(like.number.value(), wellDepthKilojoules(1024, 1), 1e-3);
}

TEST_F(SessionTest, AWellBetweenMaterialsTheScenarioLacksIsNotMeasured) {
  open("experiment = Wells\nstep = Third\ndo = load pair.ams\nmeasure = well depth 0 2\n");
  const QString problem = session.measure();
  EXPECT_TRUE(problem.contains(QStringLiteral("no material 2"))) << problem.toStdString();
  EXPECT_FALSE(recorded(0).measured);
}

TEST_F(SessionTest, TheVolumeIsTheRoomInsideTheWallsInCubicNanometresOnceTheLidHasStopped) {
  open("experiment = Squeeze\nstep = Full\ndo = load pair.ams\nmeasure = volume\n"
       "step = Lower\ndo = lid 80 %\nmeasure = volume\n");
  ASSERT_TRUE(session.measure().isEmpty());
  EXPECT_EQ(recorded(0).measured->unit, "nm³");
  EXPECT_NEAR(recorded(0).measured->number.value(), pairRoomNm3(16000), 1e-6);

  session.goTo(1);
  const QString moving = session.measure();
  EXPECT_TRUE(moving.contains(QStringLiteral("lid"))) << moving.toStdString();
  EXPECT_FALSE(recorded(1).measured);
  runUntilTheLidStops();
  const QString problem = session.measure();
  ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  EXPECT_NEAR(recorded(1).measured->number.value(), pairRoomNm3(0.8 * 16000), 1e-6);
}

// The lid never leaves less than three skins of room: in a low box it stops
// above the lesson's 30 %, and the volume is measured there.
TEST_F(SessionTest, TheVolumeIsMeasuredWhereTheLidStopsAboveTheLessonsLowestHeight) {
  open("experiment = Squeeze\nstep = Low\ndo = load pair.ams\ndo = lid 30 %\n"
       "measure = volume\n");
  runUntilTheLidStops();
  const QString problem = session.measure();
  ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  EXPECT_NEAR(recorded(0).measured->number.value(), pairRoomNm3(3 * analysis::kWallSkin), 1e-6);
}

TEST_F(SessionTest, ThePhaseOfAMaterialIsRecordedAsItsName) {
  open(kGasPhase);
  ASSERT_TRUE(run(kPhaseRun));
  ASSERT_TRUE(session.measure().isEmpty());
  EXPECT_EQ(recorded(0).measured, (Value{std::nullopt, {}, "gas"}));
}

// Measure pressed at once, before the panel's timer has shown the session a
// frame of the atoms.
TEST_F(SessionTest, APhaseMeasuredAtTheStartAsksForALongerRun) {
  open(kGasPhase);
  const QString early = session.measure();
  EXPECT_TRUE(early.contains(QStringLiteral("run a little longer"))) << early.toStdString();
  EXPECT_FALSE(recorded(0).measured);
}

// A student who presses Measure right after a new scenario starts gets no
// share of the atoms that ran before it.
TEST_F(SessionTest, APhaseIsNeverTakenFromTheAtomsOfAScenarioThatWasReplaced) {
  open("experiment = States\nstep = Gas\ndo = load gas.ams\nmeasure = moving 0\n"
       "step = Pair\ndo = load pair.ams\nmeasure = moving 0\n");
  ASSERT_TRUE(run(kPhaseRun));
  ASSERT_TRUE(session.measure().isEmpty());
  ASSERT_TRUE(session.goTo(1).isEmpty());
  EXPECT_FALSE(session.measure().isEmpty());
  EXPECT_FALSE(recorded(1).measured) << "the share of the gas's atoms was recorded for the pair";
}

TEST_F(SessionTest, ThePressureIsRecordedInKilopascals) {
  open("experiment = Press\nstep = Gas\ndo = load gas.ams\ndo = thermostat 300 K\n"
       "measure = pressure\n");
  ASSERT_TRUE(run(kTemperatureRun));
  ASSERT_TRUE(session.measure().isEmpty());
  const Value pressure = recorded(0).measured.value();
  EXPECT_EQ(pressure.unit, "kPa");
  EXPECT_GT(pressure.number.value(), 0.0);
}

TEST_F(SessionTest, AMeasurementOfAnotherScenarioThanTheRunningOneNamesTheStepsFile) {
  open("experiment = Two\nstep = Gas\ndo = load gas.ams\nmeasure = well depth 0 0\n"
       "step = Pair\ndo = load pair.ams\n");
  ASSERT_TRUE(stage.loadScenario(stage.shippedScenario(QStringLiteral("liquid.ams"))));
  const QString opened = session.measure();
  EXPECT_TRUE(opened.contains(QStringLiteral("gas.ams"))) << opened.toStdString();
  EXPECT_TRUE(opened.contains(QStringLiteral("Set up again"))) << opened.toStdString();
  EXPECT_FALSE(recorded(0).measured);

  session.setUpAgain();
  session.goTo(1);
  session.goTo(0); // Back does not load the gas again
  const QString back = session.measure();
  EXPECT_TRUE(back.contains(QStringLiteral("gas.ams"))) << back.toStdString();
  EXPECT_FALSE(recorded(0).measured);
  session.setUpAgain();
  EXPECT_TRUE(session.measure().isEmpty());
}

TEST_F(SessionTest, AMeasurementKeepsTheGraphTheStepShows) {
  open("experiment = Graphs\nstep = Shown\ndo = load pair.ams\ndo = chart energy\n"
       "measure = well depth 0 0\nstep = Plain\nmeasure = well depth 1 1\n");
  ASSERT_TRUE(session.measure().isEmpty());
  EXPECT_EQ(session.chart(0), chartPicture(guide::Chart::Energy));
  EXPECT_EQ(stage.count(QStringLiteral("image energy")), 1);
  session.goTo(1);
  ASSERT_TRUE(session.measure().isEmpty());
  EXPECT_TRUE(session.chart(1).isNull());
}

namespace {

// One measured step with checks on the measurement and on the answer.
const std::string kCheckedWell = R"(experiment = Checked well
step = Well
do = load pair.ams
measure = well depth 0 1
ask = number kJ/mol
question = How deep is the well?
check = measured above 2 kJ/mol
check = measured below 2 kJ/mol
check = answer within 5 % of measured
)";

std::vector<Outcome> outcomes(const std::vector<experiments::Verdict> &verdicts) {
  std::vector<Outcome> result;
  for (const experiments::Verdict &verdict : verdicts)
    result.push_back(verdict.outcome);
  return result;
}

} // namespace

TEST_F(SessionTest, ChecksAreJudgedOnWhatTheStepRecorded) {
  open(kCheckedWell);
  EXPECT_EQ(outcomes(session.verdicts(0)),
            (std::vector{Outcome::NotRecorded, Outcome::NotRecorded, Outcome::NotRecorded}));
  ASSERT_TRUE(session.measure().isEmpty());
  const double depth = recorded(0).measured.value().number.value(); // 2.39 kJ/mol
  session.answer(Value{depth * 1.02, "kJ/mol", {}});
  EXPECT_EQ(outcomes(session.verdicts(0)),
            (std::vector{Outcome::Passed, Outcome::Failed, Outcome::Passed}));
  session.answer(Value{depth * 1.2, "kJ/mol", {}});
  EXPECT_EQ(session.verdicts(0).at(2).outcome, Outcome::Failed);
}

TEST_F(SessionTest, WithChecksOffNoVerdictIsGiven) {
  open("experiment = Test mode\nchecks = off\n" + kCheckedWell.substr(kCheckedWell.find("step")));
  ASSERT_TRUE(session.measure().isEmpty());
  session.answer(Value{1.0, "kJ/mol", {}});
  EXPECT_TRUE(session.verdicts(0).empty());
  EXPECT_TRUE(recorded(0).answer) << "the answers are still recorded";
}

TEST_F(SessionTest, ChecksAgainstTheMaterialCardUseTheRunningScenariosCard) {
  open(R"(experiment = Card
step = Argon
do = load pair.ams
ask = number K
question = Where does argon melt?
check = answer within 1 K of melting point 0
check = answer within 1 K of real melting point 0
check = answer within 1 K of real boiling point 1
)");
  // pair.card: argon melts at 83.8 K (80 K on the model); krypton's boiling point is not given.
  session.answer(Value{80.0, "K", {}});
  EXPECT_EQ(outcomes(session.verdicts(0)),
            (std::vector{Outcome::Passed, Outcome::Failed, Outcome::NoFacts}));
  session.answer(Value{83.8, "K", {}});
  EXPECT_EQ(outcomes(session.verdicts(0)),
            (std::vector{Outcome::Failed, Outcome::Passed, Outcome::NoFacts}));
  ASSERT_TRUE(stage.loadScenario(QDir(testData()).filePath(QStringLiteral("bare.ams"))));
  EXPECT_EQ(session.verdicts(0).at(1).outcome, Outcome::NoFacts) << "a scenario without a card";
}

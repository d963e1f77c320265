// Writing lessons: the canonical text, and every construct reading back as
// the same experiment.
#include "experiments/experiment_reader.h"
#include "experiments/experiment_writer.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace experiments;

namespace {

Experiment parsed(const std::string &text) {
  std::istringstream in(text);
  return readExperiment(in, "lesson.experiment");
}

std::string written(const Experiment &experiment) {
  std::ostringstream out;
  writeExperiment(out, experiment);
  return out.str();
}

// Every key, action, measurement, answer form, check form and target, in an
// order other than the canonical one.
const std::string kEveryConstruct = R"(experiment = Every part
summary = All of it
minutes = 600
checks = off
step = Actions
check = measured within 0.5 K of 298.15 K
hint = Wait.
do = load solid.ams
text = First.
do = thermostat 77 F
do = release
do = insulate
do = ramp 100 C 212 F 100000000 steps
do = lid 30 %
do = hold pressure 1 atm
do = hold pressure 1e7 kPa
do = speed 50
do = pause
do = run
do = open lab
do = open large-view
do = open interactions
do = chart temperature
do = chart energy
do = chart pressure
do = chart heating-curve
do = chart phase-diagram
do = unit K
do = unit C
do = unit F
picture = shot.JPG
text = Second.
measure = temperature
step = Plateau
measure = plateau 0.1 K 2999.9 K
ask = number °C
question = When?
check = answer within 2 % of 1.5 x measured
check = answer above 0.25 x step 1
check = answer below real boiling point 15
hint = Look up.
check = answer within 3 °F of real melting point 2
check = answer within 1 K of melting point 0
check = answer above -40 °F
step = Latent heat
measure = latent heat 300 K 400 K
ask = number kJ/mol
question = How much?
check = answer within 0.1 kJ/mol of measured
step = Pressure
measure = pressure
ask = number atm
question = How hard?
check = answer within 5 kPa of measured
check = measured below 2 atm
step = Volume
measure = volume
ask = number nm³
question = How big?
check = answer within 1 % of 80 nm³
step = Moving
measure = moving 3
check = measured above 0.000001 %
step = Vapour
measure = vapour 15
step = Phase
measure = phase 0
check = measured is liquid and gas
ask = text
question = Why?
check = answer is because
step = Potential
measure = potential
ask = number
question = Unitless?
check = answer within 0.5 of -3
step = Well depth
measure = well depth 0 1
step = Well distance
measure = well distance 1 0
ask = number nm
question = Where?
check = answer within 10 pm of measured
check = answer below 4 A
step = Distance peak
measure = distance peak 2 2
ask = number Å
question = Peak?
check = answer within 1e-3 nm of 2 x measured
)";

} // namespace

TEST(ExperimentWriter, WritesTheCanonicalForm) {
  const Experiment e = parsed("experiment = Ice\nchecks = on\nminutes = 5\nsummary = Melt it\n"
                            "step = Warm\ncheck = answer within 5 % of 273 K\nhint = Look.\n"
                            "question = When?\nask = number C\nmeasure = temperature\n"
                            "do = thermostat 25 C\npicture = ice.png\ntext = Warm the ice.\n"
                            "step = Look\nask = choice solid|liquid\nquestion = Which?\n");
  EXPECT_EQ(written(e), "experiment = Ice\n"
                        "summary = Melt it\n"
                        "minutes = 5\n"
                        "\n"
                        "step = Warm\n"
                        "text = Warm the ice.\n"
                        "picture = ice.png\n"
                        "do = thermostat 298 K\n"
                        "measure = temperature\n"
                        "ask = number \u00B0C\n"
                        "question = When?\n"
                        "check = answer within 5 % of 273 K\n"
                        "hint = Look.\n"
                        "\n"
                        "step = Look\n"
                        "ask = choice solid | liquid\n"
                        "question = Which?\n");
}

TEST(ExperimentWriter, EveryConstructReadsBackTheSame) {
  const Experiment e = parsed(kEveryConstruct);
  ASSERT_EQ(e.steps.size(), 12u);
  const std::string once = written(e);
  const Experiment back = parsed(once);
  EXPECT_EQ(back, e);
  EXPECT_EQ(written(back), once);
  EXPECT_NE(once.find("checks = off\n"), std::string::npos);
  EXPECT_NE(once.find("do = ramp 373 K "), std::string::npos);
  EXPECT_NE(once.find(" K 100000000 steps\n"), std::string::npos);
  EXPECT_NE(once.find("do = hold pressure 101.325 kPa\n"), std::string::npos);
  EXPECT_NE(once.find("check = answer within 0.001 nm of 2 x measured\n"), std::string::npos);
  EXPECT_NE(once.find("check = answer below 4 \u00C5\n"), std::string::npos);
  EXPECT_NE(once.find("picture = shot.JPG\n"), std::string::npos);
}

TEST(ExperimentWriter, NumbersReadBackToTheLastBit) {
  // 70.1 °F is a kelvin value with no short decimal form; 1/3 of an atmosphere
  // and a target in exponent form likewise.
  const Experiment e =
      parsed("experiment = E\nstep = S\ndo = thermostat 70.1 F\ndo = hold pressure 0.333333 atm\n"
           "measure = plateau 12.3456789 C 1e3 K\nask = number\nquestion = q\n"
           "check = answer within 1e-300 of 1.7976931348623157e308\n");
  const Experiment back = parsed(written(e));
  EXPECT_EQ(back, e);
  EXPECT_EQ(back.steps[0].actions[0].numbers[0], (70.1 - 32.0) * (5.0 / 9.0) + 273.0);
  EXPECT_EQ(back.steps[0].checks[0].value, 1.7976931348623157e308);
}

TEST(ExperimentWriter, ATextCannotBreakIntoLinesOfItsOwn) {
  Experiment e = parsed("experiment = E\nstep = S\n");
  e.steps[0].paragraphs = {"one\nstep = injected\r\nthree", "tab\tkept"};
  const Experiment back = parsed(written(e));
  ASSERT_EQ(back.steps.size(), 1u);
  EXPECT_EQ(back.steps[0].paragraphs,
            (std::vector<std::string>{"one step = injected  three", "tab\tkept"}));
}

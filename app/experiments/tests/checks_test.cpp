// Judging checks against a student's record: units converted before
// comparing, targets at other steps and on the material card, factors, text
// checks, missing values, and recorded values as the worksheet writes them.
#include "experiments/checks.h"
#include "experiments/experiment_reader.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

using namespace experiments;

namespace {

// The checks of a lesson whose steps are given as text.
Experiment lesson(const std::string &steps) {
  std::istringstream in("experiment = E\n" + steps);
  return readExperiment(in, "lesson.experiment");
}

// The first check of the one step described, on a one-step record.
struct OneStep {
  Check check;
  Record record;

  OneStep(const std::string &step, std::optional<Value> answer,
          std::optional<Value> measured = std::nullopt)
      : check(lesson("step = S\n" + step).steps.at(0).checks.at(0)), record{"Ada",
                                                                            {{std::move(measured),
                                                                              std::move(answer)}}} {
  }

  Verdict verdict(const std::vector<MaterialFacts> &facts = {}) const {
    return evaluate(check, 0, record, facts);
  }
};

Value number(double value, const std::string &unit) { return {value, unit, ""}; }
Value text(const std::string &words) { return {std::nullopt, "", words}; }

} // namespace

TEST(Checks, ConvertTemperaturesWithTheirOffsetsAndTolerancesWithout) {
  const std::string celsius = "ask = number \u00B0C\nquestion = q\n";
  // 298 K is 25 °C on the program's scale (0 °C at 273 K).
  const OneStep inCelsius(celsius + "check = answer within 0.5 K of 298 K\n",
                          number(25.4, "\u00B0C"));
  const Verdict v = inCelsius.verdict();
  EXPECT_EQ(v.outcome, Outcome::Passed);
  EXPECT_EQ(v.unit, "\u00B0C");
  EXPECT_DOUBLE_EQ(*v.subject, 25.4);
  EXPECT_DOUBLE_EQ(*v.target, 25.0);
  EXPECT_DOUBLE_EQ(*v.low, 24.5);
  EXPECT_DOUBLE_EQ(*v.high, 25.5);
  EXPECT_EQ(OneStep(celsius + "check = answer within 0.5 K of 298 K\n", number(25.6, "\u00B0C"))
                .verdict()
                .outcome,
            Outcome::Failed);

  // A tolerance of 9 °F is 5 K, not the temperature 9 °F.
  const std::string kelvin =
      "ask = number K\nquestion = q\ncheck = answer within 9 \u00B0F of 296 K\n";
  const Verdict wide = OneStep(kelvin, number(300.9, "K")).verdict();
  EXPECT_EQ(wide.outcome, Outcome::Passed);
  EXPECT_DOUBLE_EQ(*wide.high, 301.0);
  EXPECT_EQ(OneStep(kelvin, number(301.1, "K")).verdict().outcome, Outcome::Failed);

  // 77 °F is 298 K; the target is shown in the answer's unit.
  const Verdict fahrenheit =
      OneStep("ask = number F\nquestion = q\ncheck = answer above 298 K\n", number(77.0, "\u00B0F"))
          .verdict();
  EXPECT_EQ(fahrenheit.outcome, Outcome::Failed); // equal is not above
  EXPECT_NEAR(*fahrenheit.target, 77.0, 1e-12);
  EXPECT_NEAR(*fahrenheit.low, 77.0, 1e-12);
  EXPECT_FALSE(fahrenheit.high);
}

TEST(Checks, ConvertPressuresAndLengths) {
  const std::string atm = "ask = number atm\nquestion = q\n";
  EXPECT_EQ(OneStep(atm + "check = answer within 0.01 % of 101.325 kPa\n", number(1.0, "atm"))
                .verdict()
                .outcome,
            Outcome::Passed);
  const std::string kpa = "ask = number kPa\nquestion = q\ncheck = answer within ";
  // 2 atm is 202.65 kPa.
  EXPECT_EQ(OneStep(kpa + "1 kPa of 2 atm\n", number(200.0, "kPa")).verdict().outcome,
            Outcome::Failed);
  const Verdict pascals = OneStep(kpa + "3000 Pa of 2 atm\n", number(200.0, "kPa")).verdict();
  EXPECT_EQ(pascals.outcome, Outcome::Passed);
  EXPECT_DOUBLE_EQ(*pascals.low, 199.65);

  // The measurement in ångström, the answer in nanometres, the tolerance in
  // picometres.
  const OneStep nm("measure = well distance 0 1\nask = number nm\nquestion = q\n"
                   "check = answer within 20 pm of measured\n",
                   number(0.355, "nm"), number(3.4, "\u00C5"));
  const Verdict v = nm.verdict();
  EXPECT_EQ(v.outcome, Outcome::Passed);
  EXPECT_DOUBLE_EQ(*v.target, 0.34);
  EXPECT_DOUBLE_EQ(*v.high, 0.36);
}

TEST(Checks, PercentToleranceIsOfTheTargetsSize) {
  const std::string step = "measure = potential\nask = number kJ/mol\nquestion = q\n"
                           "check = answer within 5 % of measured\n";
  const Value potential = number(-10.0, "kJ/mol");
  EXPECT_EQ(OneStep(step, number(-10.4, "kJ/mol"), potential).verdict().outcome, Outcome::Passed);
  const Verdict outside = OneStep(step, number(-10.6, "kJ/mol"), potential).verdict();
  EXPECT_EQ(outside.outcome, Outcome::Failed);
  EXPECT_DOUBLE_EQ(*outside.low, -10.5);
  EXPECT_DOUBLE_EQ(*outside.high, -9.5);
  // At the edge, though the conversions leave a rounding error.
  EXPECT_EQ(OneStep(step, number(-10.5, "kJ/mol"), potential).verdict().outcome, Outcome::Passed);
}

TEST(Checks, StepTargetsAndFactorsUseTheRecordedMeasurements) {
  const Experiment e = lesson("step = one\nmeasure = pressure\n"
                              "step = two\ntext = nothing\n"
                              "step = three\nmeasure = pressure\n"
                              "check = measured within 20 % of 2 x step 1\n"
                              "check = measured above 1.5 x step 1\n"
                              "check = measured below 1.5 x step 1\n"
                              "ask = number kPa\nquestion = q\n"
                              "check = answer within 5 % of measured\n");
  const std::vector<Check> &checks = e.steps[2].checks;
  Record record{"Ada",
                {{number(100.0, "kPa"), {}}, {}, {number(190.0, "kPa"), number(185.0, "kPa")}}};

  const Verdict twice = evaluate(checks[0], 2, record, {});
  EXPECT_EQ(twice.outcome, Outcome::Passed);
  EXPECT_DOUBLE_EQ(*twice.target, 200.0);
  EXPECT_DOUBLE_EQ(*twice.low, 160.0);
  EXPECT_EQ(evaluate(checks[1], 2, record, {}).outcome, Outcome::Passed);
  EXPECT_EQ(evaluate(checks[2], 2, record, {}).outcome, Outcome::Failed);
  EXPECT_EQ(evaluate(checks[3], 2, record, {}).outcome, Outcome::Passed);

  // The earlier measurement recorded in atmospheres is converted first.
  record.steps[0].measured = number(1.0, "atm");
  EXPECT_DOUBLE_EQ(*evaluate(checks[0], 2, record, {}).target, 202.65);

  // Step 1 not measured yet; this step not measured (as subject and as
  // target); no record for the step.
  record.steps[0].measured.reset();
  EXPECT_EQ(evaluate(checks[0], 2, record, {}).outcome, Outcome::NotRecorded);
  record.steps[2].measured.reset();
  EXPECT_EQ(evaluate(checks[1], 2, record, {}).outcome, Outcome::NotRecorded);
  const Verdict noTarget = evaluate(checks[3], 2, record, {});
  EXPECT_EQ(noTarget.outcome, Outcome::NotRecorded);
  EXPECT_DOUBLE_EQ(*noTarget.subject, 185.0);
  EXPECT_EQ(evaluate(checks[0], 7, record, {}).outcome, Outcome::NotRecorded);
}

TEST(Checks, CardTargetsNeedTheirFigures) {
  const std::string step = "ask = number \u00B0C\nquestion = q\n"
                           "check = answer within 10 K of 2 x melting point 1\n";
  const std::vector<MaterialFacts> facts = {{}, {150.0, 273.15, 373.15}};
  // The factor doubles the kelvin figure, 300 K, which is 27 °C.
  const Verdict v = OneStep(step, number(30.0, "\u00B0C")).verdict(facts);
  EXPECT_EQ(v.outcome, Outcome::Passed);
  EXPECT_DOUBLE_EQ(*v.target, 27.0);

  const std::string boiling = "ask = number K\nquestion = q\ncheck = answer below real boiling "
                              "point 1\n";
  EXPECT_EQ(OneStep(boiling, number(370.0, "K")).verdict(facts).outcome, Outcome::Passed);
  EXPECT_EQ(OneStep(boiling, number(380.0, "K")).verdict(facts).outcome, Outcome::Failed);
  // Material 0 has no figures; material 1 has none on a card of one material.
  EXPECT_EQ(OneStep(step, number(30.0, "\u00B0C")).verdict({{}, {}}).outcome, Outcome::NoFacts);
  EXPECT_EQ(OneStep(step, number(30.0, "\u00B0C")).verdict({facts[1]}).outcome, Outcome::NoFacts);
  // No answer yet weighs more than a missing figure.
  EXPECT_EQ(OneStep(step, std::nullopt).verdict({}).outcome, Outcome::NotRecorded);
}

TEST(Checks, IsComparesTrimmedTextsExactly) {
  const std::string choice =
      "ask = choice It doubled | It halved\nquestion = q\ncheck = answer is It doubled\n";
  const Verdict passed = OneStep(choice, text(" It doubled ")).verdict();
  EXPECT_EQ(passed.outcome, Outcome::Passed);
  EXPECT_EQ(passed.text, " It doubled ");
  EXPECT_EQ(OneStep(choice, text("It halved")).verdict().outcome, Outcome::Failed);
  EXPECT_EQ(OneStep(choice, text("it doubled")).verdict().outcome, Outcome::Failed);
  EXPECT_EQ(OneStep(choice, std::nullopt).verdict().outcome, Outcome::NotRecorded);

  const std::string phase = "measure = phase 0\ncheck = measured is liquid and gas\n";
  EXPECT_EQ(OneStep(phase, std::nullopt, text("liquid and gas")).verdict().outcome,
            Outcome::Passed);
  EXPECT_EQ(OneStep(phase, std::nullopt, text("liquid")).verdict().outcome, Outcome::Failed);
  EXPECT_EQ(OneStep(phase, std::nullopt, number(1.0, "")).verdict().outcome, Outcome::Failed);
}

TEST(Checks, ValuesOfAnotherKindFailAndSayTheirUnit) {
  const std::string step = "ask = number K\nquestion = q\ncheck = answer within 5 K of 300 K\n";
  const Verdict pressure = OneStep(step, number(300.0, "kPa")).verdict();
  EXPECT_EQ(pressure.outcome, Outcome::Failed);
  EXPECT_EQ(pressure.unit, "kPa");
  EXPECT_FALSE(pressure.target);
  const Verdict words = OneStep(step, text("three hundred")).verdict();
  EXPECT_EQ(words.outcome, Outcome::Failed);
  EXPECT_EQ(words.text, "three hundred");
  EXPECT_EQ(OneStep(step, number(300.0, "furlongs")).verdict().outcome, Outcome::Failed);
  // Spelled without the degree sign, the recorded unit still converts.
  const Verdict c = OneStep(step, number(27.0, "C")).verdict();
  EXPECT_EQ(c.outcome, Outcome::Passed);
  EXPECT_EQ(c.unit, "\u00B0C");
}

TEST(FormatValue, WritesThreeFiguresAtLeastWithThousandsSeparated) {
  const std::pair<Value, std::string> cases[] = {
      {number(1959.4, "K"), "1,959 K"},
      {number(45.21, "%"), "45.2 %"},
      {number(80.0, "%"), "80 %"},
      {number(0.012345, "nm"), "0.0123 nm"},
      {number(-3.714, "kJ/mol"), "-3.71 kJ/mol"},
      {number(1234567.8, "kPa"), "1,234,568 kPa"},
      {number(-123456.0, ""), "-123,456"},
      {number(999.96, "K"), "1,000 K"},
      {number(0.0, "K"), "0 K"},
      {number(-0.0001, "K"), "-0.0001 K"},
      {number(2.5e20, "Pa"), "2.5e+20 Pa"},
      {number(std::numeric_limits<double>::quiet_NaN(), "K"), "\u2014 K"},
      {text("liquid and gas"), "liquid and gas"},
  };
  for (const auto &[value, expected] : cases)
    EXPECT_EQ(formatValue(value), expected);
}

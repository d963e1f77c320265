// How a check's outcome reads: what was compared with what, the teacher's
// hint when it is not met, and what to do when something is missing.
#include "verdict_text.h"

#include <gtest/gtest.h>

namespace {

using experiments::Check;
using experiments::Outcome;
using experiments::Relation;
using experiments::Verdict;

Check check(Relation relation, const std::string &hint = {}) {
  Check made;
  made.relation = relation;
  made.hint = hint;
  return made;
}

Verdict verdict(Outcome outcome, std::optional<double> subject, std::optional<double> low,
                std::optional<double> high) {
  Verdict made;
  made.outcome = outcome;
  made.subject = subject;
  made.low = low;
  made.high = high;
  made.unit = "K";
  return made;
}

std::string text(const Check &check, const Verdict &verdict) {
  return guide::verdictText(check, verdict).toStdString();
}

} // namespace

TEST(VerdictText, AMetCheckSaysWhatWasCompared) {
  EXPECT_EQ(text(check(Relation::Within), verdict(Outcome::Passed, 1959, 1861, 2057)),
            "Right: 1,959 K lies between 1,861 K and 2,057 K.");
  Verdict above = verdict(Outcome::Passed, 310, 300, std::nullopt);
  above.target = 300;
  EXPECT_EQ(text(check(Relation::Above), above), "Right: 310 K is above 300 K.");
  Verdict below = verdict(Outcome::Passed, 290, std::nullopt, 300);
  below.target = 300;
  EXPECT_EQ(text(check(Relation::Below), below), "Right: 290 K is below 300 K.");
  Check solid = check(Relation::Is);
  solid.text = "solid";
  EXPECT_EQ(text(solid, {Outcome::Passed, {}, {}, {}, {}, {}, "solid"}), "Right: it is solid.");
}

TEST(VerdictText, AnUnmetCheckSaysWhatWasComparedAndGivesTheHint) {
  EXPECT_EQ(text(check(Relation::Within, "Read the flat stretch."),
                 verdict(Outcome::Failed, 1500, 1861, 2057)),
            "Not yet: 1,500 K does not lie between 1,861 K and 2,057 K. Read the flat stretch.");
  Verdict above = verdict(Outcome::Failed, 290, 300, std::nullopt);
  above.target = 300;
  EXPECT_EQ(text(check(Relation::Above, "Heat it."), above),
            "Not yet: 290 K is not above 300 K. Heat it.");
  Verdict below = verdict(Outcome::Failed, 310, std::nullopt, 300);
  below.target = 300;
  EXPECT_EQ(text(check(Relation::Below, "Cool it."), below),
            "Not yet: 310 K is not below 300 K. Cool it.");
  Check solid = check(Relation::Is, "Look again.");
  solid.text = "solid";
  EXPECT_EQ(text(solid, {Outcome::Failed, {}, {}, {}, {}, {}, "liquid"}),
            "Not yet: it is not solid. Look again.");
}

TEST(VerdictText, AnUnmetCheckWithoutAHintStillSaysWhatToLookAt) {
  const std::string said =
      text(check(Relation::Within), verdict(Outcome::Failed, 1500, 1861, 2057));
  EXPECT_NE(said.find("1,500 K does not lie between 1,861 K and 2,057 K"), std::string::npos)
      << said;
  EXPECT_NE(said.find("Read the step again"), std::string::npos) << said;
  EXPECT_EQ(said.find("rong"), std::string::npos) << said;
}

TEST(VerdictText, SomethingMissingIsNamedWithWhatToDo) {
  Check onAnswer = check(Relation::Within);
  onAnswer.target = experiments::TargetKind::Measured;
  EXPECT_EQ(text(onAnswer, Verdict{}), "Give your answer first.");
  Verdict answered = verdict(Outcome::NotRecorded, 1959, std::nullopt, std::nullopt);
  EXPECT_EQ(text(onAnswer, answered), "Take the measurement first: press Measure.");
  Check onStep = check(Relation::Above);
  onStep.subject = experiments::Subject::Measured;
  onStep.target = experiments::TargetKind::Step;
  onStep.step = 2;
  EXPECT_EQ(text(onStep, answered), "This needs the measurement of step 2: go back and take it.");
  onStep.target = experiments::TargetKind::Number;
  EXPECT_EQ(text(onStep, Verdict{}), "Take the measurement first: press Measure.");
}

TEST(VerdictText, AFigureTheCardLacksIsSaidToBeUncheckable) {
  const std::string said = text(check(Relation::Within), verdict(Outcome::NoFacts, 80, {}, {}));
  EXPECT_NE(said.find("material card"), std::string::npos) << said;
  EXPECT_NE(said.find("cannot be checked"), std::string::npos) << said;
}

// "check = ...": what a step compares once the student has answered or the
// program has measured.
//   answer within 5 % of 1986 K      measured above 0.5 x step 2
//   answer below real boiling point 1    measured is liquid
#include "step_lines.h"
#include "words.h"

namespace experiments {

namespace {

void readTolerance(Check &check, Words &words) {
  const Quantity tolerance = words.quantity("a tolerance");
  if (tolerance.value < 0.0)
    throw Refusal("a tolerance cannot be below 0");
  check.tolerance = tolerance.value;
  check.percent = tolerance.unit.dimension == Dimension::Fraction;
  if (!check.percent)
    check.toleranceUnit = tolerance.unit.symbol;
  if (!words.take(names::kOf))
    throw Refusal("\"within\" reads \"within TOLERANCE of TARGET\"");
}

// A target named by words, after its factor if any: "step 3",
// "real melting point 0".
void readNamedTarget(Check &check, Words &words) {
  const std::optional<TargetKind> target = words.kind(names::kTargets);
  if (!target)
    throw Refusal(words.atEnd() ? std::string("the check has no target")
                                : "unknown target " + quoted(words.peek()));
  check.target = *target;
  if (*target == TargetKind::Step)
    check.step = static_cast<int>(words.whole("a step number", 1, kMostSteps));
  else if (*target != TargetKind::Measured)
    check.material = static_cast<int>(words.whole("a material number", 0, kHighestMaterial));
}

void readTarget(Check &check, Words &words) {
  if (!words.numberNext())
    return readNamedTarget(check, words);
  const Quantity number = words.quantity("the target");
  if (words.take(names::kTimes) || words.take(names::kTimesSign)) {
    if (number.unit.dimension != Dimension::None)
      throw Refusal("a factor is a bare number (\"2 x step 3\")");
    if (number.value <= 0.0 || number.value > kLargestFactor)
      throw Refusal("a factor must be above 0 and at most " + plainNumber(kLargestFactor));
    check.factor = number.value;
    return readNamedTarget(check, words);
  }
  check.target = TargetKind::Number;
  check.value = number.value;
  check.unit = number.unit.symbol;
}

} // namespace

Check parseCheck(std::string_view value) {
  Words words(value);
  Check check;
  const std::optional<Subject> subject = words.kind(names::kSubjects);
  if (!subject)
    throw Refusal("a check begins with \"answer\" or \"measured\", not " + quoted(words.peek()));
  check.subject = *subject;
  const std::optional<Relation> relation = words.kind(names::kRelations);
  if (!relation)
    throw Refusal("unknown check " + quoted(words.peek()) + " (use within, above, below or is)");
  check.relation = *relation;
  if (*relation == Relation::Is) {
    check.target = TargetKind::Text;
    check.text = words.rest();
    if (check.text.empty())
      throw Refusal("\"is\" needs the text to compare with");
    return check;
  }
  if (*relation == Relation::Within)
    readTolerance(check, words);
  readTarget(check, words);
  words.finish("the check's target");
  return check;
}

} // namespace experiments

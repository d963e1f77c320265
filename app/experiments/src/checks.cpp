#include "experiments/checks.h"

#include "units.h"
#include "words.h"

#include <algorithm>
#include <cmath>

namespace experiments {

namespace {

// A value at the edge of a tolerance passes though conversions between
// units left it a rounding error outside.
constexpr double kEdgeSlack = 1e-9;
constexpr double kPercent = 100.0;

const Value *recorded(const Record &record, std::size_t step, Subject subject) {
  if (step >= record.steps.size())
    return nullptr;
  const StepRecord &entry = record.steps[step];
  const std::optional<Value> &value = subject == Subject::Answer ? entry.answer : entry.measured;
  return value ? &*value : nullptr;
}

// The figure a target names, in its own unit and before its factor; or why
// there is none.
struct Figure {
  std::optional<Outcome> missing;
  double value = 0.0;
  std::string unit;
};

Figure lacking(Outcome why) {
  Figure figure;
  figure.missing = why;
  return figure;
}

Figure measuredFigure(const Record &record, std::size_t step) {
  const Value *value = recorded(record, step, Subject::Measured);
  if (!value || !value->number)
    return lacking(Outcome::NotRecorded);
  return {std::nullopt, *value->number, value->unit};
}

Figure cardFigure(const std::vector<MaterialFacts> &facts, int material,
                  std::optional<double> MaterialFacts::*figure) {
  if (material < 0 || static_cast<std::size_t>(material) >= facts.size())
    return lacking(Outcome::NoFacts);
  const std::optional<double> &kelvin = facts[static_cast<std::size_t>(material)].*figure;
  if (!kelvin)
    return lacking(Outcome::NoFacts);
  return {std::nullopt, *kelvin, "K"};
}

Figure figureOf(const Check &check, std::size_t stepIndex, const Record &record,
                const std::vector<MaterialFacts> &facts) {
  switch (check.target) {
  case TargetKind::Number:
    return {std::nullopt, check.value, check.unit};
  case TargetKind::Measured:
    return measuredFigure(record, stepIndex);
  case TargetKind::Step:
    if (check.step < 1)
      break;
    return measuredFigure(record, static_cast<std::size_t>(check.step - 1));
  case TargetKind::MeltingPoint:
    return cardFigure(facts, check.material, &MaterialFacts::modelMeltingPoint);
  case TargetKind::RealMeltingPoint:
    return cardFigure(facts, check.material, &MaterialFacts::meltingPoint);
  case TargetKind::RealBoilingPoint:
    return cardFigure(facts, check.material, &MaterialFacts::boilingPoint);
  case TargetKind::Text:
    break;
  }
  return lacking(Outcome::NotRecorded);
}

Verdict judgeText(const Check &check, const Value &subject) {
  Verdict verdict;
  verdict.text = subject.text;
  const bool same = !subject.number && trimmed(subject.text) == trimmed(check.text);
  verdict.outcome = same ? Outcome::Passed : Outcome::Failed;
  return verdict;
}

// The tolerance in the subject's unit; nullopt when its unit is of another
// kind.
std::optional<double> toleranceIn(const Check &check, double target, const Unit &subject) {
  if (check.percent)
    return std::abs(target) * check.tolerance / kPercent;
  const std::optional<Unit> unit = findUnit(check.toleranceUnit);
  if (!unit || unit->dimension != subject.dimension)
    return std::nullopt;
  return convertDifference(check.tolerance, *unit, subject);
}

// Sets the bounds and the outcome of a numeric check whose target is known.
void judgeNumber(const Check &check, double target, const Unit &unit, Verdict &verdict) {
  const double subject = *verdict.subject;
  bool passed = false;
  switch (check.relation) {
  case Relation::Within: {
    const std::optional<double> tolerance = toleranceIn(check, target, unit);
    if (!tolerance)
      break;
    verdict.low = target - *tolerance;
    verdict.high = target + *tolerance;
    const double slack =
        kEdgeSlack * std::max({std::abs(target), std::abs(subject), std::abs(*tolerance)});
    passed = subject >= *verdict.low - slack && subject <= *verdict.high + slack;
    break;
  }
  case Relation::Above:
    verdict.low = target;
    passed = subject > target;
    break;
  case Relation::Below:
    verdict.high = target;
    passed = subject < target;
    break;
  case Relation::Is:
    break;
  }
  verdict.outcome = passed ? Outcome::Passed : Outcome::Failed;
}

} // namespace

Verdict evaluate(const Check &check, std::size_t stepIndex, const Record &record,
                 const std::vector<MaterialFacts> &facts) {
  const Value *subject = recorded(record, stepIndex, check.subject);
  if (!subject)
    return {};
  if (check.relation == Relation::Is)
    return judgeText(check, *subject);
  Verdict verdict;
  verdict.unit = subject->unit;
  verdict.outcome = Outcome::Failed;
  if (!subject->number) {
    verdict.text = subject->text;
    return verdict;
  }
  verdict.subject = *subject->number;
  const Figure figure = figureOf(check, stepIndex, record, facts);
  if (figure.missing) {
    verdict.outcome = *figure.missing;
    return verdict;
  }
  const std::optional<Unit> subjectUnit = findUnit(subject->unit);
  const std::optional<Unit> figureUnit = findUnit(figure.unit);
  if (!subjectUnit || !figureUnit || subjectUnit->dimension != figureUnit->dimension)
    return verdict;
  verdict.unit = subjectUnit->symbol;
  const double target = fromBase(check.factor * toBase(figure.value, *figureUnit), *subjectUnit);
  verdict.target = target;
  judgeNumber(check, target, *subjectUnit, verdict);
  return verdict;
}

} // namespace experiments

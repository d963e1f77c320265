#include "check_fit.h"

#include "analysis/phase_measure.h"
#include "words.h"

#include <algorithm>

namespace experiments {

namespace {

// What a check's subject or target holds: a text, or a number of a kind.
struct Content {
  bool text = false;
  Dimension dimension = Dimension::None;
};

Content contentOf(const Measurement &measurement) {
  if (measurement.kind == MeasureKind::Phase)
    return {true};
  return {false, findUnit(measuredUnit(measurement.kind)).value().dimension};
}

std::string subjectName(Subject subject) {
  return subject == Subject::Answer ? "the answer" : "the measurement";
}

Content subjectContent(const Check &check, const Step &step) {
  if (check.subject == Subject::Measured) {
    if (!step.measurement)
      throw Refusal("a check on \"measured\" needs a \"measure\" line in its step");
    return contentOf(*step.measurement);
  }
  if (!step.question)
    throw Refusal("a check on the answer needs an \"ask\" line in its step");
  if (step.question->kind != AnswerKind::Number)
    return {true};
  return {false, findUnit(step.question->unit).value().dimension};
}

void checkText(const Check &check, const Step &step) {
  if (check.subject == Subject::Measured) {
    const auto phase = analysis::phaseMixFromName(check.text);
    if (!phase || *phase == analysis::PhaseMix::None)
      throw Refusal(quoted(check.text) + " is not a phase (solid, liquid, gas, solid and liquid, "
                                         "liquid and gas, solid and gas)");
  } else if (step.question->kind == AnswerKind::Choice) {
    const std::vector<std::string> &choices = step.question->choices;
    if (std::find(choices.begin(), choices.end(), check.text) == choices.end())
      throw Refusal(quoted(check.text) + " is not one of the choices");
  }
}

Content stepContent(const Check &check, int stepNumber, const std::vector<Step> &earlier) {
  const std::string step = "check refers to step " + std::to_string(check.step);
  if (check.step == stepNumber)
    throw Refusal(step + ", its own step (write \"measured\")");
  if (check.step > stepNumber)
    throw Refusal(step + ", which comes later");
  const Step &referred = earlier.at(static_cast<std::size_t>(check.step - 1));
  if (!referred.measurement)
    throw Refusal(step + ", which measures nothing");
  return contentOf(*referred.measurement);
}

Content targetContent(const Check &check, const Step &step, int stepNumber,
                      const std::vector<Step> &earlier) {
  switch (check.target) {
  case TargetKind::Number:
    return {false, findUnit(check.unit).value().dimension};
  case TargetKind::Measured:
    if (!step.measurement)
      throw Refusal("the target \"measured\" needs a \"measure\" line in its step");
    if (check.subject == Subject::Measured)
      throw Refusal("the measurement is compared with itself");
    return contentOf(*step.measurement);
  case TargetKind::Step:
    return stepContent(check, stepNumber, earlier);
  case TargetKind::MeltingPoint:
  case TargetKind::RealMeltingPoint:
  case TargetKind::RealBoilingPoint:
  case TargetKind::Text:
    break;
  }
  return {false, Dimension::Temperature};
}

void checkNumbers(const Check &check, const Step &step, Dimension subject, int stepNumber,
                  const std::vector<Step> &earlier) {
  const Content target = targetContent(check, step, stepNumber, earlier);
  const std::string name = subjectName(check.subject);
  if (target.text)
    throw Refusal("the target is a phase, but " + name + " is a number");
  if (target.dimension != subject)
    throw Refusal(name + " is " + std::string(dimensionName(subject)) + " but the target is " +
                  std::string(dimensionName(target.dimension)));
  if (check.relation != Relation::Within || check.percent)
    return;
  const Dimension tolerance = findUnit(check.toleranceUnit).value().dimension;
  if (tolerance != subject)
    throw Refusal("the tolerance is " + std::string(dimensionName(tolerance)) + " but " + name +
                  " is " + std::string(dimensionName(subject)));
}

} // namespace

void checkFits(const Check &check, const Step &step, int stepNumber,
               const std::vector<Step> &earlier) {
  const Content subject = subjectContent(check, step);
  const bool comparesText = check.relation == Relation::Is;
  if (comparesText && !subject.text)
    throw Refusal("\"is\" compares a text, but " + subjectName(check.subject) + " is a number");
  if (!comparesText && subject.text)
    throw Refusal(quoted(names::textOf(names::kRelations, check.relation)) +
                  " compares numbers, but " + subjectName(check.subject) + " is a text");
  if (comparesText)
    checkText(check, step);
  else
    checkNumbers(check, step, subject.dimension, stepNumber, earlier);
}

} // namespace experiments

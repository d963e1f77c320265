#include "experiments/experiment_writer.h"

#include "names.h"

#include <charconv>
#include <cmath>

namespace experiments {

namespace {

// The shortest text that reads back as the same double.
std::string number(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Step counts, speeds and material numbers, which the reader takes as digits.
std::string whole(double value) { return std::to_string(std::llround(value)); }

std::string withUnit(double value, std::string_view unit) {
  return unit.empty() ? number(value) : number(value) + " " + std::string(unit);
}

std::string kelvin(double value) { return withUnit(value, "K"); }

// A text on one line: control characters but the tab, which the reader
// takes inside a value, become spaces.
std::string oneLine(std::string_view text) {
  std::string line(text);
  for (char &c : line)
    if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F)
      c = ' ';
  return line;
}

std::string actionText(const Action &action) {
  std::string text(names::textOf(names::kActions, action.kind));
  const auto &n = action.numbers;
  switch (action.kind) {
  case ActionKind::Load:
  case ActionKind::Open:
  case ActionKind::Chart:
  case ActionKind::Unit:
    return text + " " + oneLine(action.text);
  case ActionKind::Thermostat:
    return text + " " + kelvin(n.at(0));
  case ActionKind::Ramp:
    return text + " " + kelvin(n.at(0)) + " " + kelvin(n.at(1)) + " " + whole(n.at(2)) + " " +
           std::string(names::kSteps);
  case ActionKind::Lid:
    return text + " " + withUnit(n.at(0), "%");
  case ActionKind::HoldPressure:
    return text + " " + withUnit(n.at(0), "kPa");
  case ActionKind::Speed:
    return text + " " + whole(n.at(0));
  case ActionKind::Release:
  case ActionKind::Insulate:
  case ActionKind::Pause:
  case ActionKind::Run:
    break;
  }
  return text;
}

std::string measurementText(const Measurement &measurement) {
  std::string text(names::textOf(names::kMeasures, measurement.kind));
  const bool window =
      measurement.kind == MeasureKind::Plateau || measurement.kind == MeasureKind::LatentHeat;
  for (const double argument : measurement.arguments) {
    text += ' ';
    text += window ? kelvin(argument) : whole(argument);
  }
  return text;
}

std::string askText(const Question &question) {
  std::string text(names::textOf(names::kAnswers, question.kind));
  if (question.kind == AnswerKind::Number && !question.unit.empty())
    text += " " + question.unit;
  if (question.kind == AnswerKind::Choice)
    for (std::size_t k = 0; k < question.choices.size(); ++k)
      text += (k == 0 ? " " : std::string(" ") + names::kChoiceSeparator + " ") +
              oneLine(question.choices[k]);
  return text;
}

std::string targetText(const Check &check) {
  if (check.target == TargetKind::Number)
    return withUnit(check.value, check.unit);
  std::string text;
  if (check.factor != 1.0)
    text = number(check.factor) + " " + std::string(names::kTimes) + " ";
  text += names::textOf(names::kTargets, check.target);
  if (check.target != TargetKind::Measured) {
    text += ' ';
    text += std::to_string(check.target == TargetKind::Step ? check.step : check.material);
  }
  return text;
}

std::string checkText(const Check &check) {
  std::string text = std::string(names::textOf(names::kSubjects, check.subject)) + " " +
                     std::string(names::textOf(names::kRelations, check.relation)) + " ";
  if (check.relation == Relation::Is)
    return text + oneLine(check.text);
  if (check.relation == Relation::Within)
    text += withUnit(check.tolerance, check.percent ? "%" : check.toleranceUnit) + " " +
            std::string(names::kOf) + " ";
  return text + targetText(check);
}

void writeLine(std::ostream &out, std::string_view key, const std::string &value) {
  out << key << " = " << value << '\n';
}

void writeStep(std::ostream &out, const Step &step) {
  writeLine(out, "step", oneLine(step.title));
  for (const std::string &paragraph : step.paragraphs)
    writeLine(out, "text", oneLine(paragraph));
  if (!step.picture.empty())
    writeLine(out, "picture", oneLine(step.picture));
  for (const Action &action : step.actions)
    writeLine(out, "do", actionText(action));
  if (step.measurement)
    writeLine(out, "measure", measurementText(*step.measurement));
  if (step.question) {
    writeLine(out, "ask", askText(*step.question));
    writeLine(out, "question", oneLine(step.question->text));
  }
  for (const Check &check : step.checks) {
    writeLine(out, "check", checkText(check));
    if (!check.hint.empty())
      writeLine(out, "hint", oneLine(check.hint));
  }
}

} // namespace

void writeExperiment(std::ostream &out, const Experiment &experiment) {
  writeLine(out, "experiment", oneLine(experiment.title));
  if (!experiment.summary.empty())
    writeLine(out, "summary", oneLine(experiment.summary));
  if (experiment.minutes != 0)
    writeLine(out, "minutes", std::to_string(experiment.minutes));
  if (!experiment.checksOn)
    writeLine(out, "checks", "off");
  for (const Step &step : experiment.steps) {
    out << '\n';
    writeStep(out, step);
  }
}

} // namespace experiments

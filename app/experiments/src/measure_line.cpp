// "measure = KIND" and "ask = FORM": what the program measures in a step and
// what the student answers.
#include "step_lines.h"
#include "words.h"

#include <algorithm>

namespace experiments {

namespace {

double readMaterial(Words &words) {
  return static_cast<double>(words.whole("a material number", 0, kHighestMaterial));
}

// The units an answer may be given in; "" is a bare number.
constexpr std::array<std::string_view, 11> kAnswerUnits = {
    "K", "\u00B0C", "\u00B0F", "kPa", "atm", "%", "\u00C5", "nm", "nm\u00B3", "kJ/mol", ""};

std::string readAnswerUnit(Words &words) {
  const std::string_view word = words.next();
  const std::optional<Unit> unit = findUnit(word);
  if (!unit ||
      std::find(kAnswerUnits.begin(), kAnswerUnits.end(), unit->symbol) == kAnswerUnits.end())
    throw Refusal("answers can be in K, \u00B0C, \u00B0F, kPa, atm, %, \u00C5, nm, nm\u00B3 or kJ/mol, "
                  "not " +
                  quoted(word));
  return std::string(unit->symbol);
}

[[noreturn]] void refuseChoiceCount() {
  throw Refusal("a choice question has " + std::to_string(kFewestChoices) + " to " +
                std::to_string(kMostChoices) + " choices separated by \" | \"");
}

std::vector<std::string> readChoices(std::string_view text) {
  if (text.empty())
    refuseChoiceCount();
  std::vector<std::string> choices;
  while (true) {
    const auto bar = text.find(names::kChoiceSeparator);
    const std::string_view choice = trimmed(text.substr(0, bar));
    if (choice.empty())
      throw Refusal("a choice is empty");
    if (std::find(choices.begin(), choices.end(), choice) != choices.end())
      throw Refusal("the choice " + quoted(choice) + " is given twice");
    choices.emplace_back(choice);
    if (bar == std::string_view::npos)
      break;
    text.remove_prefix(bar + 1);
  }
  if (choices.size() < kFewestChoices || choices.size() > kMostChoices)
    refuseChoiceCount();
  return choices;
}

} // namespace

Measurement parseMeasurement(std::string_view value) {
  Words words(value);
  const std::optional<MeasureKind> kind = words.kind(names::kMeasures);
  if (!kind)
    throw Refusal("unknown measurement " + quoted(words.peek()));
  Measurement measurement;
  measurement.kind = *kind;
  switch (*kind) {
  case MeasureKind::Plateau:
  case MeasureKind::LatentHeat: {
    const double from = readTemperature(words, "the window");
    const double to = readTemperature(words, "the window");
    if (from >= to)
      throw Refusal("the window's first temperature must be below its second");
    measurement.arguments = {from, to};
    break;
  }
  case MeasureKind::Moving:
  case MeasureKind::Vapour:
  case MeasureKind::Phase:
    measurement.arguments = {readMaterial(words)};
    break;
  case MeasureKind::WellDepth:
  case MeasureKind::WellDistance:
  case MeasureKind::DistancePeak: {
    const double first = readMaterial(words);
    measurement.arguments = {first, readMaterial(words)};
    break;
  }
  case MeasureKind::Temperature:
  case MeasureKind::Pressure:
  case MeasureKind::Volume:
  case MeasureKind::Potential:
    break;
  }
  words.finish(names::textOf(names::kMeasures, *kind));
  return measurement;
}

Question parseAsk(std::string_view value) {
  Words words(value);
  const std::optional<AnswerKind> kind = words.kind(names::kAnswers);
  if (!kind)
    throw Refusal("unknown answer form " + quoted(words.peek()) +
                  " (ask for a number, a choice or a text)");
  Question question;
  question.kind = *kind;
  if (*kind == AnswerKind::Number && !words.atEnd())
    question.unit = readAnswerUnit(words);
  if (*kind == AnswerKind::Choice)
    question.choices = readChoices(words.rest());
  words.finish(names::textOf(names::kAnswers, *kind));
  return question;
}

} // namespace experiments

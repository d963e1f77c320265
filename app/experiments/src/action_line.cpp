// "do = ACTION": what the program does when a step opens.
#include "step_lines.h"
#include "words.h"

#include <algorithm>

namespace experiments {

namespace {

// One of the names the verb takes, as its text.
template <std::size_t N>
std::string oneOf(Words &words, const std::array<std::string_view, N> &allowed,
                  std::string_view what) {
  const std::string_view word = words.next();
  if (std::find(allowed.begin(), allowed.end(), word) == allowed.end()) {
    std::string list;
    for (const std::string_view name : allowed)
      list += (list.empty() ? "" : ", ") + std::string(name);
    throw Refusal(std::string(what) + " takes " + list + ", not " + quoted(word));
  }
  return std::string(word);
}

double readLid(Words &words) {
  const Quantity lid = words.quantity("the lid");
  if (lid.unit.dimension != Dimension::Fraction)
    throw Refusal("the lid is a percentage of the box's height (\"lid 80 %\")");
  if (lid.value < kLowestLidPercent)
    throw Refusal("lid below " + plainNumber(kLowestLidPercent) + " %");
  if (lid.value > kHighestLidPercent)
    throw Refusal("lid above " + plainNumber(kHighestLidPercent) + " %");
  return lid.value;
}

double readHeldPressure(Words &words) {
  const Quantity pressure = words.quantity("hold pressure");
  if (pressure.unit.dimension != Dimension::Pressure)
    throw Refusal("hold pressure needs a pressure in kPa or atm");
  const double kilopascals = toBase(pressure.value, pressure.unit);
  if (kilopascals <= 0.0)
    throw Refusal("the held pressure must be above 0");
  if (kilopascals > kHighestKilopascals)
    throw Refusal("hold pressure above " + plainNumber(kHighestKilopascals) + " kPa");
  return kilopascals;
}

std::string readTemperatureUnit(Words &words) {
  const std::string_view word = words.next();
  const std::optional<Unit> unit = findUnit(word);
  if (!unit || unit->dimension != Dimension::Temperature)
    throw Refusal("unit takes K, \u00B0C or \u00B0F, not " + quoted(word));
  return std::string(unit->symbol);
}

// The numbers and text that follow the verb.
void readArguments(Action &action, Words &words) {
  switch (action.kind) {
  case ActionKind::Load:
    action.text = words.next();
    checkBareFileName(action.text, "load", {".ams"});
    break;
  case ActionKind::Thermostat:
    action.numbers = {readTemperature(words, "thermostat")};
    break;
  case ActionKind::Ramp: {
    const double from = readTemperature(words, "ramp");
    const double to = readTemperature(words, "ramp");
    const auto steps = words.whole("a ramp's length", 1, kLongestRampSteps);
    if (!words.take(names::kSteps))
      throw Refusal("a ramp ends with its length in steps (\"ramp 200 K 400 K 10000 steps\")");
    action.numbers = {from, to, static_cast<double>(steps)};
    break;
  }
  case ActionKind::Lid:
    action.numbers = {readLid(words)};
    break;
  case ActionKind::HoldPressure:
    action.numbers = {readHeldPressure(words)};
    break;
  case ActionKind::Speed:
    action.numbers = {static_cast<double>(words.whole("speed", 1, kHighestSpeed))};
    break;
  case ActionKind::Open:
    action.text = oneOf(words, names::kWindows, "open");
    break;
  case ActionKind::Chart:
    action.text = oneOf(words, names::kCharts, "chart");
    break;
  case ActionKind::Unit:
    action.text = readTemperatureUnit(words);
    break;
  case ActionKind::Release:
  case ActionKind::Insulate:
  case ActionKind::Pause:
  case ActionKind::Run:
    break;
  }
}

} // namespace

double readTemperature(Words &words, std::string_view what) {
  const Quantity temperature = words.quantity(what);
  if (temperature.unit.dimension != Dimension::Temperature)
    throw Refusal(std::string(what) + " needs a temperature in K, \u00B0C or \u00B0F");
  const double kelvin = toBase(temperature.value, temperature.unit);
  if (kelvin < 0.0)
    throw Refusal(std::string(what) + " below 0 K");
  if (kelvin > kHighestKelvin)
    throw Refusal(std::string(what) + " above " + plainNumber(kHighestKelvin) + " K");
  return kelvin;
}

Action parseAction(std::string_view value) {
  Words words(value);
  const std::optional<ActionKind> kind = words.kind(names::kActions);
  if (!kind)
    throw Refusal("unknown action " + quoted(words.peek()));
  Action action;
  action.kind = *kind;
  readArguments(action, words);
  words.finish(names::textOf(names::kActions, *kind));
  return action;
}

} // namespace experiments

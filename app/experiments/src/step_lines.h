// The values of a step's "do", "measure", "ask" and "check" lines, read on
// their own. How the parts of a step fit together (a check on the answer
// needs a question, ...) the reader judges once the step is whole.
#pragma once

#include "experiments/experiment.h"

#include <string_view>

namespace experiments {

class Words;

// The limits a lesson may set: the thermostat's range, the box's lid, the
// pressure the lid may hold, the run's speed and a ramp's length.
constexpr double kHighestKelvin = 3000.0;
constexpr double kLowestLidPercent = 30.0;
constexpr double kHighestLidPercent = 100.0;
constexpr double kHighestKilopascals = 1e7;
constexpr long long kHighestSpeed = 50;
constexpr long long kLongestRampSteps = 100'000'000;
// Materials are numbered as the scenario files number them.
constexpr long long kHighestMaterial = 15;
constexpr int kMostSteps = 200;
constexpr std::size_t kMostChoices = 10;
constexpr std::size_t kFewestChoices = 2;
// A factor before a named target: "2 x step 3".
constexpr double kLargestFactor = 1e6;

// Each throws a Refusal saying what is wrong.
Action parseAction(std::string_view value);
Measurement parseMeasurement(std::string_view value);
// The question's kind, unit and choices; its text comes from "question".
Question parseAsk(std::string_view value);
Check parseCheck(std::string_view value);

// The temperature after a verb ("thermostat 25 °C"), in kelvin, within the
// thermostat's range.
double readTemperature(Words &words, std::string_view what);

} // namespace experiments

// Judging a step's checks against what the student recorded, and writing
// recorded values for the worksheet and the panel. Whether an experiment's
// checks are judged at all (Experiment::checksOn) the caller decides.
#pragma once

#include "experiments/experiment.h"
#include "experiments/record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace experiments {

// The figures of one material from the scenario's material card, kelvin.
struct MaterialFacts {
  std::optional<double> modelMeltingPoint; // measured on the model
  std::optional<double> meltingPoint;      // of the real substance
  std::optional<double> boilingPoint;      // of the real substance
};

enum class Outcome {
  Passed,
  Failed,
  NotRecorded, // the subject or a value the target refers to is missing
  NoFacts,     // the material card lacks the figure the target names
};

// What a check compared, for the student to see. Numbers are in the
// subject's unit; a unit the subject and target cannot share fails the
// check with the subject's unit kept here.
struct Verdict {
  Outcome outcome = Outcome::NotRecorded;
  std::optional<double> subject;
  std::optional<double> target; // factor × the figure named, in the subject's unit
  std::optional<double> low;    // within: target − tolerance; above: target
  std::optional<double> high;   // within: target + tolerance; below: target
  std::string unit;             // the subject's unit
  std::string text;             // Is: the subject's text; else a text found where a number belonged
};

// Judges one check of the step at stepIndex (0-based). facts are the
// scenario's materials in the order the file numbers them. Values at the
// very edge of a tolerance (within a billionth, for rounding in unit
// conversions) pass.
Verdict evaluate(const Check &check, std::size_t stepIndex, const Record &record,
                 const std::vector<MaterialFacts> &facts);

// A recorded value for reading: at least three significant figures, the
// thousands separated by commas, trailing zeros dropped, then the unit:
// "1,959 K", "45.2 %", "0.0123 nm", "-3.71 kJ/mol"; a text as it is.
std::string formatValue(const Value &value);

} // namespace experiments

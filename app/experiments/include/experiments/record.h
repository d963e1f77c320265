// What a student recorded as they went through an experiment: per step,
// the measurement the program took and the student's answer. The record is
// kept apart from the running scenario, so restarting or changing it loses
// nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace experiments {

// A recorded value: a number in a unit, or a text (a phase, a choice, a
// sentence).
struct Value {
  std::optional<double> number;
  std::string unit; // with a number: "K", "kPa", "%", "Å", "kJ/mol", or ""
  std::string text; // without a number

  bool operator==(const Value &) const = default;
};

struct StepRecord {
  std::optional<Value> measured;
  std::optional<Value> answer;
};

struct Record {
  std::string student;           // the name the worksheet carries
  std::vector<StepRecord> steps; // one per step of the experiment
};

} // namespace experiments

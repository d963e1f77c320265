// Reading a guided experiment from its lesson file (.experiment, UTF-8 text).
// docs/experiments.md describes the format in full; in short:
//
//   # a comment
//   experiment = Melting ice
//   summary = Warm ice until it melts and find its melting point.
//   minutes = 20
//   step = Load the ice
//   text = The box holds ice at -20 °C.
//   do = load ice.ams
//   do = thermostat -20 °C
//   measure = temperature
//   ask = number K
//   question = What temperature does the Lab show?
//   check = answer within 2 % of measured
//   hint = Read the temperature chart's last point.
//
// A file that cannot be used is refused as a whole with the first fault
// found; nothing of it is taken.
#pragma once

#include "experiments/experiment.h"

#include <istream>
#include <stdexcept>
#include <string>

namespace experiments {

// The limits on a lesson file, so that a hostile file costs little.
constexpr std::size_t kLongestFileBytes = 1024 * 1024;
constexpr std::size_t kLongestLineBytes = 4000;

// A lesson file that cannot be used: "FILE, line N: REASON", or "FILE: REASON"
// when the fault belongs to no one line.
class ExperimentError : public std::runtime_error {
public:
  ExperimentError(const std::string &file, int line, const std::string &reason);

  int line() const { return line_; } // 1-based; 0 when no line applies
  const std::string &reason() const { return reason_; }

private:
  int line_;
  std::string reason_;
};

// Reads a lesson from the stream; fileName names it in the messages.
Experiment readExperiment(std::istream &in, const std::string &fileName);
// Reads the lesson file at path; the messages name the path.
Experiment readExperimentFile(const std::string &path);

} // namespace experiments

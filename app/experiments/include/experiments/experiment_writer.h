// Writing a guided experiment as its lesson file, in the canonical form:
// the head, then each step as step, text..., picture, do..., measure, ask,
// question, check and hint... Every number is written in the shortest form
// that reads back as the same double, temperatures of actions and
// measurements in kelvin, so that for any experiment readExperiment takes,
// writing it and reading it again gives an equal experiment.
#pragma once

#include "experiments/experiment.h"

#include <ostream>

namespace experiments {

// Line breaks and other control characters in texts are written as spaces:
// a text can never split into lines of its own.
void writeExperiment(std::ostream &out, const Experiment &experiment);

} // namespace experiments

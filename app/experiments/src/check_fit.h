// Whether a check fits its step: its subject is there (an answer asked for,
// a measurement taken), it compares a number with a number of the same kind
// or a text with a text, and the values it refers to exist.
#pragma once

#include "experiments/experiment.h"

#include <vector>

namespace experiments {

// Throws a Refusal saying why the check does not fit. stepNumber is the
// step's, 1-based; earlier holds the steps before it.
void checkFits(const Check &check, const Step &step, int stepNumber,
               const std::vector<Step> &earlier);

} // namespace experiments

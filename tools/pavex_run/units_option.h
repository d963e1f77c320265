// --units real|model on pavex-run's command line: whether a scenario's
// material card turns the figures into real units (the default) or the run
// reports the model's own figures under the plain headers.
#pragma once

#include <string>
#include <vector>

namespace PavexRun {

// Takes every "--units WHAT" out of the arguments and returns whether real
// units are wanted (the last one counts). Throws UsageError for a missing
// or unknown WHAT.
bool takeUnitsOption(std::vector<std::string> &arguments);

// The option's lines for the usage text.
std::string unitsUsageText();

} // namespace PavexRun

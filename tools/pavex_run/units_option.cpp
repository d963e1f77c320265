#include "units_option.h"

#include "run_options.h"

namespace PavexRun {

bool takeUnitsOption(std::vector<std::string> &arguments) {
  bool real = true;
  for (std::size_t i = 0; i < arguments.size();) {
    if (arguments[i] != "--units") {
      ++i;
      continue;
    }
    if (i + 1 >= arguments.size())
      throw UsageError("--units needs a value");
    const std::string &what = arguments[i + 1];
    if (what != "real" && what != "model")
      throw UsageError("--units takes real or model, not \"" + what + "\"");
    real = what == "real";
    arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                    arguments.begin() + static_cast<std::ptrdiff_t>(i + 2));
  }
  return real;
}

std::string unitsUsageText() {
  return "Units (--units real, the default, or --units model):\n"
         "  With a material card beside the scenario (FILE.card) the rows are in real\n"
         "  units: time (ps) beside the step, temperature (K), energies (kJ/mol per\n"
         "  atom), pressure (kPa); the phase summary names each material's substance and\n"
         "  gives r0 in angstrom; --xyz writes the card's chemical symbols, positions in\n"
         "  angstrom and masses in u. Without a card (or with one that cannot be used,\n"
         "  which is reported) the figures are the model's own: kelvin for temperatures,\n"
         "  \"model units\" for the rest. --units model ignores the card and writes the\n"
         "  model's figures under the plain headers of earlier versions.\n";
}

} // namespace PavexRun

// Reading any bytes as a lesson file: the reader either refuses them with an
// ExperimentError or takes an experiment that, written back, reads as the
// same experiment.
#include "experiments/experiment_reader.h"
#include "experiments/experiment_writer.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
  experiments::Experiment experiment;
  try {
    experiment = experiments::readExperiment(in, "fuzz.experiment");
  } catch (const experiments::ExperimentError &) {
    return 0;
  }
  std::ostringstream out;
  experiments::writeExperiment(out, experiment);
  std::istringstream back(out.str());
  if (experiments::readExperiment(back, "back.experiment") != experiment)
    std::abort();
  return 0;
}

// The measurements a guided experiment takes of the running simulation, in
// the units a student reads: kelvin, kilopascals, per cent, ångström and
// kilojoules per mole. A measurement that cannot be taken now says what to
// do instead; it never gives a value it cannot stand by.
#pragma once

#include "analysis/phase_tracker.h"
#include "experiments/experiment.h"
#include "experiments/record.h"

#include <QString>

#include <optional>

namespace simulation {
class SimulationController;
}

namespace guide {

// The temperature is the mean over this many steps, so that one moment's
// thermal noise does not decide an answer.
constexpr std::int64_t kTemperatureSteps = 2000;

struct Taken {
  std::optional<experiments::Value> value;
  QString problem; // what to do, when there is no value
};

// The measurement's name as the panel shows it ("the melting plateau").
QString measurementName(const experiments::Measurement &measurement);

// phases: the atoms of the last stretch of the run, for the shares and
// phases of the materials.
Taken takeMeasurement(const experiments::Measurement &measurement,
                      const simulation::SimulationController &controller,
                      analysis::PhaseTracker &phases);

} // namespace guide

#include "measurement.h"

#include "analysis/heating_plateau.h"
#include "analysis/pair_distances.h"
#include "analysis/pair_potential.h"
#include "analysis/real_units.h"
#include "analysis/wall_pressure.h"
#include "scenario/material_card.h"
#include "simulation/simulation_controller.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace guide {

using experiments::MeasureKind;
using experiments::Measurement;
using experiments::Value;

namespace {

// The distances between neighbours are counted out to this many bond
// lengths, in this many shells.
constexpr double kDistanceReach = 1.6;
constexpr int kDistanceShells = 160;

Taken number(double value, const char *unit) { return {Value{value, unit, {}}, {}}; }
Taken problem(const QString &text) { return {std::nullopt, text}; }

QString kelvinText(double kelvin) {
  return QCoreApplication::translate("guide::Measurement", "%L1 K").arg(kelvin, 0, 'f', 0);
}

Taken temperature(const simulation::SimulationController &controller) {
  const auto &samples = controller.records().samples();
  const std::int64_t now = controller.step();
  if (samples.empty() || now - samples.front().step < kTemperatureSteps)
    return problem(QCoreApplication::translate(
                       "guide::Measurement", "The temperature is the mean over %L1 steps: let the "
                                             "simulation run a little longer, then measure again.")
                       .arg(kTemperatureSteps));
  double sum = 0.0;
  int count = 0;
  for (auto sample = samples.rbegin(); sample != samples.rend(); ++sample) {
    if (now - sample->step > kTemperatureSteps)
      break;
    sum += sample->temperature;
    ++count;
  }
  return number(sum / count, "K");
}

Taken plateau(const Measurement &measurement, const simulation::SimulationController &controller) {
  const double from = measurement.arguments.at(0);
  const double to = measurement.arguments.at(1);
  const auto found = analysis::findPlateau(controller.records().heatingCurve(), from, to);
  if (found)
    return measurement.kind == MeasureKind::Plateau
               ? number(found->temperature, "K")
               : number(analysis::kilojoulesPerMole(found->latentHeat), "kJ/mol");
  if (controller.ramping())
    return problem(
        QCoreApplication::translate("guide::Measurement",
                                    "The heating ramp has not passed %1 yet: let it run on, "
                                    "then measure again.")
            .arg(kelvinText(to)));
  return problem(
      QCoreApplication::translate("guide::Measurement",
                                  "The heating curve shows no plateau between %1 and %2. "
                                  "Press Set up again to run the ramp again, and let it run "
                                  "to the end.")
          .arg(kelvinText(from), kelvinText(to)));
}

Taken pressure(const simulation::SimulationController &controller) {
  const auto measured = controller.gaugePressure();
  if (!measured)
    return problem(QCoreApplication::translate(
        "guide::Measurement", "The pressure gauge averages over a stretch of the run: "
                              "let the simulation run a little longer, then measure "
                              "again."));
  const auto units = ModDornDll::unitsOf(controller.card());
  if (!units)
    return number(*measured, "");
  return number(analysis::kilopascalsFromModelPressure(*measured, *units), "kPa");
}

Taken volume(const simulation::SimulationController &controller) {
  if (controller.lidMoving())
    return problem(
        !controller.lidHold().empty()
            ? QString::fromStdString(controller.lidHold())
            : QCoreApplication::translate("guide::Measurement",
                                          "The lid is still moving: measure when it has stopped."));
  const double room = analysis::innerVolume(controller.box());
  const auto units = ModDornDll::unitsOf(controller.card());
  if (!units)
    return number(room, "");
  const double nanometres = units->metres / analysis::kMetresPerNanometre;
  return number(room * nanometres * nanometres * nanometres, "nm³");
}

Taken materialShare(const Measurement &measurement, analysis::PhaseTracker &phases) {
  const std::vector<analysis::TypeSummary> summaries = phases.summaries();
  const auto material = std::size_t(measurement.arguments.at(0));
  if (material >= summaries.size())
    return problem(QCoreApplication::translate("guide::Measurement",
                                               "The running scenario has no material %1.")
                       .arg(material));
  const analysis::TypeSummary &summary = summaries[material];
  if (summary.atoms == 0)
    return problem(
        QCoreApplication::translate("guide::Measurement",
                                    "The phases are told from the last %L1 steps of the run: "
                                    "let the simulation run a little longer, then measure again.")
            .arg(analysis::kRecentSteps));
  switch (measurement.kind) {
  case MeasureKind::Moving:
    return number(100.0 * summary.mobileShare, "%");
  case MeasureKind::Vapour:
    return number(100.0 * summary.freeShare, "%");
  default: {
    const std::string_view name = analysis::phaseMixName(summary.mix);
    return {Value{std::nullopt, {}, std::string(name)}, {}};
  }
  }
}

Taken potential(const simulation::SimulationController &controller) {
  const auto &latest = controller.latest();
  if (!latest)
    return problem(QCoreApplication::translate(
        "guide::Measurement", "Let the simulation run a little, then measure again."));
  return number(analysis::kilojoulesPerMole(latest->potential), "kJ/mol");
}

// The pair of the two materials the measurement names, with the frame it
// belongs to; a problem when the scenario has no such materials.
Taken pairMeasure(const Measurement &measurement,
                  const simulation::SimulationController &controller) {
  const analysis::AtomFrame frame = controller.atomFrame();
  const auto a = std::int32_t(measurement.arguments.at(0));
  const auto b = std::int32_t(measurement.arguments.at(1));
  if (std::max(a, b) >= frame.typeCount)
    return problem(QCoreApplication::translate("guide::Measurement",
                                               "The running scenario has no material %1.")
                       .arg(std::max(a, b)));
  const double *pair = analysis::pairOf(frame, a, b);
  const auto units = ModDornDll::unitsOf(controller.card());
  const auto length = [&](double model) {
    return units ? number(analysis::angstroms(model, *units), "Å") : number(model, "");
  };
  if (measurement.kind == MeasureKind::WellDepth)
    return number(analysis::kilojoulesPerMole(-analysis::potentialWell(pair).energy), "kJ/mol");
  if (measurement.kind == MeasureKind::WellDistance)
    return length(analysis::potentialWell(pair).distance);
  try {
    const double reach = kDistanceReach * analysis::minimumDistance(pair);
    const analysis::DistanceHistogram histogram =
        analysis::pairDistances(frame, a, b, reach, kDistanceShells);
    const auto peak =
        std::max_element(histogram.distribution.begin(), histogram.distribution.end());
    if (peak == histogram.distribution.end() || *peak <= 0.0)
      return problem(QCoreApplication::translate(
          "guide::Measurement", "No two atoms of these materials are close together now."));
    const auto shell = double(peak - histogram.distribution.begin());
    return length((shell + 0.5) * histogram.shellWidth);
  } catch (const std::invalid_argument &) {
    return problem(QCoreApplication::translate(
        "guide::Measurement", "The distances cannot be measured in this scenario."));
  }
}

} // namespace

QString measurementName(const Measurement &measurement) {
  switch (measurement.kind) {
  case MeasureKind::Temperature:
    return QCoreApplication::translate("guide::Measurement", "the temperature");
  case MeasureKind::Plateau:
    return QCoreApplication::translate("guide::Measurement", "the plateau of the heating curve");
  case MeasureKind::LatentHeat:
    return QCoreApplication::translate("guide::Measurement",
                                       "the energy taken up over the plateau");
  case MeasureKind::Pressure:
    return QCoreApplication::translate("guide::Measurement", "the pressure on the walls");
  case MeasureKind::Volume:
    return QCoreApplication::translate("guide::Measurement",
                                       "the room the atoms have inside the walls");
  case MeasureKind::Moving:
    return QCoreApplication::translate("guide::Measurement", "the share of atoms moving about");
  case MeasureKind::Vapour:
    return QCoreApplication::translate("guide::Measurement", "the share of atoms in the vapour");
  case MeasureKind::Phase:
    return QCoreApplication::translate("guide::Measurement", "the phase");
  case MeasureKind::Potential:
    return QCoreApplication::translate("guide::Measurement", "the potential energy per atom");
  case MeasureKind::WellDepth:
    return QCoreApplication::translate("guide::Measurement", "the depth of the energy well");
  case MeasureKind::WellDistance:
    return QCoreApplication::translate("guide::Measurement",
                                       "the distance at the bottom of the well");
  case MeasureKind::DistancePeak:
    return QCoreApplication::translate("guide::Measurement",
                                       "the most common distance between neighbours");
  }
  return {};
}

Taken takeMeasurement(const Measurement &measurement,
                      const simulation::SimulationController &controller,
                      analysis::PhaseTracker &phases) {
  switch (measurement.kind) {
  case MeasureKind::Temperature:
    return temperature(controller);
  case MeasureKind::Plateau:
  case MeasureKind::LatentHeat:
    return plateau(measurement, controller);
  case MeasureKind::Pressure:
    return pressure(controller);
  case MeasureKind::Volume:
    return volume(controller);
  case MeasureKind::Moving:
  case MeasureKind::Vapour:
  case MeasureKind::Phase:
    return materialShare(measurement, phases);
  case MeasureKind::Potential:
    return potential(controller);
  case MeasureKind::WellDepth:
  case MeasureKind::WellDistance:
  case MeasureKind::DistancePeak:
    return pairMeasure(measurement, controller);
  }
  return problem(
      QCoreApplication::translate("guide::Measurement", "This measurement is not known."));
}

} // namespace guide

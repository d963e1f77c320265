#include "analysis/real_units.h"

#include <cmath>

namespace analysis {

namespace {
constexpr double kJoulesPerEnergy = kBoltzmann; // the energy unit is k·(1 K)
} // namespace

double secondsPerTime(const ModelUnits &units) {
  return units.metres * std::sqrt(units.kilograms / kJoulesPerEnergy);
}

double metresPerSecondPerSpeed(const ModelUnits &units) {
  return units.metres / secondsPerTime(units);
}

double pascalsPerPressure(const ModelUnits &units) {
  return kJoulesPerEnergy / (units.metres * units.metres * units.metres);
}

double kilopascalsFromModelPressure(double modelPressure, const ModelUnits &units) {
  return modelPressure * pascalsPerPressure(units) / kPascalsPerKilopascal;
}

double modelPressureFromKilopascals(double kilopascals, const ModelUnits &units) {
  return kilopascals * kPascalsPerKilopascal / pascalsPerPressure(units);
}

double kilojoulesPerMole(double kelvin) { return kelvin * kBoltzmann * kAvogadro / 1000.0; }

double picoseconds(double steps, double timeStep, const ModelUnits &units) {
  return steps * timeStep * secondsPerTime(units) / kSecondsPerPicosecond;
}

double femtosecondsPerStep(double timeStep, const ModelUnits &units) {
  return timeStep * secondsPerTime(units) / kSecondsPerFemtosecond;
}

double angstroms(double length, const ModelUnits &units) {
  return length * units.metres / kMetresPerAngstrom;
}

double atomicMassUnits(double mass, const ModelUnits &units) {
  return mass * units.kilograms / kAtomicMassUnit;
}

double fromPascals(double pascals, PressureUnit unit) {
  return unit == PressureUnit::Atmosphere ? pascals / kPascalsPerAtmosphere : pascals / 1000.0;
}

std::string_view pressureSymbol(PressureUnit unit) {
  return unit == PressureUnit::Atmosphere ? "atm" : "kPa";
}

PressureUnit pressureUnitFromSymbol(std::string_view symbol) {
  return symbol == "atm" ? PressureUnit::Atmosphere : PressureUnit::Kilopascal;
}

} // namespace analysis

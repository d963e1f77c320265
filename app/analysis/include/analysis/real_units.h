// Real units for the engine's numbers. The engine measures energy in kelvin
// (Boltzmann's constant is 1), so a temperature in the engine is a
// temperature in kelvin. A scenario's material card says how long its length
// unit and how heavy its mass unit are; every other unit follows from those
// two: the time unit is length·√(mass / energy), a speed is length per time,
// a pressure is energy per volume.
#pragma once

#include <string_view>

namespace analysis {

// Exact by the definition of the SI units since 2019 (BIPM, The
// International System of Units, 9th edition, 2019).
constexpr double kBoltzmann = 1.380649e-23; // J/K
constexpr double kAvogadro = 6.02214076e23; // 1/mol
// CODATA 2018 recommended value (NIST).
constexpr double kAtomicMassUnit = 1.66053906660e-27; // kg
// The standard atmosphere, exact by definition.
constexpr double kPascalsPerAtmosphere = 101325.0;
constexpr double kPascalsPerKilopascal = 1000.0;
constexpr double kMetresPerAngstrom = 1e-10;
constexpr double kMetresPerPicometre = 1e-12;
constexpr double kMetresPerNanometre = 1e-9;
constexpr double kSecondsPerPicosecond = 1e-12;
constexpr double kSecondsPerFemtosecond = 1e-15;

// The real size of a scenario's length and mass units.
struct ModelUnits {
  double metres = 0.0;    // one length unit
  double kilograms = 0.0; // one mass unit
};

// One model time unit in seconds, and the others derived from the units.
double secondsPerTime(const ModelUnits &units);
double metresPerSecondPerSpeed(const ModelUnits &units);
double pascalsPerPressure(const ModelUnits &units);
// A pressure of the model in kilopascals, and a pressure in kilopascals in
// the model's units.
double kilopascalsFromModelPressure(double modelPressure, const ModelUnits &units);
double modelPressureFromKilopascals(double kilopascals, const ModelUnits &units);

// Energies in kelvin (per atom) as kilojoules per mole: k·N_A per kelvin,
// the same whatever the card says.
double kilojoulesPerMole(double kelvin);

// Time simulated over a number of steps of a time step (model units), in
// picoseconds, and one step in femtoseconds.
double picoseconds(double steps, double timeStep, const ModelUnits &units);
double femtosecondsPerStep(double timeStep, const ModelUnits &units);

// A length of the model in ångström.
double angstroms(double length, const ModelUnits &units);

// A mass of the model in unified atomic mass units (u, daltons).
double atomicMassUnits(double mass, const ModelUnits &units);

enum class PressureUnit { Kilopascal, Atmosphere };

double fromPascals(double pascals, PressureUnit unit);
// "kPa" or "atm".
std::string_view pressureSymbol(PressureUnit unit);
// The unit written under this symbol; kilopascal for anything else.
PressureUnit pressureUnitFromSymbol(std::string_view symbol);

} // namespace analysis

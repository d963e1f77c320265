// The engine's pair potential as a LAMMPS `pair_style table` file: one
// section per pair of material types, energies and forces at points evenly
// spaced in r², where the energy is a polynomial of degree four and the force
// divided by r one of degree three, so LAMMPS's spline in r² follows them
// closely.
#pragma once

#include <ostream>
#include <string>

namespace PavexRun {

// One pair's parameters as the engine takes them: depth A, shape b,
// reference distance C, cut-off D.
struct PairParameters {
  double depth, shape, reference, cutOff;

  // The engine computes nothing for a pair of no width (C = D) or no reach.
  bool interacts() const;
};

// Energy E(r) = A·s²·(s² − b), s = (r² − D²)/(C² − D²), inside the cut-off.
double pairEnergy(const PairParameters &pair, double r);
// Force along the line between the atoms, positive when they repel: −dE/dr.
double pairForce(const PairParameters &pair, double r);
// Its slope dF/dr, which the table gives LAMMPS for the spline's ends; at
// the cut-off the slope just inside it.
double pairForceSlope(const PairParameters &pair, double r);

// Points per table, and the distance the tables start at: closer pairs stop
// LAMMPS with "Pair distance < table inner cutoff" (the engine's atoms keep a
// few length units apart even where a crystal collapses).
constexpr int kTablePoints = 2000;
constexpr double kTableInner = 0.5;

// The section name of the pair of engine types t >= u.
std::string tableSection(int t, int u);
// The distance the section of this pair reaches: the cut-off, or a token
// reach for a pair that does not interact (its table is all zero).
double tableReach(const PairParameters &pair);

// Writes the section of one pair: its name, the N/RSQ/FPRIME line and the points.
void writeTableSection(std::ostream &out, const std::string &name, const PairParameters &pair,
                       int points);

} // namespace PavexRun

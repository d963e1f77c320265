// Removal of the rigid rotation and of the centre-of-mass drift from a set of
// scaled velocities.
#ifndef PAVEX_SPIN_REMOVAL_H
#define PAVEX_SPIN_REMOVAL_H

#include <cstdint>

namespace pavex {

struct AngularVelocity {
  double omega[3];  // angular velocity, I^-1 L
  double centre[3]; // centre of mass
};

// Angular velocity of the atoms about their centre of mass (CalcAngVel).
// Returns 0, 10 when the total mass is 0, or 11 when the inertia tensor is
// not positive definite (for example all atoms on one line).
int32_t calcAngVel(const double *position, const double *velocity, const double *mass, int32_t n,
                   AngularVelocity &result);

// Subtracts the rigid rotation from the velocities; returns calcAngVel's code
// and changes nothing when it is not 0.
int32_t removeSpin(const double *position, double *velocity, const double *mass, int32_t n);

// Subtracts the mass-weighted mean velocity; nothing happens for total mass 0.
void removeDrift(double *velocity, const double *mass, int32_t n);

} // namespace pavex

#endif

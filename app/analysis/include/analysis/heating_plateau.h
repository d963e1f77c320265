// The melting (or boiling) plateau of a heating curve.
//
// In a student's words: heated at a steady pace, a crystal warms up until it
// starts to melt. While it melts, the heat goes into breaking the crystal
// apart instead of warming it, so its energy climbs steeply while its
// temperature hardly moves: that stretch of the curve is the plateau. The
// temperature there is the melting point the model shows, and the energy the
// atoms take in over it is the latent heat of melting. A liquid boiling away
// gives a second plateau higher up; cooled, the curve shows the same plateaus
// as the vapour condenses and the liquid freezes.
//
// The measure, on the samples of one thermostat ramp:
// - Points: the samples past the first kPlateauSettlingShare of the ramp (the
//   atoms are still leaving the temperature they started at) are binned by
//   thermostat into kPlateauCurvePoints equal bins over the stretch the ramp
//   has covered; a point is the mean thermostat, measured temperature and
//   total energy of a bin. An empty bin gives no point, so its neighbours
//   become each other's. The points run in order of rising thermostat on a
//   cooling ramp as well, so that a cooling curve reads like the heating
//   curve of the same atoms and its latent heat comes out positive (freezing
//   gives out what melting takes in).
// - Climb: for each point but the first and last, the change of total energy
//   per kelvin of measured temperature between its two neighbours.
// - Plateau: a run of points whose climb exceeds kPlateauSteepFactor times
//   the lower quartile of all climbs (one point below that between two above
//   does not end the run). A straight line, a glass softening, has none.
// - Its temperature: the measured temperature at its steepest point.
// - Its latent heat: the gap, at the plateau's temperature, between the
//   curve below the plateau and the curve above it, each drawn as the
//   straight line that fits its points best (a few on each side,
//   starting from the second point out, since the point next to a plateau
//   mixes samples from both sides of its edge). This is the energy the atoms
//   take in without warming; the rise of the energy over the plateau itself
//   would also count the warming across it, large where a short ramp smears
//   the plateau over tens of kelvin, and nothing for a plateau of one point.
#pragma once

#include "analysis/series.h"

#include <cstddef>
#include <deque>
#include <optional>

namespace analysis {

// Bins over the ramp: at most this many points.
constexpr std::size_t kPlateauCurvePoints = 50;
// A share of the thermostat's span over the ramp.
constexpr double kPlateauSettlingShare = 0.03;
// A plateau climbs this many times faster than the curve's lower quartile.
constexpr double kPlateauSteepFactor = 3.0;

struct Plateau {
  double temperature = 0.0; // measured at the steepest point, kelvin
  double low = 0.0;         // lowest and highest measured temperature of its
  double high = 0.0;        // points, kelvin
  double latentHeat = 0.0;  // kelvin per atom (kilojoulesPerMole converts it)
};

// The steepest plateau of a ramp's heating curve (the samples of one
// thermostat ramp, in the order recorded) whose steepest point's measured
// temperature lies in [from, to] kelvin. nullopt when there is none; when
// the ramp has not yet got past the window (the last sample's thermostat
// short of `to` on a heating ramp, of `from` on a cooling one); when the
// thermostat did not move; when the curve has fewer samples than
// kPlateauCurvePoints (a point of a single sample carries the full thermal
// noise of a few hundred atoms, plateaus would be noise); when its points
// give fewer than four climbs to take a quartile of. A steep stretch is no
// plateau when the curve on one side of it is too short to draw a line
// through (at the very start or end of the ramp, or a curve steep all
// along), nor when it takes in no heat beyond the curve around it (a latent
// heat of zero or less: a bump of the thermal noise).
std::optional<Plateau> findPlateau(const std::deque<Sample> &curve, double from, double to);

} // namespace analysis

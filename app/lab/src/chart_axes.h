// Axis ranges for the Lab's graphs: from one round number to another, so the
// ticks fall on numbers a reader can take in at a glance.
#pragma once

class QLogValueAxis;
class QValueAxis;

namespace lab {

// A round step that divides a span into about five parts: 1, 2 or 5 times
// a power of ten.
double roundStep(double span);

// The axis spans low .. high from one round number to another, a tick at
// every round step. Nothing changes unless low <= high.
void fitAxis(QValueAxis *axis, double low, double high);

// The logarithmic axis spans low .. high (both > 0) from one power of ten to
// the next, at least one decade. Nothing changes unless 0 < low <= high.
void fitLogAxis(QLogValueAxis *axis, double low, double high);

} // namespace lab

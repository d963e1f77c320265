// Tells when a material's phase readout changed phase, so that the Lab can
// say so to a reader who does not watch the readout (a screen reader speaks
// the line). A phase counts as changed once it has stood for a few readings
// in a row: a material on the edge between two phases may flicker between
// them, and each flicker must not interrupt the reader.
#pragma once

#include <QString>

#include <vector>

namespace lab {

struct MaterialPhase;

// One material's phase changed: from one told phase to another.
struct PhaseChange {
  std::size_t material = 0; // its row
  QString substance;
  QString from;
  QString to;
};

// The line that tells the reader: "Phase change: water is now liquid (was
// solid)."
QString phaseChangeText(const PhaseChange &change);

class PhaseWatch {
public:
  // Readings in a row a new phase must stand for (a second of refreshes).
  static constexpr int kSettleReadings = 4;

  // The materials' rows at one reading; the changes that settled with it.
  // A row whose phase cannot be told yet (empty), a new substance in a row
  // or a new number of rows starts that row afresh: its next told phase is
  // taken as it stands, without a change.
  std::vector<PhaseChange> see(const std::vector<MaterialPhase> &rows);

private:
  struct Watched {
    QString substance;
    QString settled;   // the phase last told, or empty
    QString candidate; // a different phase seen lately
    int seen = 0;      // readings in a row the candidate stood
  };
  std::vector<Watched> watched_;
};

} // namespace lab

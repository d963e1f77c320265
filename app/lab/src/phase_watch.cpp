#include "phase_watch.h"

#include "readout_panel.h"

#include <QCoreApplication>

namespace lab {

QString phaseChangeText(const PhaseChange &change) {
  return QCoreApplication::translate("lab::PhaseWatch", "Phase change: %1 is now %2 (was %3).")
      .arg(change.substance, change.to, change.from);
}

std::vector<PhaseChange> PhaseWatch::see(const std::vector<MaterialPhase> &rows) {
  if (watched_.size() != rows.size())
    watched_.assign(rows.size(), Watched{});
  std::vector<PhaseChange> changes;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    Watched &w = watched_[row];
    const MaterialPhase &now = rows[row];
    if (w.substance != now.substance || now.phase.isEmpty() || w.settled.isEmpty()) {
      w = Watched{now.substance, now.phase, QString(), 0};
      continue;
    }
    if (now.phase == w.settled) {
      w.candidate.clear();
      w.seen = 0;
      continue;
    }
    w.seen = now.phase == w.candidate ? w.seen + 1 : 1;
    w.candidate = now.phase;
    if (w.seen >= kSettleReadings) {
      changes.push_back({row, now.substance, w.settled, now.phase});
      w = Watched{now.substance, now.phase, QString(), 0};
    }
  }
  return changes;
}

} // namespace lab

// Where the Lab finds a substance's phase map: the maps measured on the model
// ship inside the program as resources, one file per substance named as the
// material card names it (":/phase-maps/water.map").
#pragma once

#include "analysis/phase_map.h"

#include <QString>

#include <optional>
#include <string>

namespace lab {

// The folder of the maps shipped with the program.
inline const QString kShippedPhaseMaps = QStringLiteral(":/phase-maps");

// A substance's map, or why there is none.
struct MapLookup {
  std::optional<analysis::PhaseMap> map;
  QString problem; // for the reader; empty with a map
};

// The map of a substance in a folder: the file "<substance>.map". A missing
// file, text that is not a map, a map of another substance and a map
// without state points each give the reason instead.
MapLookup lookUpPhaseMap(const QString &folder, const std::string &substance);

} // namespace lab

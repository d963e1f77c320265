// The worksheet of the experiment a session has open, as the student has
// worked it so far: their answers and the values measured, each step's
// checks in words and the graph it showed.
#pragma once

#include "experiment_session.h"

#include <QString>

namespace guide {

// Writes the worksheet to `path`: HTML for a name ending .html or .htm, a
// PDF otherwise. Empty on success, else a message naming the file.
QString exportWorksheet(const ExperimentSession &session, const QString &path);

} // namespace guide

// A check's outcome as the student reads it: what was compared with what,
// and, when it is not met, what to look at again. Never just "wrong".
#pragma once

#include "experiments/checks.h"
#include "experiments/experiment.h"

#include <QString>

namespace guide {

QString verdictText(const experiments::Check &check, const experiments::Verdict &verdict);

} // namespace guide

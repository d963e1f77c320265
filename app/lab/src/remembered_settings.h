// The choices the program remembers between runs (QSettings, organisation
// and application "Corvanta"): temperature and pressure units, speed,
// following the ambient temperature, where the Lab stood, and the scenario
// files opened last.
#pragma once

#include "analysis/real_units.h"
#include "analysis/units.h"

#include <QByteArray>
#include <QStringList>

namespace lab {

analysis::TemperatureUnit rememberedUnit();
void rememberUnit(analysis::TemperatureUnit unit);

// Kilopascal when nothing is remembered.
analysis::PressureUnit rememberedPressureUnit();
void rememberPressureUnit(analysis::PressureUnit unit);

// Steps per tick; 0 when nothing is remembered.
int rememberedStepsPerTick();
void rememberStepsPerTick(int steps);

bool rememberedFollowAmbient();
void rememberFollowAmbient(bool follow);

QByteArray rememberedLabGeometry();
void rememberLabGeometry(const QByteArray &geometry);

// Full paths, the most recent first.
QStringList rememberedRecentFiles();
void rememberRecentFiles(const QStringList &files);

} // namespace lab

// The values the program remembers between runs, read and written under the
// keys of keys.h. A value never stored, or stored as text the program does
// not know, reads as the default the key table names.
#pragma once

#include "analysis/real_units.h"
#include "analysis/units.h"

#include <QByteArray>
#include <QStringList>

class QLocale;

namespace settings {

// The unit a user starts with under this locale: Fahrenheit where the
// weather is told in Fahrenheit (the United States, its territories and the
// few countries that share the habit) and under the C locale, Celsius
// everywhere else.
analysis::TemperatureUnit startTemperatureUnit(const QLocale &locale);

// The stored unit; the start unit of the default locale when none is stored.
analysis::TemperatureUnit temperatureUnit();
void setTemperatureUnit(analysis::TemperatureUnit unit);

analysis::PressureUnit pressureUnit();
void setPressureUnit(analysis::PressureUnit unit);

// Steps per tick; 0 when nothing readable is stored.
int stepsPerTick();
void setStepsPerTick(int steps);

bool followAmbient();
void setFollowAmbient(bool follow);

// Qt's saved geometry of the Lab; empty when it never stood anywhere.
QByteArray labGeometry();
void setLabGeometry(const QByteArray &geometry);

// Full paths, the most recent first.
QStringList recentFiles();
void setRecentFiles(const QStringList &files);

// The language code chosen under Options > Language; empty for the system's.
QString language();
void setLanguage(const QString &code);

bool highContrast();
void setHighContrast(bool on);

// The large view colours speeds blue to yellow instead of blue to red.
bool blueToYellowSpeeds();
void setBlueToYellowSpeeds(bool on);

} // namespace settings

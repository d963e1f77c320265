// Names the Lab shows that come from elsewhere in English: the substances
// the material cards name and the phases the measurement names. Each is
// shown through Qt's translation, so that a student reads them in the
// program's language; a name no translation knows (a user's own card) shows
// as written.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

namespace lab {

// A substance as a card names it ("water"), as the reader is shown it.
QString materialName(const std::string &name);
// The substances of the cards shipped with the program, in English.
QStringList shippedMaterialNames();

// A phase as the measurement names it ("solid", "liquid and gas",
// "supercooled liquid"), as the reader is shown it.
QString phaseName(std::string_view name);
// Every phase name the Lab knows how to translate, in English.
QStringList knownPhaseNames();

} // namespace lab

// Options > Language: the student picks the language of the next run.
#pragma once

class QMenu;

namespace i18n {

// Adds the "Language" submenu to the options menu: "System Language"
// (follow the system, remembered as an empty code) and the shipped
// languages by their own names, one checked: the remembered choice. A new
// choice is remembered and the student is told it takes effect at the next
// start, since windows already built keep the texts they were made with.
void addLanguageMenu(QMenu *options);

} // namespace i18n

// Puts the program in the language a run speaks: Corvanta's own translation
// and Qt's (the standard buttons and dialogs), and the locale that writes
// numbers the way that language's readers expect (a decimal comma in German).
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace i18n {

struct TranslationFolders {
  QString program; // holds corvanta_<code>.qm
  QString qt;      // holds Qt's qtbase_<code>.qm
};

// The translations built into the program (:/i18n) and Qt's installed ones.
TranslationFolders builtInFolders();

// Installs the translations of the language the settings remember (or the
// system's, see languageFor) from the built-in folders, and returns the
// code of the language in effect. Call it once the application exists and
// before any window is built: texts already shown keep their language.
QString installTranslations(QCoreApplication &app);

// The same from the given folders, for the given system locale. English
// installs nothing and leaves the locale alone. When Corvanta's own
// translation is missing or unreadable the run stays in English (a warning
// goes to the log, the student sees no message) and "en" is returned;
// without Qt's translation, only Qt's standard texts stay in English.
// Translators installed by an earlier call are removed first.
QString installTranslations(QCoreApplication &app, const QLocale &system,
                            const TranslationFolders &folders);

} // namespace i18n

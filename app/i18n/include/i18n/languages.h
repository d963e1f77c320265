// The languages Corvanta ships and which of them a run speaks. English is
// the language the program is written in; the others come as translations.
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

namespace i18n {

// The code of the language the program's texts are written in.
QString englishCode();

struct Language {
  QString code;       // ISO 639-1, as remembered under Options > Language
  QString nativeName; // the language's name in itself, as its speakers look for it
};

// English, German, French, Spanish and Portuguese, in that order.
QList<Language> shippedLanguages();

// The language of a run: the remembered code when it is shipped, else the
// system's language when it is shipped, else English.
QString languageFor(const QString &remembered, const QLocale &system);

// The locale that writes numbers and dates for a shipped language: the
// system's own territory when the system speaks that language (de_AT keeps
// Austria's ways), else the language's home locale (de_DE, fr_FR, es_ES,
// pt_PT, en_US). An unknown code leaves the system's locale.
QLocale localeFor(const QString &code, const QLocale &system);

} // namespace i18n

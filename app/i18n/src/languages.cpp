#include "i18n/languages.h"

#include <algorithm>

namespace i18n {

namespace {

struct Shipped {
  const char *code;
  const char16_t *nativeName;
  QLocale::Language language;
  QLocale::Territory home; // where the language's numbers are written when the system says nothing
};

constexpr Shipped kShipped[] = {
    {"en", u"English", QLocale::English, QLocale::UnitedStates},
    {"de", u"Deutsch", QLocale::German, QLocale::Germany},
    {"fr", u"Français", QLocale::French, QLocale::France},
    {"es", u"Español", QLocale::Spanish, QLocale::Spain},
    {"pt", u"Português", QLocale::Portuguese, QLocale::Portugal},
};

const Shipped *findByCode(const QString &code) {
  const auto found = std::ranges::find_if(
      kShipped, [&code](const Shipped &shipped) { return code == QLatin1String(shipped.code); });
  return found == std::end(kShipped) ? nullptr : found;
}

const Shipped *findByLanguage(QLocale::Language language) {
  const auto found = std::ranges::find(kShipped, language, &Shipped::language);
  return found == std::end(kShipped) ? nullptr : found;
}

} // namespace

QString englishCode() { return QString::fromLatin1(kShipped[0].code); }

QList<Language> shippedLanguages() {
  QList<Language> languages;
  for (const Shipped &shipped : kShipped)
    languages.append({QString::fromLatin1(shipped.code), QString::fromUtf16(shipped.nativeName)});
  return languages;
}

QString languageFor(const QString &remembered, const QLocale &system) {
  if (const Shipped *chosen = findByCode(remembered))
    return QString::fromLatin1(chosen->code);
  if (const Shipped *spoken = findByLanguage(system.language()))
    return QString::fromLatin1(spoken->code);
  return englishCode();
}

QLocale localeFor(const QString &code, const QLocale &system) {
  const Shipped *shipped = findByCode(code);
  if (shipped == nullptr)
    return system;
  if (system.language() == shipped->language)
    return QLocale(shipped->language, system.territory());
  return QLocale(shipped->language, shipped->home);
}

} // namespace i18n

// Which language a run speaks and which locale writes its numbers.
#include "i18n/languages.h"

#include <gtest/gtest.h>

using i18n::languageFor;
using i18n::localeFor;

namespace {

QLocale locale(const char *name) { return QLocale(QString::fromLatin1(name)); }

} // namespace

TEST(Languages, ShipsEnglishAndFourTranslationsByTheirOwnNames) {
  const QList<i18n::Language> languages = i18n::shippedLanguages();
  ASSERT_EQ(languages.size(), 5);
  const QStringList codes{"en", "de", "fr", "es", "pt"};
  const QStringList names{"English", "Deutsch", "Français", "Español", "Português"};
  for (qsizetype i = 0; i < languages.size(); ++i) {
    EXPECT_EQ(languages[i].code, codes[i]);
    EXPECT_EQ(languages[i].nativeName, names[i]);
  }
  EXPECT_EQ(i18n::englishCode(), QStringLiteral("en"));
}

TEST(Languages, TheRememberedChoiceWinsOverTheSystem) {
  EXPECT_EQ(languageFor(QStringLiteral("fr"), locale("de_DE")), QStringLiteral("fr"));
  EXPECT_EQ(languageFor(QStringLiteral("en"), locale("de_AT")), QStringLiteral("en"));
  EXPECT_EQ(languageFor(QStringLiteral("pt"), locale("ja_JP")), QStringLiteral("pt"));
}

// Nothing remembered, or a code not shipped (a hand-edited setting): the
// system's language when shipped, whatever its region, else English.
TEST(Languages, WithoutAShippedChoiceTheSystemsLanguageOrEnglish) {
  EXPECT_EQ(languageFor(QString(), locale("de_AT")), QStringLiteral("de"));
  EXPECT_EQ(languageFor(QStringLiteral("xx"), locale("de_AT")), QStringLiteral("de"));
  EXPECT_EQ(languageFor(QStringLiteral("DE"), locale("fr_CA")), QStringLiteral("fr"));
  EXPECT_EQ(languageFor(QString(), locale("pt_BR")), QStringLiteral("pt"));
  EXPECT_EQ(languageFor(QString(), locale("es_MX")), QStringLiteral("es"));
  EXPECT_EQ(languageFor(QString(), locale("ja_JP")), QStringLiteral("en"));
  EXPECT_EQ(languageFor(QStringLiteral("ja"), locale("ja_JP")), QStringLiteral("en"));
  EXPECT_EQ(languageFor(QString(), QLocale::c()), QStringLiteral("en"));
}

// A system that speaks the language keeps its region's ways of writing
// numbers; another gets the language's home locale.
TEST(Languages, TheLocaleKeepsTheSystemsRegionOnlyWhenItSpeaksTheLanguage) {
  EXPECT_EQ(localeFor(QStringLiteral("de"), locale("de_AT")).name(), QStringLiteral("de_AT"));
  EXPECT_EQ(localeFor(QStringLiteral("de"), locale("en_US")).name(), QStringLiteral("de_DE"));
  EXPECT_EQ(localeFor(QStringLiteral("fr"), locale("fr_CA")).name(), QStringLiteral("fr_CA"));
  EXPECT_EQ(localeFor(QStringLiteral("fr"), locale("de_CH")).name(), QStringLiteral("fr_FR"));
  EXPECT_EQ(localeFor(QStringLiteral("es"), QLocale::c()).name(), QStringLiteral("es_ES"));
  EXPECT_EQ(localeFor(QStringLiteral("pt"), locale("pt_BR")).name(), QStringLiteral("pt_BR"));
  EXPECT_EQ(localeFor(QStringLiteral("pt"), locale("en_GB")).name(), QStringLiteral("pt_PT"));
  EXPECT_EQ(localeFor(QStringLiteral("xx"), locale("ja_JP")).name(), QStringLiteral("ja_JP"));
}

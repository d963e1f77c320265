// Installing the run's language: the built-in translations exist and load,
// a loaded translation translates and sets the locale, and a broken one
// leaves the run in English without a word to the student.
#include "translation_fixture.h"

#include "i18n/languages.h"

#include <QApplication>
#include <QDir>
#include <QTranslator>

using i18n::installTranslations;

namespace {

QCoreApplication &app() { return *QCoreApplication::instance(); }

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);

} // namespace

// Each translation is built into the program and is the one for its language.
TEST(BuiltInTranslations, EachShippedLanguageHasOneThatLoads) {
  for (const i18n::Language &language : i18n::shippedLanguages()) {
    if (language.code == i18n::englishCode())
      continue;
    const QString path = QStringLiteral(":/i18n/corvanta_%1.qm").arg(language.code);
    QTranslator translator;
    EXPECT_TRUE(translator.load(path)) << path.toStdString();
    EXPECT_EQ(translator.language(), language.code);
  }
}

TEST_F(TranslationTest, EachShippedLanguageIsInstalledWithItsLocale) {
  for (const i18n::Language &language : i18n::shippedLanguages()) {
    QLocale::setDefault(machineLocale);
    settings::setLanguage(language.code);
    EXPECT_EQ(installTranslations(app(), kUnitedStates, i18n::builtInFolders()), language.code);
    const QLocale expected = language.code == i18n::englishCode()
                                 ? machineLocale
                                 : i18n::localeFor(language.code, kUnitedStates);
    EXPECT_EQ(QLocale().name(), expected.name()) << language.code.toStdString();
  }
}

TEST_F(TranslationTest, GermanWritesADecimalComma) {
  settings::setLanguage(QStringLiteral("de"));
  ASSERT_EQ(installTranslations(app(), kUnitedStates, i18n::builtInFolders()), "de");
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
  EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2,5"));
}

// Qt's own German translation names the standard buttons in German.
TEST_F(TranslationTest, QtsOwnTextsFollowTheLanguage) {
  const QString qtFile = QDir(i18n::builtInFolders().qt).filePath(QStringLiteral("qtbase_de.qm"));
  if (!QFile::exists(qtFile))
    GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
  settings::setLanguage(QStringLiteral("de"));
  ASSERT_EQ(installTranslations(app(), kUnitedStates, i18n::builtInFolders()), "de");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

TEST_F(TranslationTest, BothTranslationsTranslateAndTheSystemsRegionIsKept) {
  place("program", programFolder, QStringLiteral("corvanta_de.qm"));
  place("qt", qtFolder, QStringLiteral("qtbase_de.qm"));
  settings::setLanguage(QStringLiteral("de"));
  const QLocale swiss(QLocale::German, QLocale::Switzerland);
  EXPECT_EQ(installTranslations(app(), swiss, folders()), QStringLiteral("de"));
  EXPECT_EQ(translated("Program"), QStringLiteral("Programm"));
  EXPECT_EQ(translated("Qt"), QStringLiteral("Qt übersetzt"));
  EXPECT_EQ(languageChanges.count, 2);
  EXPECT_EQ(QLocale().name(), QStringLiteral("de_CH"));
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral("."));
}

// The system's language is used when nothing is remembered.
TEST_F(TranslationTest, NothingRememberedFollowsTheSystem) {
  place("program", programFolder, QStringLiteral("corvanta_de.qm"));
  EXPECT_EQ(installTranslations(app(), QLocale(QLocale::German, QLocale::Austria), folders()),
            QStringLiteral("de"));
  EXPECT_EQ(translated("Program"), QStringLiteral("Programm"));
  EXPECT_EQ(QLocale().name(), QStringLiteral("de_AT"));
}

// Qt ships Brazil's Portuguese only: Portuguese uses it for Qt's texts.
TEST_F(TranslationTest, PortugueseFindsQtsBrazilianTranslation) {
  place("program", programFolder, QStringLiteral("corvanta_pt.qm"));
  place("qt", qtFolder, QStringLiteral("qtbase_pt_BR.qm"));
  settings::setLanguage(QStringLiteral("pt"));
  EXPECT_EQ(installTranslations(app(), kUnitedStates, folders()), QStringLiteral("pt"));
  EXPECT_EQ(translated("Qt"), QStringLiteral("Qt übersetzt"));
  EXPECT_EQ(QLocale().name(), QStringLiteral("pt_PT"));
}

// Without Qt's translation the program's own texts are still translated.
TEST_F(TranslationTest, AMissingQtTranslationKeepsTheProgramsOwn) {
  place("program", programFolder, QStringLiteral("corvanta_fr.qm"));
  settings::setLanguage(QStringLiteral("fr"));
  EXPECT_EQ(installTranslations(app(), kUnitedStates, folders()), QStringLiteral("fr"));
  EXPECT_EQ(translated("Program"), QStringLiteral("Programm"));
  EXPECT_EQ(QLocale().name(), QStringLiteral("fr_FR"));
}

TEST_F(TranslationTest, EnglishInstallsNothingAndLeavesTheLocale) {
  place("program", programFolder, QStringLiteral("corvanta_en.qm"));
  place("qt", qtFolder, QStringLiteral("qtbase_en.qm"));
  const QLocale before = QLocale();
  settings::setLanguage(QStringLiteral("en"));
  EXPECT_EQ(installTranslations(app(), QLocale(QLocale::German, QLocale::Germany), folders()),
            QStringLiteral("en"));
  EXPECT_EQ(languageChanges.count, 0);
  EXPECT_EQ(translated("Program"), QStringLiteral("Program"));
  EXPECT_EQ(QLocale(), before);
}

// A later call replaces what an earlier one installed.
TEST_F(TranslationTest, InstallingAgainReplacesTheEarlierTranslators) {
  place("program", programFolder, QStringLiteral("corvanta_de.qm"));
  settings::setLanguage(QStringLiteral("de"));
  installTranslations(app(), kUnitedStates, folders());
  installTranslations(app(), kUnitedStates, folders());
  EXPECT_EQ(app().findChildren<QTranslator *>(Qt::FindDirectChildrenOnly).size(), 1);
  settings::setLanguage(QStringLiteral("en"));
  installTranslations(app(), kUnitedStates, folders());
  EXPECT_EQ(translated("Program"), QStringLiteral("Program"));
  EXPECT_TRUE(app().findChildren<QTranslator *>(Qt::FindDirectChildrenOnly).isEmpty());
}

// A missing, empty, corrupt or cut-short translation: English, Qt's
// translation left out too (half German, half English helps no one), the
// locale untouched, and no message box.
TEST_F(TranslationTest, ABrokenTranslationFallsBackToEnglishSilently) {
  QFile valid(QStringLiteral(":/fixtures/fixture_program.qm"));
  ASSERT_TRUE(valid.open(QIODevice::ReadOnly));
  const QByteArray whole = valid.readAll();
  const struct {
    const char *what;
    QByteArray content;
  } broken[] = {{"empty", QByteArray()},
                {"not a translation", QByteArray("<html>not found</html>")},
                {"cut short", whole.left(whole.size() / 2)}};
  place("qt", qtFolder, QStringLiteral("qtbase_de.qm"));
  settings::setLanguage(QStringLiteral("de"));
  const QLocale before = QLocale();

  EXPECT_EQ(installTranslations(app(), kUnitedStates, folders()), QStringLiteral("en"))
      << "missing";
  for (const auto &[what, content] : broken) {
    QFile file(programFolder.filePath(QStringLiteral("corvanta_de.qm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    EXPECT_EQ(installTranslations(app(), kUnitedStates, folders()), QStringLiteral("en")) << what;
  }
  EXPECT_EQ(languageChanges.count, 0);
  EXPECT_EQ(translated("Qt"), QStringLiteral("Qt"));
  EXPECT_EQ(QLocale(), before);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

// What the translation tests share: a remembered language set per test, the
// default locale and the installed translators put back afterwards, the
// stand-in translations copied into folders of the test's own under the
// names the loader looks for, and a count of the language changes the
// application was told of (Qt announces every translator that holds texts).
#pragma once

#include "i18n/translations.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class LanguageChangeCounter : public QObject {
public:
  int count = 0;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
      ++count;
    return false;
  }
};

class TranslationTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(programFolder.isValid() && qtFolder.isValid());
    QCoreApplication::instance()->installEventFilter(&languageChanges);
  }
  void TearDown() override {
    QCoreApplication::instance()->removeEventFilter(&languageChanges);
    // English removes whatever the test installed.
    settings::setLanguage(QStringLiteral("en"));
    i18n::installTranslations(*QCoreApplication::instance(), QLocale::c(), folders());
    settings::setLanguage(QString());
    QLocale::setDefault(machineLocale);
  }

  i18n::TranslationFolders folders() const { return {programFolder.path(), qtFolder.path()}; }

  // Puts the stand-in for Corvanta's (fixture "program") or Qt's ("qt")
  // translation into a folder under the given name.
  static void place(const char *fixture, const QTemporaryDir &folder, const QString &name) {
    const QString from = QStringLiteral(":/fixtures/fixture_%1.qm").arg(QLatin1String(fixture));
    ASSERT_TRUE(QFile::copy(from, folder.filePath(name)))
        << fixture << " as " << name.toStdString();
  }

  static QString translated(const char *source) {
    return QCoreApplication::translate("I18nFixture", source);
  }

  const QLocale machineLocale;
  QTemporaryDir programFolder;
  QTemporaryDir qtFolder;
  LanguageChangeCounter languageChanges;
};

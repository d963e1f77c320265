// Options > Language: the remembered choice is checked, each entry has a key
// of its own, and a new choice is remembered with word of when it applies.
#include "translation_fixture.h"

#include "i18n/language_menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace {

// The submenu the call added to the options menu.
QMenu *languageMenu(QMenu &options) {
  const QList<QAction *> added = options.actions();
  return added.isEmpty() ? nullptr : added.last()->menu();
}

QList<QAction *> choices(QMenu *menu) {
  QList<QAction *> entries;
  for (QAction *action : menu->actions())
    if (!action->isSeparator())
      entries += action;
  return entries;
}

QAction *choice(QMenu *menu, const QString &code) {
  for (QAction *action : choices(menu))
    if (action->data().toString() == code)
      return action;
  return nullptr;
}

QStringList checkedCodes(QMenu *menu) {
  QStringList codes;
  for (QAction *action : choices(menu))
    if (action->isChecked())
      codes += action->data().toString();
  return codes;
}

// Triggers the action and answers the message box it may show; the box's
// text, or nothing when none was shown.
QString messageWhenTriggering(QAction *action) {
  QString shown;
  QTimer answer;
  answer.setSingleShot(true);
  QObject::connect(&answer, &QTimer::timeout, [&shown] {
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  answer.start(0);
  action->trigger();
  return shown;
}

} // namespace

class LanguageMenu : public TranslationTest {};

TEST_F(LanguageMenu, OffersTheSystemsLanguageAndEachShippedOneByItsOwnName) {
  QMenu options;
  i18n::addLanguageMenu(&options);
  QMenu *menu = languageMenu(options);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("&Language"));
  QStringList names;
  QString keys;
  for (QAction *action : choices(menu)) {
    EXPECT_TRUE(action->isCheckable());
    names += QString(action->text()).remove(QLatin1Char('&'));
    const qsizetype mark = action->text().indexOf(QLatin1Char('&'));
    ASSERT_GE(mark, 0) << action->text().toStdString() << " has no key";
    keys += action->text().at(mark + 1).toLower();
  }
  EXPECT_EQ(names, QStringList({"System Language", "English", "Deutsch", "Français", "Español",
                                "Português"}));
  for (const QChar key : keys)
    EXPECT_EQ(keys.count(key), 1) << "the key " << QString(key).toStdString() << " is used twice";
}

TEST_F(LanguageMenu, ChecksTheRememberedChoiceOnly) {
  const struct {
    QString remembered;
    QString checked;
  } cases[] = {{QStringLiteral("fr"), QStringLiteral("fr")},
               {QStringLiteral("en"), QStringLiteral("en")},
               {QString(), QString()},
               {QStringLiteral("xx"), QString()}};
  for (const auto &[remembered, checked] : cases) {
    settings::setLanguage(remembered);
    QMenu options;
    i18n::addLanguageMenu(&options);
    EXPECT_EQ(checkedCodes(languageMenu(options)), QStringList{checked})
        << remembered.toStdString();
  }
}

TEST_F(LanguageMenu, ANewChoiceIsRememberedForTheNextStart) {
  settings::setLanguage(QStringLiteral("fr"));
  QMenu options;
  i18n::addLanguageMenu(&options);
  QMenu *menu = languageMenu(options);

  const QString message = messageWhenTriggering(choice(menu, QStringLiteral("de")));
  EXPECT_EQ(settings::language(), QStringLiteral("de"));
  EXPECT_TRUE(message.contains(QStringLiteral("next time it starts"))) << message.toStdString();
  EXPECT_EQ(checkedCodes(menu), QStringList{QStringLiteral("de")});

  EXPECT_FALSE(messageWhenTriggering(choice(menu, QString())).isEmpty());
  EXPECT_EQ(settings::language(), QString());
  EXPECT_EQ(checkedCodes(menu), QStringList{QString()});
}

// Choosing what is already remembered changes nothing and says nothing.
TEST_F(LanguageMenu, TheRememberedChoiceAgainSaysNothing) {
  settings::setLanguage(QStringLiteral("es"));
  QMenu options;
  i18n::addLanguageMenu(&options);
  EXPECT_TRUE(messageWhenTriggering(choice(languageMenu(options), QStringLiteral("es"))).isEmpty());
  EXPECT_EQ(settings::language(), QStringLiteral("es"));
}

// The menu's own texts are translated, and its keys stay distinct in the
// translation.
TEST_F(LanguageMenu, SpeaksTheInstalledLanguage) {
  place("program", programFolder, QStringLiteral("corvanta_de.qm"));
  settings::setLanguage(QStringLiteral("de"));
  ASSERT_EQ(i18n::installTranslations(*QCoreApplication::instance(), QLocale::c(), folders()),
            QStringLiteral("de"));
  QMenu options;
  i18n::addLanguageMenu(&options);
  QMenu *menu = languageMenu(options);
  EXPECT_EQ(menu->title(), QStringLiteral("&Sprache"));
  EXPECT_EQ(choice(menu, QString())->text(), QStringLiteral("&Systemsprache"));
  // "S" is the system's: Deutsch keeps "D", Español takes its next free letter.
  EXPECT_EQ(choice(menu, QStringLiteral("de"))->text(), QStringLiteral("&Deutsch"));
  EXPECT_EQ(choice(menu, QStringLiteral("es"))->text(), QStringLiteral("Es&pañol"));
}

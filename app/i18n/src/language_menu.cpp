#include "i18n/language_menu.h"

#include "i18n/languages.h"
#include "settings/settings.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

namespace i18n {

namespace {

// The letter after the '&' of a menu text, lower case; none when unmarked.
QChar mnemonicOf(const QString &text) {
  const qsizetype mark = text.indexOf(QLatin1Char('&'));
  return mark >= 0 && mark + 1 < text.size() ? text.at(mark + 1).toLower() : QChar();
}

// The name with '&' before its first letter no other entry uses yet, so each
// language is reached by its own key; the name as it is when every letter is
// taken (the arrow keys still reach it).
QString withMnemonic(const QString &name, QString &taken) {
  for (qsizetype i = 0; i < name.size(); ++i) {
    const QChar letter = name.at(i).toLower();
    if (letter.isLetter() && !taken.contains(letter)) {
      taken += letter;
      return QString(name).insert(i, QLatin1Char('&'));
    }
  }
  return name;
}

QAction *addChoice(QMenu *menu, QActionGroup *group, const QString &text, const QString &code) {
  QAction *action = menu->addAction(text);
  action->setCheckable(true);
  action->setData(code);
  action->setChecked(code == settings::language());
  group->addAction(action);
  return action;
}

void remember(QWidget *parent, const QString &code) {
  if (code == settings::language())
    return;
  settings::setLanguage(code);
  QMessageBox::information(
      parent, QCoreApplication::translate("LanguageMenu", "Language"),
      QCoreApplication::translate("LanguageMenu",
                                  "Corvanta will show this language the next time it starts."));
}

} // namespace

void addLanguageMenu(QMenu *options) {
  QMenu *menu = options->addMenu(QCoreApplication::translate("LanguageMenu", "&Language"));
  auto *group = new QActionGroup(menu);
  group->setExclusive(true);

  const QString system = QCoreApplication::translate("LanguageMenu", "&System Language");
  QAction *followSystem = addChoice(menu, group, system, QString());
  menu->addSeparator();
  QString taken(mnemonicOf(system));
  bool rememberedShipped = false;
  for (const Language &language : shippedLanguages())
    rememberedShipped |=
        addChoice(menu, group, withMnemonic(language.nativeName, taken), language.code)
            ->isChecked();
  // A code the program does not ship (a hand-edited setting) follows the
  // system, as the next start will.
  if (!rememberedShipped)
    followSystem->setChecked(true);

  QObject::connect(group, &QActionGroup::triggered, menu, [options](QAction *chosen) {
    QWidget *owner = options->parentWidget();
    remember(owner ? owner->window() : nullptr, chosen->data().toString());
  });
}

} // namespace i18n

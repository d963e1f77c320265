#include "answer_input.h"
#include "lesson_language.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>

namespace guide {

using experiments::AnswerKind;

namespace {

// A number as the student types it: in their own locale ("1.959,5" in
// Germany) or plainly ("1959.5"), with thousands separators or without.
std::optional<double> typedNumber(QString text) {
  text = text.trimmed();
  bool ok = false;
  double value = QLocale().toDouble(text, &ok);
  if (!ok)
    value = QLocale::c().toDouble(text, &ok);
  if (!ok)
    value = QLocale::c().toDouble(QString(text).remove(QLatin1Char(',')), &ok);
  return ok ? std::optional(value) : std::nullopt;
}

} // namespace

AnswerInput::AnswerInput(QWidget *parent) : QWidget(parent) {
  prompt = new QLabel(this);
  prompt->setWordWrap(true);
  line = new QLineEdit(this);
  unit = new QLabel(this);
  choices = new QComboBox(this);
  line->setAccessibleName(tr("Your answer"));
  choices->setAccessibleName(tr("Your choice"));
  prompt->setBuddy(line);
  auto *row = new QHBoxLayout;
  row->addWidget(line, 1);
  row->addWidget(unit);
  row->addWidget(choices, 1);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(prompt);
  layout->addLayout(row);
  connect(line, &QLineEdit::textEdited, this, &AnswerInput::edited);
  connect(choices, &QComboBox::activated, this, &AnswerInput::edited);
}

void AnswerInput::ask(const experiments::Question &question,
                      const std::optional<experiments::Value> &given) {
  question_ = question;
  const QString asked = lessonText(question.text);
  // The prompt names its box's access key; an ampersand of the question
  // shows as itself.
  prompt->setText(QString(asked).replace(QLatin1Char('&'), QStringLiteral("&&")));
  const bool choosing = question.kind == AnswerKind::Choice;
  line->setVisible(!choosing);
  choices->setVisible(choosing);
  const bool withUnit = question.kind == AnswerKind::Number && !question.unit.empty();
  unit->setVisible(withUnit);
  unit->setText(QString::fromStdString(question.unit));
  prompt->setBuddy(choosing ? static_cast<QWidget *>(choices) : line);
  line->setAccessibleName(asked);
  choices->setAccessibleName(asked);
  line->setAccessibleDescription(withUnit ? tr("In %1").arg(QString::fromStdString(question.unit))
                                          : QString());
  line->clear();
  choices->clear();
  choices->addItem(tr("(choose one)"));
  for (const std::string &choice : question.choices)
    choices->addItem(lessonText(choice), QString::fromStdString(choice));
  if (!given)
    return;
  if (choosing)
    choices->setCurrentIndex(std::max(0, choices->findData(QString::fromStdString(given->text))));
  else if (given->number)
    line->setText(QLocale().toString(*given->number, 'g', 12));
  else
    line->setText(QString::fromStdString(given->text));
}

std::optional<experiments::Value> AnswerInput::answer() const {
  switch (question_.kind) {
  case AnswerKind::Choice:
    if (choices->currentIndex() <= 0)
      return std::nullopt;
    return experiments::Value{std::nullopt, {}, choices->currentData().toString().toStdString()};
  case AnswerKind::Number:
    if (const auto number = typedNumber(line->text()))
      return experiments::Value{*number, question_.unit, {}};
    return std::nullopt;
  case AnswerKind::Text:
    break;
  }
  const QString text = line->text().trimmed();
  if (text.isEmpty())
    return std::nullopt;
  return experiments::Value{std::nullopt, {}, text.toStdString()};
}

} // namespace guide

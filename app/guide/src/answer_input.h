// Where the student gives a step's answer: a number box with the unit
// beside it, a list of choices, or a line of text, as the question asks.
#pragma once

#include "experiments/experiment.h"
#include "experiments/record.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace guide {

class AnswerInput : public QWidget {
  Q_OBJECT

public:
  explicit AnswerInput(QWidget *parent);

  // Shows the input for this question with the answer given before, if any.
  void ask(const experiments::Question &question,
           const std::optional<experiments::Value> &given);
  // The answer as it stands; none while the box is empty or holds no number.
  std::optional<experiments::Value> answer() const;

  QLabel *prompt = nullptr;
  QLineEdit *line = nullptr;   // numbers and text
  QLabel *unit = nullptr;      // beside a number
  QComboBox *choices = nullptr;

signals:
  void edited();

private:
  experiments::Question question_;
};

} // namespace guide

// Reading the student's answer: numbers as they type them in their own
// locale or plainly, choices and sentences, and nothing for an empty box.
#include "../../about/tests/default_locale.h"
#include "answer_input.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

using experiments::AnswerKind;
using experiments::Question;
using experiments::Value;

const Question kNumber{AnswerKind::Number, "At what temperature does it melt?", "K", {}};
const Question kChoice{AnswerKind::Choice, "Which state?", "", {"solid", "liquid", "gas"}};
const Question kText{AnswerKind::Text, "Why?", "", {}};

class AnswerInputTest : public testing::Test {
protected:
  std::optional<Value> typed(const QString &text) {
    input.ask(kNumber, std::nullopt);
    input.line->setText(text);
    return input.answer();
  }

  guide::AnswerInput input{nullptr};
};

const std::optional<Value> kMelting = Value{1959.5, "K", {}};

} // namespace

TEST_F(AnswerInputTest, NumbersAreReadPlainlyOrWithThousandsSeparators) {
  const DefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(typed(QStringLiteral("1959.5")), kMelting);
  EXPECT_EQ(typed(QStringLiteral("1,959.5")), kMelting);
  EXPECT_EQ(typed(QStringLiteral(" 1959.5 ")), kMelting);
  EXPECT_EQ(typed(QStringLiteral("-12")), (Value{-12.0, "K", {}}));
}

TEST_F(AnswerInputTest, NumbersAreReadInTheStudentsLocale) {
  const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(typed(QStringLiteral("1959,5")), kMelting);
  EXPECT_EQ(typed(QStringLiteral("1.959,5")), kMelting);
  EXPECT_EQ(typed(QStringLiteral("1959.5")), kMelting) << "typed plainly";
}

TEST_F(AnswerInputTest, AnAnswerGivenBeforeReadsBackAsTheSameNumberInAnyLocale) {
  for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
    const DefaultLocale chosen(locale);
    input.ask(kNumber, kMelting);
    EXPECT_EQ(input.answer(), kMelting)
        << locale.name().toStdString() << ": " << input.line->text().toStdString();
  }
}

TEST_F(AnswerInputTest, AnEmptyOrWordyNumberBoxGivesNoAnswer) {
  EXPECT_FALSE(typed(QString()));
  EXPECT_FALSE(typed(QStringLiteral("   ")));
  EXPECT_FALSE(typed(QStringLiteral("about 2000")));
}

TEST_F(AnswerInputTest, AChoiceIsAnAnswerOnlyOnceOneIsChosen) {
  input.ask(kChoice, std::nullopt);
  ASSERT_EQ(input.choices->count(), 4);
  EXPECT_EQ(input.choices->currentIndex(), 0);
  EXPECT_FALSE(input.answer()) << "(choose one)";
  input.choices->setCurrentIndex(2);
  EXPECT_EQ(input.answer(), (Value{std::nullopt, {}, "liquid"}));
  input.ask(kChoice, Value{std::nullopt, {}, "gas"});
  EXPECT_EQ(input.choices->currentText(), QStringLiteral("gas"));
}

TEST_F(AnswerInputTest, ASentenceIsTrimmedAndAnEmptyOneGivesNoAnswer) {
  input.ask(kText, std::nullopt);
  input.line->setText(QStringLiteral("  They are far apart.  "));
  EXPECT_EQ(input.answer(), (Value{std::nullopt, {}, "They are far apart."}));
  input.line->setText(QStringLiteral("  "));
  EXPECT_FALSE(input.answer());
}

TEST_F(AnswerInputTest, AskingAnotherQuestionClearsTheLastAnswer) {
  input.ask(kNumber, kMelting);
  input.ask(kText, std::nullopt);
  EXPECT_TRUE(input.line->text().isEmpty());
  EXPECT_FALSE(input.answer());
  EXPECT_EQ(input.prompt->text(), QStringLiteral("Why?"));
}

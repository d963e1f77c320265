// A lesson in the student's language: its title, steps, paragraphs, question
// and choices are shown through the translation, while the chosen answer is
// recorded and checked as the lesson file writes it, shown again when the
// student comes back, and written to the worksheet in the student's words.
#include "../../about/tests/marking_translator.h"
#include "answer_input.h"
#include "experiment_window.h"
#include "window_fixture.h"
#include "worksheet.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

namespace {

using LessonLanguage = Window;

QString marked(const char *text) { return MarkingTranslator::marked(QString::fromUtf8(text)); }

constexpr int kUnlikePair = 2; // after "(choose one)" and "The like pair"

} // namespace

TEST_F(LessonLanguage, TheStepIsShownTranslated) {
  const MarkingTranslator marking;
  start();
  EXPECT_TRUE(window->heading->text().contains(marked("A walk with two atoms")))
      << window->heading->text().toStdString();
  EXPECT_TRUE(window->heading->text().contains(marked("The well")));
  EXPECT_TRUE(window->text->toPlainText().contains(marked("Two kinds of atoms attract each other.")));
  window->next->click();
  EXPECT_EQ(window->answer->prompt->text(), marked("Which pair has the deeper well?"));
  EXPECT_EQ(window->answer->choices->itemText(kUnlikePair), marked("The unlike pair"));
}

TEST_F(LessonLanguage, AChoiceIsRecordedAndCheckedAsTheLessonWritesIt) {
  const MarkingTranslator marking;
  start();
  window->next->click();
  choose(kUnlikePair);
  window->checkButton->click();
  EXPECT_TRUE(window->feedback->text().startsWith(marked("Right: %1.").left(7)))
      << window->feedback->text().toStdString();
  EXPECT_TRUE(window->feedback->text().contains(marked("The unlike pair")));
  const auto answer = window->session().record().steps[1].answer;
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->text, "The unlike pair");
  EXPECT_EQ(guide::valueText(answer), marked("The unlike pair")) << "the worksheet's words";

  window->back->click();
  window->next->click();
  EXPECT_EQ(window->answer->choices->currentIndex(), kUnlikePair) << "shown again";
}

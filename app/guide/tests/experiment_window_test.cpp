// The Experiments window offscreen: the list of lessons, one step at a
// time with the controls the step needs, the answers kept as the student
// goes back and forth, and a broken file refused without losing the step.
#include "answer_input.h"
#include "experiment_window.h"
#include "lesson_text.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

TEST_F(Window, TheListShowsEachReadableLessonWithItsLength) {
  EXPECT_EQ(window->pages->currentIndex(), 0);
  ASSERT_EQ(window->list->count(), 1) << "the broken lesson is left out";
  EXPECT_EQ(window->list->item(0)->text(), QStringLiteral("A walk with two atoms (about 5 min)"));
  EXPECT_EQ(window->list->item(0)->toolTip(),
            QStringLiteral("Load a pair of materials, measure their well and compare."));
  EXPECT_TRUE(window->startButton->isEnabled());
}

TEST_F(Window, StartOpensTheFirstStepAndPerformsItsSetUp) {
  window->list->setCurrentRow(0);
  window->startButton->click();
  EXPECT_EQ(window->pages->currentIndex(), 1);
  EXPECT_TRUE(window->heading->text().contains(QStringLiteral("Step 1 of 3: The well")))
      << window->heading->text().toStdString();
  EXPECT_TRUE(window->text->toPlainText().contains(QStringLiteral("attract each other")));
  EXPECT_EQ(stage.calls, QStringList({"load pair.ams", "chart energy", "commanded"}));
  EXPECT_FALSE(window->back->isEnabled());
  EXPECT_TRUE(window->next->isEnabled());
}

TEST_F(Window, NextAndBackStopAtTheEndsOfTheLesson) {
  start();
  window->next->click();
  window->next->click();
  EXPECT_EQ(window->session().step(), 2);
  EXPECT_TRUE(window->heading->text().contains(QStringLiteral("Step 3 of 3")));
  EXPECT_FALSE(window->next->isEnabled());
  EXPECT_TRUE(window->back->isEnabled());
}

TEST_F(Window, EachStepShowsTheControlsItsMeasurementAndQuestionNeed) {
  start();
  EXPECT_TRUE(measureRowShown());
  EXPECT_TRUE(
      window->measurementLabel->text().contains(QStringLiteral("depth of the energy well")));
  EXPECT_EQ(window->measured->text(), QStringLiteral("not measured yet"));
  EXPECT_TRUE(window->answer->line->isVisible());
  EXPECT_TRUE(window->answer->unit->isVisible());
  EXPECT_EQ(window->answer->unit->text(), QStringLiteral("kJ/mol"));
  EXPECT_FALSE(window->answer->choices->isVisible());
  EXPECT_TRUE(window->checkButton->isVisible());

  window->next->click();
  EXPECT_FALSE(measureRowShown());
  EXPECT_TRUE(window->answer->choices->isVisible());
  EXPECT_FALSE(window->answer->line->isVisible());
  EXPECT_EQ(window->answer->choices->count(), 3) << "(choose one) and the two choices";
  EXPECT_EQ(window->answer->prompt->text(), QStringLiteral("Which pair has the deeper well?"));

  window->next->click();
  EXPECT_TRUE(window->answer->line->isVisible());
  EXPECT_FALSE(window->answer->unit->isVisible());
  EXPECT_FALSE(window->checkButton->isVisible()) << "a step without checks";
}

TEST_F(Window, AnAnswerIsShownAgainWhenTheStudentComesBackToItsStep) {
  start();
  type(QStringLiteral("2.4"));
  window->next->click();
  choose(2);
  window->next->click();
  window->back->click();
  EXPECT_EQ(window->answer->choices->currentText(), QStringLiteral("The unlike pair"));
  window->back->click();
  EXPECT_EQ(window->answer->line->text(), QStringLiteral("2.4"));
  const auto answer = window->session().record().steps[0].answer;
  ASSERT_TRUE(answer);
  EXPECT_EQ(*answer, (experiments::Value{2.4, "kJ/mol", {}}));
}

TEST_F(Window, MeasureShowsTheValueAndCheckTellsWhetherTheAnswerFits) {
  start();
  window->measureButton->click();
  EXPECT_EQ(window->measured->text(), QStringLiteral("2.39 kJ/mol"));
  EXPECT_TRUE(window->problem->isHidden()) << window->problem->text().toStdString();
  type(QStringLiteral("9"));
  window->checkButton->click();
  EXPECT_TRUE(window->feedback->text().startsWith(QStringLiteral("Not yet:")))
      << window->feedback->text().toStdString();
  EXPECT_TRUE(window->feedback->text().contains(QStringLiteral("Interactions window")))
      << "the hint is given";
  type(QStringLiteral("2.4"));
  window->checkButton->click();
  EXPECT_TRUE(window->feedback->text().startsWith(QStringLiteral("Right:")))
      << window->feedback->text().toStdString();
}

TEST_F(Window, AMeasurementThatCannotBeTakenSaysWhatToDo) {
  start();
  ASSERT_TRUE(stage.loadScenario(stage.shippedScenario(QStringLiteral("gas.ams"))));
  window->measureButton->click();
  EXPECT_TRUE(window->problem->isVisible());
  EXPECT_TRUE(window->problem->text().contains(QStringLiteral("pair.ams")));
  EXPECT_EQ(window->measured->text(), QStringLiteral("not measured yet"));
  window->setUpAgain->click();
  EXPECT_TRUE(window->problem->isHidden()) << window->problem->text().toStdString();
  EXPECT_EQ(stage.count(QStringLiteral("load pair.ams")), 2);
}

TEST_F(Window, ABrokenFileIsRefusedAndTheOpenLessonStaysAtItsStep) {
  start();
  window->next->click();
  const QString heading = window->heading->text();
  const QStringList calls = stage.calls;
  EXPECT_FALSE(window->openFile(QDir(testData()).filePath(QStringLiteral("broken.experiment"))));
  EXPECT_TRUE(window->problem->text().contains(QStringLiteral("broken.experiment, line 4")))
      << window->problem->text().toStdString();
  EXPECT_TRUE(window->problem->isVisible()) << "the student sees why";
  EXPECT_EQ(window->pages->currentIndex(), 1);
  EXPECT_EQ(window->session().step(), 1);
  EXPECT_EQ(window->heading->text(), heading);
  EXPECT_EQ(stage.calls, calls) << "the running scenario goes on";
}

TEST_F(Window, StartingALessonThatIsNotThereShowsTheList) {
  EXPECT_FALSE(window->start(QStringLiteral("no such lesson")));
  EXPECT_EQ(window->pages->currentIndex(), 0);
  EXPECT_FALSE(window->session().isOpen());
  EXPECT_TRUE(stage.calls.isEmpty());
}

TEST_F(Window, AFirstStepWhoseScenarioIsMissingSaysSoUntilSetUpAgainFindsIt) {
  QTemporaryDir elsewhere;
  const QString path = QDir(elsewhere.path()).filePath(QStringLiteral("lost.experiment"));
  write(path, "experiment = Lost\nstep = First\ndo = load later.ams\nstep = Second\n");
  ASSERT_TRUE(window->openFile(path));
  EXPECT_TRUE(window->problem->isVisible());
  EXPECT_TRUE(window->problem->text().contains(QStringLiteral("later.ams")))
      << window->problem->text().toStdString();
  EXPECT_FALSE(window->next->isEnabled()) << "a step that was not set up is not left forward";

  ASSERT_TRUE(QFile::copy(QDir(testData()).filePath(QStringLiteral("pair.ams")),
                          QDir(window->session().folder()).filePath(QStringLiteral("later.ams"))));
  window->setUpAgain->click();
  EXPECT_TRUE(window->problem->isHidden()) << window->problem->text().toStdString();
  EXPECT_TRUE(window->next->isEnabled());
  EXPECT_EQ(stage.controller().atoms(), 4);
}

TEST_F(Window, TheWorksheetHoldsTheAnswerJustTypedAndTheWindowSaysWhereItWent) {
  start();
  window->session().setStudent(QStringLiteral("Ada Lovelace"));
  window->measureButton->click();
  type(QStringLiteral("2.4"));
  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath(QStringLiteral("sheet.html"));
  ASSERT_TRUE(window->writeWorksheet(path));
  EXPECT_TRUE(window->problem->isVisible());
  EXPECT_TRUE(window->problem->text().contains(QStringLiteral("sheet.html")));
  const QString sheet = QString::fromUtf8(contents(path));
  EXPECT_TRUE(sheet.contains(QStringLiteral("Ada Lovelace")));
  EXPECT_TRUE(sheet.contains(QStringLiteral("2.4 kJ/mol")));
  EXPECT_TRUE(sheet.contains(QStringLiteral("2.39 kJ/mol")));

  const QString nowhere = QDir(folder.path()).filePath(QStringLiteral("missing/sheet.html"));
  EXPECT_FALSE(window->writeWorksheet(nowhere));
  EXPECT_TRUE(window->problem->text().contains(QStringLiteral("sheet.html")))
      << window->problem->text().toStdString();
}

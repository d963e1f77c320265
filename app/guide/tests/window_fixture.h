// The Experiments window shown offscreen over a fake stage, with the test
// lesson data/pair-walk.experiment to start.
#pragma once

#include "answer_input.h"
#include "experiment_window.h"
#include "fake_stage.h"
#include "lesson_text.h"
#include "user_folder_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

// data/pair-walk.experiment: a measured number question, a choice, a text.
inline const QString kWalk = QStringLiteral("pair-walk");

class Window : public UserFolderTest {
protected:
  void SetUp() override {
    UserFolderTest::SetUp();
    window = std::make_unique<guide::ExperimentWindow>(stage, QStringList{testData()}, nullptr);
    window->show();
  }
  void TearDown() override {
    window.reset();
    UserFolderTest::TearDown();
  }
  void start() {
    ASSERT_TRUE(window->start(kWalk));
    ASSERT_TRUE(window->problem->isHidden()) << window->problem->text().toStdString();
  }
  void type(const QString &text) {
    window->answer->line->clear();
    QTest::keyClicks(window->answer->line, text);
  }
  void choose(int index) {
    window->answer->choices->setCurrentIndex(index);
    emit window->answer->choices->activated(index);
  }
  bool measureRowShown() const { return window->measurementLabel->parentWidget()->isVisible(); }

  FakeStage stage;
  std::unique_ptr<guide::ExperimentWindow> window;
};

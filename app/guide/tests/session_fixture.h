// A session on the fake stage, with the lessons written as text and run as
// the panel runs them: the simulation ticks and the session follows the
// phases a few times a second.
#pragma once

#include "experiment_session.h"
#include "fake_stage.h"
#include "lesson_text.h"

#include <gtest/gtest.h>

#include <string>

class SessionTest : public testing::Test {
protected:
  // Opens the lesson with its own files in the tests' data folder; the
  // first step's set-up problem, empty when there is none.
  QString open(const std::string &lesson, const QString &folder = testData()) {
    return session.open(lessonFrom(lesson), folder);
  }
  bool run(std::int64_t steps) {
    return stage.run(steps, [this] { session.observe(); });
  }
  // Runs on until the lid has come to rest (at most a lid's whole way).
  void runUntilTheLidStops() {
    constexpr int kRounds = 50;
    constexpr std::int64_t kRoundSteps = 1000;
    auto box = stage.controller().box();
    for (int round = 0; round < kRounds; ++round) {
      ASSERT_TRUE(run(kRoundSteps));
      if (stage.controller().box() == box)
        return;
      box = stage.controller().box();
    }
    FAIL() << "the lid is still moving";
  }
  const experiments::StepRecord &recorded(int step) const {
    return session.record().steps.at(std::size_t(step));
  }
  // The running scenario's file name.
  QString running() {
    return QString::fromStdString(stage.controller().scenarioPath()).section(QLatin1Char('/'), -1);
  }

  FakeStage stage;
  guide::ExperimentSession session{stage};
};

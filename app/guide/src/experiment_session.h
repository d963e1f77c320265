// A student's way through one guided experiment: which step is open, the
// set-up each step performs, the measurements taken and the answers given.
// The record belongs to the session, not to the running scenario: going
// back and forth, restarting or changing the scenario loses nothing.
#pragma once

#include "analysis/phase_tracker.h"
#include "experiments/checks.h"
#include "experiments/experiment.h"
#include "experiments/record.h"
#include "stage.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace guide {

class ExperimentSession {
public:
  explicit ExperimentSession(Stage &stage);

  // Starts an experiment whose own files (scenarios, pictures) lie in
  // `folder`, with an empty record, and opens its first step. The result
  // is the first step's set-up problem, empty when there is none.
  QString open(experiments::Experiment experiment, const QString &folder);
  bool isOpen() const { return !experiment_.steps.empty(); }
  const experiments::Experiment &experiment() const { return experiment_; }
  const QString &folder() const { return folder_; }
  int step() const { return step_; }
  int stepCount() const { return int(experiment_.steps.size()); }
  const experiments::Step &currentStep() const { return experiment_.steps[std::size_t(step_)]; }

  // Opens another step; the first time a step opens it performs its
  // set-up (later, Set up again does). A step whose scenario cannot be
  // loaded is not entered: the result says why, and the session stays where
  // it was. Empty when all went well.
  QString goTo(int step);
  // Performs the open step's set-up again (after a restart, say).
  QString setUpAgain();
  // Why the open step's set-up did not finish; empty when it did.
  const QString &setUpProblem() const { return setUpProblem_; }

  // Takes the open step's measurement and records it; an empty result, or
  // what the student should do first.
  QString measure();
  // The open step's answer as the student gives it; none clears it.
  void answer(const std::optional<experiments::Value> &value);
  void setStudent(const QString &name);
  const experiments::Record &record() const { return record_; }
  // The checks of a step as they stand; none while the experiment's checks
  // are off.
  std::vector<experiments::Verdict> verdicts(int step) const;
  // The graph the step showed when its measurement was taken.
  QImage chart(int step) const { return charts_[std::size_t(step)]; }

  // Keeps the atoms of the last stretch of the run, for the measurements
  // of the materials' phases: called a few times a second.
  void observe();

private:
  QString setUp();
  QString perform(const experiments::Action &action);
  QString scenarioPath(const std::string &name) const;
  QString neededScenario() const;
  std::vector<experiments::MaterialFacts> materialFacts() const;

  Stage &stage_;
  experiments::Experiment experiment_;
  QString folder_;
  int step_ = 0;
  QString setUpProblem_;
  experiments::Record record_;
  std::vector<QImage> charts_;
  std::vector<bool> setUpOnce_; // per step: its set-up has been performed
  analysis::PhaseTracker phases_;
  std::uint64_t observedStart_ = 0;
};

} // namespace guide

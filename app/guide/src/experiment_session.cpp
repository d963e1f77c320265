#include "experiment_session.h"

#include "analysis/real_units.h"
#include "measurement.h"
#include "scenario/material_card.h"
#include "simulation/simulation_controller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace guide {

using experiments::Action;
using experiments::ActionKind;

namespace {

// The unit the lesson names by the Lab's symbol for it ("K", "°C", "°F").
analysis::TemperatureUnit temperatureUnit(const std::string &symbol) {
  for (const auto unit : {analysis::TemperatureUnit::Kelvin, analysis::TemperatureUnit::Celsius})
    if (analysis::unitSymbol(unit) == symbol)
      return unit;
  return analysis::TemperatureUnit::Fahrenheit;
}

Window window(const std::string &name) {
  if (name == "large-view")
    return Window::LargeView;
  return name == "interactions" ? Window::Interactions : Window::Lab;
}

Chart chartNamed(const std::string &name) {
  if (name == "energy")
    return Chart::Energy;
  if (name == "pressure")
    return Chart::Pressure;
  if (name == "heating-curve")
    return Chart::HeatingCurve;
  return name == "phase-diagram" ? Chart::PhaseDiagram : Chart::Temperature;
}

bool sameFile(const QString &a, const QString &b) {
  const QString first = QFileInfo(a).canonicalFilePath();
  return !first.isEmpty() && first == QFileInfo(b).canonicalFilePath();
}

} // namespace

ExperimentSession::ExperimentSession(Stage &stage) : stage_(stage) {}

QString ExperimentSession::open(experiments::Experiment experiment, const QString &folder) {
  experiment_ = std::move(experiment);
  folder_ = folder;
  const std::string student = record_.student;
  record_ = {};
  record_.student = student;
  record_.steps.resize(experiment_.steps.size());
  charts_.assign(experiment_.steps.size(), QImage());
  setUpOnce_.assign(experiment_.steps.size(), false);
  step_ = 0;
  stage_.controller().setMeasuring(true);
  return setUp();
}

QString ExperimentSession::goTo(int step) {
  if (step < 0 || step >= stepCount() || step == step_)
    return {};
  const int before = step_;
  step_ = step;
  if (setUpOnce_[std::size_t(step)])
    return {};
  const QString problem = setUp();
  if (!problem.isEmpty()) {
    // The step's scenario did not load: the student stays where they were,
    // on a step that was set up.
    step_ = before;
    setUpProblem_.clear();
  }
  return problem;
}

QString ExperimentSession::setUpAgain() { return setUp(); }

QString ExperimentSession::setUp() {
  setUpProblem_.clear();
  for (const Action &action : currentStep().actions) {
    setUpProblem_ = perform(action);
    if (!setUpProblem_.isEmpty())
      break;
  }
  stage_.commanded();
  setUpOnce_[std::size_t(step_)] = setUpProblem_.isEmpty();
  return setUpProblem_;
}

QString ExperimentSession::perform(const Action &action) {
  simulation::SimulationController &controller = stage_.controller();
  switch (action.kind) {
  case ActionKind::Load: {
    const QString path = scenarioPath(action.text);
    if (!QFileInfo::exists(path))
      return QCoreApplication::translate(
                 "guide::ExperimentSession",
                 "The scenario file %1 cannot be found beside the experiment (%2) "
                 "nor among the program's own.")
          .arg(QString::fromStdString(action.text), folder_);
    return stage_.loadScenario(path)
               ? QString()
               : QCoreApplication::translate("guide::ExperimentSession",
                                             "The scenario file %1 cannot be loaded.")
                     .arg(path);
  }
  case ActionKind::Thermostat:
    controller.setThermostat(action.numbers.at(0));
    break;
  case ActionKind::Release:
    controller.setInsulated(false);
    controller.setHold(false);
    break;
  case ActionKind::Insulate:
    controller.setInsulated(true);
    break;
  case ActionKind::Ramp:
    controller.setThermostat(action.numbers.at(0));
    controller.startRamp(action.numbers.at(1), std::int64_t(action.numbers.at(2)));
    break;
  case ActionKind::Lid:
    controller.setLidTarget(action.numbers.at(0) / 100.0);
    break;
  case ActionKind::HoldPressure: {
    const auto units = ModDornDll::unitsOf(controller.card());
    if (!units)
      return QCoreApplication::translate(
          "guide::ExperimentSession",
          "The scenario has no material card, so a pressure in kPa cannot "
          "be held.");
    controller.holdPressure(analysis::modelPressureFromKilopascals(action.numbers.at(0), *units));
    break;
  }
  case ActionKind::Speed:
    stage_.setStepsPerTick(int(action.numbers.at(0)));
    break;
  case ActionKind::Pause:
  case ActionKind::Run:
    stage_.setPaused(action.kind == ActionKind::Pause);
    break;
  case ActionKind::Open:
    stage_.openWindow(window(action.text));
    break;
  case ActionKind::Chart:
    stage_.showChart(chartNamed(action.text));
    break;
  case ActionKind::Unit:
    stage_.setTemperatureUnit(temperatureUnit(action.text));
    break;
  }
  return {};
}

// Beside the experiment first, so that a teacher's own file wins over a
// shipped one of the same name.
QString ExperimentSession::scenarioPath(const std::string &name) const {
  const QString own = QDir(folder_).filePath(QString::fromStdString(name));
  return QFileInfo::exists(own) ? own : stage_.shippedScenario(QString::fromStdString(name));
}

// The scenario the steps so far have loaded last; empty when none has.
QString ExperimentSession::neededScenario() const {
  for (int step = step_; step >= 0; --step) {
    const auto &actions = experiment_.steps[std::size_t(step)].actions;
    for (auto action = actions.rbegin(); action != actions.rend(); ++action)
      if (action->kind == ActionKind::Load)
        return scenarioPath(action->text);
  }
  return {};
}

QString ExperimentSession::measure() {
  const auto &measurement = currentStep().measurement;
  if (!measurement)
    return {};
  observe(); // the atoms as they are now, also right after a new scenario
  const simulation::SimulationController &controller = stage_.controller();
  const QString needed = neededScenario();
  if (!needed.isEmpty() && !sameFile(needed, QString::fromStdString(controller.scenarioPath())))
    return QCoreApplication::translate(
               "guide::ExperimentSession",
               "This step measures %1, which is not running now. Press Set up "
               "again to load it.")
        .arg(QFileInfo(needed).fileName());
  const Taken taken = takeMeasurement(*measurement, controller, phases_);
  if (!taken.value)
    return controller.paused()
               ? QCoreApplication::translate("guide::ExperimentSession",
                                             "The simulation is paused: press Space to run it. %1")
                     .arg(taken.problem)
               : taken.problem;
  record_.steps[std::size_t(step_)].measured = taken.value;
  for (const Action &action : currentStep().actions)
    if (action.kind == ActionKind::Chart)
      charts_[std::size_t(step_)] = stage_.chartImage(chartNamed(action.text));
  return {};
}

void ExperimentSession::answer(const std::optional<experiments::Value> &value) {
  record_.steps[std::size_t(step_)].answer = value;
}

void ExperimentSession::setStudent(const QString &name) { record_.student = name.toStdString(); }

std::vector<experiments::Verdict> ExperimentSession::verdicts(int step) const {
  std::vector<experiments::Verdict> result;
  if (!experiment_.checksOn)
    return result;
  const std::vector<experiments::MaterialFacts> facts = materialFacts();
  for (const experiments::Check &check : experiment_.steps[std::size_t(step)].checks)
    result.push_back(experiments::evaluate(check, std::size_t(step), record_, facts));
  return result;
}

std::vector<experiments::MaterialFacts> ExperimentSession::materialFacts() const {
  std::vector<experiments::MaterialFacts> facts;
  if (const auto &card = stage_.controller().card())
    for (const ModDornDll::CardMaterial &material : card->materials)
      facts.push_back({material.modelMeltingPoint, material.meltingPoint, material.boilingPoint});
  return facts;
}

void ExperimentSession::observe() {
  const simulation::SimulationController &controller = stage_.controller();
  if (!controller.running())
    return;
  if (controller.scenarioStarts() != observedStart_) {
    observedStart_ = controller.scenarioStarts();
    phases_.clear();
  }
  phases_.add(controller.step(), controller.atomFrame());
}

} // namespace guide

#include "class_routine.h"

#include "frm_orvel_model.h"
#include "interactions_window.h"
#include "lab_window.h"
#include "large_view_window.h"

#include <QAction>
#include <QScrollBar>

namespace soak {
namespace {

void addScenarioSteps(std::vector<ClassStep> &steps, frmOrvelModel &w) {
  const std::pair<const char *, void (frmOrvelModel::*)()> places[] = {
      {"click the cloud", &frmOrvelModel::hotspotCloud_Click},
      {"click the sky", &frmOrvelModel::hotspotGas_Click},
      {"click the sea's surface", &frmOrvelModel::hotspotLiquidGas_Click},
      {"click the rock", &frmOrvelModel::hotspotRock_Click},
      {"click the sand", &frmOrvelModel::hotspotSand_Click},
      {"click the shore", &frmOrvelModel::hotspotSolidLiquid_Click},
      {"click the water", &frmOrvelModel::hotspotWater_Click}};
  for (const auto &[what, click] : places)
    steps.push_back({what, true, [&w, click = click] { (w.*click)(); }});
  const std::pair<const char *, QAction *> entries[] = {
      {"Options > Solid", w.mnuOptionsSolid},
      {"Options > Liquid", w.mnuOptionsLiquid},
      {"Options > Gas", w.mnuOptionsGas},
      {"Options > Solid-Liquid", w.mnuOptionSolidLiquid},
      {"Options > Solid-Gas", w.mnuOptionSolidGas},
      {"Options > Liquid-Gas", w.mnuOptionLiquidGas}};
  for (const auto &[what, entry] : entries)
    steps.push_back({what, true, [entry = entry] { entry->trigger(); }});
}

void addControlSteps(std::vector<ClassStep> &steps, frmOrvelModel &w) {
  steps.push_back({"change the season", false,
                   [&w] { w.VScrollSeason->setValue(w.VScrollSeason->value() == 1 ? 2 : 1); }});
  steps.push_back({"move the time of day", false,
                   [&w] { w.HScroll1->setValue((w.HScroll1->value() + 37) % 101); }});
  steps.push_back({"pause", false, [&w] { w.mnuSimulationPause->trigger(); }});
  steps.push_back({"step while paused", false, [&w] { w.mnuSimulationStep->trigger(); }});
  steps.push_back({"resume", false, [&w] { w.mnuSimulationPause->trigger(); }});
  steps.push_back({"restart", true, [&w] { w.mnuSimulationRestart->trigger(); }});
  steps.push_back({"open the Lab", false, [&w] { w.mnuViewLab->trigger(); }});
  steps.push_back({"close the Lab", false, [&w] {
                     if (w.labWindow() != nullptr)
                       w.labWindow()->close();
                   }});
  steps.push_back({"open the large view, coloured by speed", false, [&w] {
                     w.mnuViewLargeView->trigger();
                     w.largeViewWindow()->colourBySpeed->trigger();
                   }});
  steps.push_back(
      {"open the Interactions window", false, [&w] { w.mnuViewInteractions->trigger(); }});
  steps.push_back({"close the large view and the Interactions window", false, [&w] {
                     w.largeViewWindow()->close();
                     if (w.interactionsWindow() != nullptr)
                       w.interactionsWindow()->close();
                   }});
}

} // namespace

std::vector<ClassStep> classRoutine(frmOrvelModel &window) {
  std::vector<ClassStep> choices, controls, steps;
  addScenarioSteps(choices, window);
  addControlSteps(controls, window);
  // A scenario, then something done with it, and so on round the lesson.
  for (std::size_t i = 0; i < choices.size(); ++i) {
    steps.push_back(choices[i]);
    steps.push_back(controls[i % controls.size()]);
  }
  return steps;
}

} // namespace soak

#include "phase_diagram_tab.h"

#include "phase_diagram.h"
#include "scenario/mod_dorn_dll.h"
#include "shown_names.h"
#include "simulation/simulation_controller.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace lab {

namespace {

QLabel *messageLabel(const QString &text, QWidget *parent) {
  auto *label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// A tab's text shows a name as written: an ampersand in a user's card is
// no access key.
QString tabText(const QString &name) {
  QString text = name;
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

PhaseDiagramTab::PhaseDiagramTab(QWidget *parent) : QWidget(parent) {
  setAccessibleName(tr("Phase diagram"));
  setAccessibleDescription(
      tr("The phases measured on the model of each material at many temperatures and densities, "
         "with your own state point and the real substance's triple and critical points"));
  message = messageLabel(tr("No scenario runs yet."), this);
  materials = new QTabWidget(this);
  materials->setTabBarAutoHide(true);
  materials->setAccessibleName(tr("Material of the phase diagram"));
  materials->setAccessibleDescription(tr("Chooses which material's phase diagram is shown"));
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(message, 1);
  layout->addWidget(materials, 1);
  materials->hide();
}

void PhaseDiagramTab::clearMaterials() {
  while (materials->count() > 0) {
    QWidget *page = materials->widget(0);
    materials->removeTab(0);
    delete page;
  }
  diagrams.clear();
}

void PhaseDiagramTab::showMessage(const QString &text) {
  message->setText(text);
  message->show();
  materials->hide();
}

void PhaseDiagramTab::showScenario(const std::optional<ModDornDll::MaterialCard> &card,
                                   const std::vector<MapLookup> &maps, std::vector<double> masses) {
  clearMaterials();
  masses_ = std::move(masses);
  if (!card) {
    showMessage(tr("This scenario has no material card, so the Lab cannot tell which substance "
                   "its atoms stand for, nor whose phase map to show. A card beside the scenario "
                   "file (X.card beside X.ams) names its substances."));
    return;
  }
  for (std::size_t t = 0; t < card->materials.size(); ++t) {
    const ModDornDll::CardMaterial &material = card->materials[t];
    const MapLookup *lookup = t < maps.size() ? &maps[t] : nullptr;
    QWidget *page = nullptr;
    PhaseDiagram *diagram = nullptr;
    if (lookup && lookup->map) {
      diagram = new PhaseDiagram(material, *lookup->map, materials);
      if (card->materials.size() > 1)
        diagram->stateText->setToolTip(
            tr("With several materials in the box, the density is this material's own and the "
               "pressure the whole box's, which all of them share"));
      page = diagram;
    } else {
      page = messageLabel(
          lookup ? lookup->problem
                 : tr("No phase map has been looked up for %1.").arg(materialName(material.name)),
          materials);
    }
    diagrams.push_back(diagram);
    materials->addTab(page, tabText(materialName(material.name)));
  }
  message->hide();
  materials->show();
}

void PhaseDiagramTab::showRun(const RunState &run, const LabUnits &units) {
  for (std::size_t t = 0; t < diagrams.size(); ++t) {
    if (diagrams[t] == nullptr)
      continue;
    diagrams[t]->showUnits({units.temperature, units.pressure});
    const double mass = t < masses_.size() ? masses_[t] : 0.0;
    diagrams[t]->showState(units.real
                               ? statePointOf(run.kelvin, mass, run.box, run.gauge, *units.real)
                               : std::nullopt);
  }
}

void PhaseDiagramTab::follow(const simulation::SimulationController &controller,
                             const LabUnits &units) {
  if (controller.scenarioStarts() != shownStart_) {
    shownStart_ = controller.scenarioStarts();
    const auto &card = controller.card();
    std::vector<MapLookup> maps;
    if (card)
      for (const ModDornDll::CardMaterial &material : card->materials)
        maps.push_back(lookUpPhaseMap(mapFolder, material.name));
    const std::size_t atoms =
        std::min({std::size_t(std::max(controller.atoms(), 0)), ModDornDll::atomTypes.size(),
                  ModDornDll::atomMasses.size()});
    showScenario(card, maps,
                 materialMasses(std::span(ModDornDll::atomTypes).first(atoms),
                                std::span(ModDornDll::atomMasses).first(atoms),
                                ModDornDll::numTypes));
  }
  const auto &latest = controller.latest();
  showRun({latest ? std::optional(latest->temperature) : std::nullopt, controller.box(),
           controller.gaugePressure()},
          units);
}

} // namespace lab

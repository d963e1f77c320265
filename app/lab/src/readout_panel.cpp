#include "readout_panel.h"

#include "analysis/pressure_gauge.h"
#include "shown_names.h"
#include "unit_text.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>

#include <cmath>

namespace lab {

namespace {

// What a readout shows before anything is measured, and while a phase
// cannot be told yet.
const QChar kNothingYet(0x2013);
const QChar kNotToldYet(0x2026);

QString energyTip(const LabUnits &units) {
  return units.real
             ? QCoreApplication::translate("lab::ReadoutPanel",
                                           "Per atom, in kilojoules per mole of atoms")
             : QCoreApplication::translate("lab::ReadoutPanel",
                                           "Per atom, in the model's units: the scenario has no "
                                           "material card");
}

QString pressureTip(const LabUnits &units) {
  const QString window = QLocale().toString(qlonglong(analysis::PressureGauge::kWindowSteps));
  return (units.real ? QCoreApplication::translate(
                           "lab::ReadoutPanel",
                           "Force of the walls on the atoms per area of the walls' inner "
                           "faces, averaged like a gauge over the last %1 steps")
                     : QCoreApplication::translate(
                           "lab::ReadoutPanel",
                           "Force of the walls on the atoms per area of the walls' inner "
                           "faces, averaged like a gauge over the last %1 steps, in the "
                           "model's units: the scenario has no material card"))
      .arg(window);
}

QString stepsTip(const LabUnits &units) {
  return units.real
             ? QCoreApplication::translate(
                   "lab::ReadoutPanel", "Time steps since the scenario started, and the time they "
                                        "simulated")
             : QCoreApplication::translate("lab::ReadoutPanel",
                                           "Time steps since the scenario started");
}

} // namespace

std::vector<MaterialPhase> materialPhases(const std::vector<analysis::Phase> &phases,
                                          const std::optional<ModDornDll::MaterialCard> &card,
                                          std::optional<double> temperature) {
  std::vector<MaterialPhase> rows;
  for (std::size_t type = 0; type < phases.size(); ++type) {
    const ModDornDll::CardMaterial *material =
        card && type < card->materials.size() ? &card->materials[type] : nullptr;
    const std::optional<double> meltingPoint =
        material && temperature ? material->modelMeltingPoint : std::nullopt;
    const std::string_view phase =
        analysis::phaseLabel(phases[type], temperature.value_or(0.0), meltingPoint);
    rows.push_back(
        {material ? materialName(material->name)
                  : QCoreApplication::translate("lab::ReadoutPanel", "Material %1").arg(type + 1),
         phaseName(phase)});
  }
  return rows;
}

std::vector<MaterialPhase> materialPhases(const std::vector<analysis::TypeSummary> &summaries,
                                          const std::optional<ModDornDll::MaterialCard> &card,
                                          std::optional<double> temperature) {
  std::vector<analysis::Phase> phases;
  for (const analysis::TypeSummary &summary : summaries)
    phases.push_back(summary.phase);
  std::vector<MaterialPhase> rows = materialPhases(phases, card, temperature);
  for (std::size_t type = 0; type < rows.size(); ++type) {
    const analysis::PhaseMix mix = summaries[type].mix;
    const bool twoPhases = mix == analysis::PhaseMix::SolidLiquid ||
                           mix == analysis::PhaseMix::LiquidGas ||
                           mix == analysis::PhaseMix::SolidGas;
    if (twoPhases)
      rows[type].phase = phaseName(analysis::phaseMixName(mix));
  }
  return rows;
}

ReadoutPanel::ReadoutPanel(QWidget *parent) : QGroupBox(tr("Readouts"), parent) {
  form_ = new QFormLayout(this);
  temperature = addRow(tr("Temperature"), tr("Measured: 2/3 of the mean kinetic energy per atom"));
  kinetic = addRow(tr("Kinetic energy"), QString());
  potential = addRow(tr("Potential energy"), QString());
  total = addRow(tr("Total energy"), QString());
  pressure = addRow(tr("Wall pressure"), QString());
  atoms = addRow(tr("Atoms"), QString());
  steps = addRow(tr("Steps"), QString());
  speed = addRow(tr("Speed"), tr("Atoms times time steps simulated per second"));
}

QLabel *ReadoutPanel::addRow(const QString &caption, const QString &toolTip) {
  auto *shown = new QLabel(this);
  shown->setToolTip(toolTip);
  shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form_->addRow(caption, shown);
  show(shown, kNothingYet);
  return shown;
}

// The readout shows `text`; a reader hears it with its caption, as in
// "Temperature: 300.0 K", or that nothing is measured yet.
void ReadoutPanel::show(QLabel *readout, const QString &text) {
  readout->setText(text);
  const auto *caption = qobject_cast<QLabel *>(form_->labelForField(readout));
  const QString spoken = text == kNothingYet   ? tr("not measured yet")
                         : text == kNotToldYet ? tr("not told yet")
                                               : text;
  readout->setAccessibleName(caption ? tr("%1: %2", "readout: value").arg(caption->text(), spoken)
                                     : spoken);
}

void ReadoutPanel::showReadings(const Readings &readings, const LabUnits &units) {
  const QLocale locale;
  if (readings.latest) {
    const analysis::Sample &s = *readings.latest;
    show(temperature, readoutNumber(analysis::fromKelvin(s.temperature, units.temperature), 1) +
                          QLatin1Char(' ') + unitSymbolText(units.temperature));
    show(kinetic, energyText(s.kinetic, units));
    show(potential, energyText(s.potential, units));
    show(total, energyText(s.total, units));
    show(pressure, pressureText(s.wallPush, units));
  }
  show(atoms, locale.toString(readings.atoms));
  show(steps, stepsText(readings.step, units));
  show(speed, tr("%1 atom-steps/s")
                  .arg(locale.toString(qlonglong(std::llround(readings.atomStepsPerSecond)))));
  showUnitTips(units);
  showPhases(readings.materials);
}

void ReadoutPanel::showUnitTips(const LabUnits &units) {
  for (QLabel *energy : {kinetic, potential, total})
    energy->setToolTip(energyTip(units));
  pressure->setToolTip(pressureTip(units));
  steps->setToolTip(stepsTip(units));
}

// One row per material, made anew when the number of materials changes;
// each captioned by its substance.
void ReadoutPanel::showPhases(const std::vector<MaterialPhase> &shown) {
  while (phases.size() > qsizetype(shown.size())) {
    form_->removeRow(form_->rowCount() - 1);
    phases.removeLast();
  }
  while (phases.size() < qsizetype(shown.size())) {
    phases.append(addRow(tr("Material %1").arg(phases.size() + 1),
                         tr("Phase from how far the atoms move over 1,000 steps and how many "
                            "neighbours they keep")));
  }
  for (qsizetype t = 0; t < phases.size(); ++t) {
    const MaterialPhase &material = shown[std::size_t(t)];
    if (auto *caption = qobject_cast<QLabel *>(form_->labelForField(phases[t])))
      caption->setText(material.substance);
    show(phases[t], material.phase.isEmpty() ? QString(kNotToldYet) : material.phase);
  }
  for (const PhaseChange &change : watch_.see(shown))
    announce(change);
}

// The phase readout describes its last change, which a reader is told of,
// and the Lab shows it in its status line.
void ReadoutPanel::announce(const PhaseChange &change) {
  const QString text = phaseChangeText(change);
  phases[qsizetype(change.material)]->setAccessibleDescription(text);
  emit phaseChanged(text);
}

} // namespace lab

#include "readout_panel.h"

#include "analysis/pressure_gauge.h"
#include "unit_text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLocale>

#include <cmath>

namespace lab {

namespace {

const QString kNothingYet = QStringLiteral("\u2013");

QString energyTip(const LabUnits &units) {
  return units.real ? QStringLiteral("Per atom, in kilojoules per mole of atoms")
                    : QStringLiteral("Per atom, in the model's units: the scenario has no "
                                     "material card");
}

QString pressureTip(const LabUnits &units) {
  const QString what =
      QStringLiteral("Force of the walls on the atoms per area of the walls' inner faces, "
                     "averaged like a gauge over the last %1 steps")
          .arg(QLocale().toString(qlonglong(analysis::PressureGauge::kWindowSteps)));
  return units.real ? what
                    : what + QStringLiteral(", in the model's units: the scenario has no "
                                            "material card");
}

QString stepsTip(const LabUnits &units) {
  const QString what = QStringLiteral("Time steps since the scenario started");
  return units.real ? what + QStringLiteral(", and the time they simulated") : what;
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
    rows.push_back({material ? QString::fromStdString(material->name)
                             : QStringLiteral("Material %1").arg(type + 1),
                    QString::fromUtf8(phase.data(), qsizetype(phase.size()))});
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
    const std::string_view both = analysis::phaseMixName(mix);
    if (twoPhases)
      rows[type].phase = QString::fromUtf8(both.data(), qsizetype(both.size()));
  }
  return rows;
}

ReadoutPanel::ReadoutPanel(QWidget *parent) : QGroupBox(QStringLiteral("Readouts"), parent) {
  form_ = new QFormLayout(this);
  temperature = addRow(QStringLiteral("Temperature"),
                       QStringLiteral("Measured: 2/3 of the mean kinetic energy per atom"));
  kinetic = addRow(QStringLiteral("Kinetic energy"), QString());
  potential = addRow(QStringLiteral("Potential energy"), QString());
  total = addRow(QStringLiteral("Total energy"), QString());
  pressure = addRow(QStringLiteral("Wall pressure"), QString());
  atoms = addRow(QStringLiteral("Atoms"), QString());
  steps = addRow(QStringLiteral("Steps"), QString());
  speed = addRow(QStringLiteral("Speed"),
                 QStringLiteral("Atoms times time steps simulated per second"));
}

QLabel *ReadoutPanel::addRow(const QString &caption, const QString &toolTip) {
  auto *shown = new QLabel(kNothingYet, this);
  shown->setToolTip(toolTip);
  shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form_->addRow(caption, shown);
  return shown;
}

void ReadoutPanel::showReadings(const Readings &readings, const LabUnits &units) {
  const QLocale locale;
  if (readings.latest) {
    const analysis::Sample &s = *readings.latest;
    temperature->setText(
        QString::number(analysis::fromKelvin(s.temperature, units.temperature), 'f', 1) +
        QChar(' ') + unitSymbolText(units.temperature));
    kinetic->setText(energyText(s.kinetic, units));
    potential->setText(energyText(s.potential, units));
    total->setText(energyText(s.total, units));
    pressure->setText(pressureText(s.wallPush, units));
  }
  atoms->setText(locale.toString(readings.atoms));
  steps->setText(stepsText(readings.step, units));
  speed->setText(locale.toString(qlonglong(std::llround(readings.atomStepsPerSecond))) +
                 QStringLiteral(" atom-steps/s"));
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
    phases.append(addRow(QStringLiteral("Material %1").arg(phases.size() + 1),
                         QStringLiteral("Phase from how far the atoms move over 1,000 steps and "
                                        "how many neighbours they keep")));
  }
  for (qsizetype t = 0; t < phases.size(); ++t) {
    const MaterialPhase &material = shown[std::size_t(t)];
    if (auto *caption = qobject_cast<QLabel *>(form_->labelForField(phases[t])))
      caption->setText(material.substance);
    phases[t]->setText(material.phase.isEmpty() ? QStringLiteral("\u2026") : material.phase);
  }
}

} // namespace lab

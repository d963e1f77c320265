#include "readout_panel.h"

#include "unit_text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLocale>

#include <cmath>

namespace lab {

namespace {

const QString kNothingYet = QStringLiteral("\u2013");
const QString kEnergyUnits = QStringLiteral("In the engine's energy units, per atom");

QString energy(double value) { return QString::number(value, 'f', 1); }

} // namespace

ReadoutPanel::ReadoutPanel(QWidget *parent) : QGroupBox(QStringLiteral("Readouts"), parent) {
  form_ = new QFormLayout(this);
  temperature = addRow(QStringLiteral("Temperature"),
                       QStringLiteral("Measured: 2/3 of the mean kinetic energy per atom"));
  kinetic = addRow(QStringLiteral("Kinetic energy"), kEnergyUnits);
  potential = addRow(QStringLiteral("Potential energy"), kEnergyUnits);
  total = addRow(QStringLiteral("Total energy"), kEnergyUnits);
  pressure = addRow(QStringLiteral("Wall pressure"),
                    QStringLiteral("Force of the walls on the atoms per area of the box"));
  atoms = addRow(QStringLiteral("Atoms"), QString());
  steps = addRow(QStringLiteral("Steps"), QStringLiteral("Time steps since the scenario started"));
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

void ReadoutPanel::show(const Readings &readings, analysis::TemperatureUnit unit) {
  const QLocale locale;
  if (readings.latest) {
    const analysis::Sample &s = *readings.latest;
    temperature->setText(QString::number(analysis::fromKelvin(s.temperature, unit), 'f', 1) +
                         QChar(' ') + unitSymbolText(unit));
    kinetic->setText(energy(s.kinetic));
    potential->setText(energy(s.potential));
    total->setText(energy(s.total));
    pressure->setText(QString::number(s.pressure, 'g', 4));
  }
  atoms->setText(locale.toString(readings.atoms));
  steps->setText(locale.toString(qlonglong(readings.step)));
  speed->setText(locale.toString(qlonglong(std::llround(readings.atomStepsPerSecond))) +
                 QStringLiteral(" atom-steps/s"));
  showPhases(readings.phases);
}

// One row per material, made anew when the number of materials changes.
void ReadoutPanel::showPhases(const std::vector<std::string> &shown) {
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
    const std::string &phase = shown[std::size_t(t)];
    phases[t]->setText(phase.empty() ? QStringLiteral("\u2026") : QString::fromStdString(phase));
  }
}

} // namespace lab

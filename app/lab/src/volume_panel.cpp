#include "volume_panel.h"

#include "simulation/simulation_controller.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <cmath>

namespace lab {

namespace {

using simulation::SimulationController;

constexpr int kSmallestPercent = int(SimulationController::kSmallestLid * 100.0 + 0.5);

int percentOf(double fraction) { return int(std::lround(fraction * 100.0)); }

} // namespace

VolumePanel::VolumePanel(SimulationController &controller, QWidget *parent)
    : QGroupBox(tr("Volume and pressure"), parent), controller_(controller) {
  createControls();
  connectControls();
  refresh();
}

void VolumePanel::createControls() {
  slider = new QSlider(Qt::Horizontal, this);
  slider->setRange(kSmallestPercent, 100);
  slider->setPageStep(10);
  slider->setAccessibleName(tr("Box height in per cent"));
  height = new QSpinBox(this);
  height->setRange(kSmallestPercent, 100);
  height->setSuffix(QStringLiteral(" %"));
  height->setKeyboardTracking(false);
  height->setAccessibleName(tr("Box height in per cent"));
  auto *heightLabel = new QLabel(tr("&Box height"), this);
  heightLabel->setBuddy(height);
  state = new QLabel(this);
  state->setWordWrap(true);
  holdPressure = new QCheckBox(tr("H&old pressure"), this);
  holdPressure->setAccessibleName(tr("Hold pressure"));
  holdPressure->setToolTip(
      tr("Move the lid by itself to keep the pressure on it at this value: slowly, after each "
         "reading of its gauge (the lid feels the gas or vapour above a liquid, not the liquid's "
         "weight). Off: the lid stays where it is."));
  pressure = new QDoubleSpinBox(this);
  pressure->setKeyboardTracking(false);
  pressure->setAccessibleName(tr("Pressure to hold"));

  auto *grid = new QGridLayout(this);
  grid->addWidget(heightLabel, 0, 0);
  grid->addWidget(slider, 0, 1);
  grid->addWidget(height, 0, 2);
  grid->addWidget(state, 1, 0, 1, 3);
  grid->addWidget(holdPressure, 2, 0);
  grid->addWidget(pressure, 2, 1, 1, 2);
}

void VolumePanel::connectControls() {
  connect(slider, &QSlider::valueChanged, this, &VolumePanel::lidMoved);
  connect(height, &QSpinBox::valueChanged, this, &VolumePanel::lidMoved);
  connect(holdPressure, &QCheckBox::toggled, this, &VolumePanel::holdToggled);
  connect(pressure, &QDoubleSpinBox::valueChanged, this, &VolumePanel::pressureChosen);
}

void VolumePanel::setUnits(const LabUnits &units) {
  if (unitsSet_ && sameUnits(units, units_))
    return;
  unitsSet_ = true;
  const double held = analysis::modelPressure(pressure->value(), units_);
  units_ = units;
  const QSignalBlocker blocker(pressure);
  // Kilopascals to a tenth, atmospheres to a thousandth; the model's units
  // are about 1e-8 for a gas.
  const int decimals = !units_.real                                            ? 14
                       : units_.pressure == analysis::PressureUnit::Atmosphere ? 3
                                                                               : 1;
  pressure->setDecimals(decimals);
  pressure->setRange(std::pow(10.0, -decimals), 1e9);
  pressure->setSuffix(QLatin1Char(' ') + pressureSymbolText(units_));
  pressure->setValue(analysis::shownPressure(held, units_));
  const QString symbol = pressureSymbolText(units_);
  pressure->setToolTip(tr("The pressure on the lid to hold, in %1").arg(symbol));
  pressure->setAccessibleName(tr("Pressure to hold in %1").arg(symbol));
}

void VolumePanel::lidMoved(int percent) {
  controller_.setLidTarget(percent / 100.0);
  showTarget(percent);
  refresh();
  emit commanded();
}

void VolumePanel::holdToggled(bool on) {
  controller_.holdPressure(on ? std::optional(analysis::modelPressure(pressure->value(), units_))
                              : std::nullopt);
  refresh();
  emit commanded();
}

void VolumePanel::pressureChosen(double shown) {
  if (!controller_.heldPressure())
    return;
  controller_.holdPressure(analysis::modelPressure(shown, units_));
  emit commanded();
}

void VolumePanel::showTarget(int percent) {
  const QSignalBlocker blockSlider(slider);
  const QSignalBlocker blockHeight(height);
  slider->setValue(percent);
  height->setValue(percent);
}

QString VolumePanel::stateText() const {
  const int now = percentOf(controller_.lidHeight());
  const int target = percentOf(controller_.lidTarget());
  QString where = now == 100 ? tr("Lid at the file's box (100 %)") : tr("Lid at %1 %").arg(now);
  if (!controller_.lidHold().empty())
    where = tr("Lid at %1 %: waiting").arg(now);
  else if (controller_.lidHeight() != controller_.lidTarget())
    where = tr("Lid at %1 %, moving to %2 %").arg(now).arg(target);
  if (const auto onLid = controller_.lidPressure())
    where = tr("%1; on the lid %2", "where the lid stands; the pressure on it")
                .arg(where, pressureText(*onLid, units_));
  return where;
}

void VolumePanel::refresh() {
  const QString why =
      tr("The height of the box, in per cent of the scenario file's box: the lid (the top of the "
         "box) moves down to compress the atoms and back up to let them expand, from 100 % down "
         "to %1 %. It moves slowly, at a pace at which the soft wall pushes the atoms ahead of "
         "it, and never pushes an atom deep into its wall.")
          .arg(kSmallestPercent);
  const std::string &hold = controller_.lidHold();
  const QString tip =
      hold.empty() ? why : QString::fromStdString(hold) + QStringLiteral("\n\n") + why;
  slider->setToolTip(tip);
  height->setToolTip(tip);
  state->setToolTip(tip);
  state->setText(stateText());
  state->setAccessibleName(state->text()); // it tells where the lid stands in words
  if (!slider->isSliderDown())
    showTarget(percentOf(controller_.lidTarget()));
  const QSignalBlocker blocker(holdPressure);
  holdPressure->setChecked(controller_.heldPressure().has_value());
  showLidPressure();
}

// The number box shows the pressure held, also when it was set from
// elsewhere (a guided experiment); until one is held it follows the pressure
// on the lid, so that Hold pressure holds the one there is. A box being
// edited is left alone.
void VolumePanel::showLidPressure() {
  const auto shown =
      controller_.heldPressure() ? controller_.heldPressure() : controller_.lidPressure();
  if (!shown || pressure->hasFocus())
    return;
  const QSignalBlocker blocker(pressure);
  pressure->setValue(analysis::shownPressure(*shown, units_));
}

} // namespace lab

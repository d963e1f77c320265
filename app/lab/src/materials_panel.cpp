#include "materials_panel.h"

#include "analysis/real_units.h"
#include "lab_units.h"
#include "unit_text.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>

namespace lab {

namespace {

const QString kNone = QStringLiteral("\u2013");
constexpr int kUnitDigits = 6; // as many as a card gives
constexpr int kStepDigits = 3;

QString sourceTip(const std::string &source) {
  return source.empty() ? QString()
                        : QStringLiteral("Source: %1").arg(QString::fromStdString(source));
}

} // namespace

QString cardTemperatureText(double kelvin, analysis::TemperatureUnit unit) {
  const QString symbol = QLatin1Char(' ') + unitSymbolText(unit);
  const QLocale locale;
  if (unit == analysis::TemperatureUnit::Kelvin)
    return locale.toString(kelvin, 'f', 2) + symbol;
  return locale.toString(qlonglong(std::llround(analysis::fromKelvin(kelvin, unit)))) + symbol;
}

MaterialsPanel::MaterialsPanel(QWidget *parent) : QGroupBox(QStringLiteral("Materials"), parent) {
  note = new QLabel(this);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(createTable());
  layout->addWidget(note);
  layout->addWidget(createUnits());
}

QWidget *MaterialsPanel::createTable() {
  table_ = new QWidget(this);
  grid_ = new QGridLayout(table_);
  grid_->setContentsMargins(0, 0, 0, 0);
  const QString headings[] = {QStringLiteral("Substance"), QStringLiteral("Symbol"),
                              QStringLiteral("Melts"), QStringLiteral("Boils"),
                              QStringLiteral("Model melts")};
  const QString tips[] = {QString(), QStringLiteral("The chemical element the atoms stand for"),
                          QStringLiteral("The real melting point"),
                          QStringLiteral("The real boiling point"),
                          QStringLiteral("The melting point measured on the model")};
  for (int column = 0; column < 5; ++column) {
    QLabel *heading = addLabel(grid_, 0, column);
    heading->setText(QStringLiteral("<b>%1</b>").arg(headings[column]));
    heading->setToolTip(tips[column]);
  }
  return table_;
}

QWidget *MaterialsPanel::createUnits() {
  units_ = new QWidget(this);
  auto *form = new QFormLayout(units_);
  form->setContentsMargins(0, 0, 0, 0);
  lengthUnit = new QLabel(units_);
  lengthUnit->setToolTip(QStringLiteral("The real length of the model's unit of length"));
  massUnit = new QLabel(units_);
  massUnit->setToolTip(QStringLiteral("The real mass of the model's unit of mass"));
  timeStep = new QLabel(units_);
  timeStep->setToolTip(QStringLiteral("The real time one step of the simulation lasts"));
  form->addRow(QStringLiteral("Length unit"), lengthUnit);
  form->addRow(QStringLiteral("Mass unit"), massUnit);
  form->addRow(QStringLiteral("Time step"), timeStep);
  return units_;
}

QLabel *MaterialsPanel::addLabel(QGridLayout *grid, int row, int column) {
  auto *label = new QLabel(table_);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(label, row, column);
  return label;
}

void MaterialsPanel::showCard(const std::optional<ModDornDll::MaterialCard> &card,
                          const std::string &problem, analysis::TemperatureUnit unit,
                          double timeStep) {
  table_->setVisible(card.has_value());
  units_->setVisible(card.has_value());
  note->setVisible(!card);
  if (!card) {
    note->setText(problem.empty() ? QStringLiteral("No material card: model units")
                                  : QStringLiteral("The material card was refused: model units"));
    note->setToolTip(problem.empty()
                         ? QStringLiteral("The scenario has no card beside it that names its "
                                          "substances, so it runs in model units")
                         : QString::fromStdString(problem));
    return;
  }
  showMaterials(*card, unit);
  showUnits(*card, timeStep);
}

// One row per material, made anew when the number of materials changes.
void MaterialsPanel::showMaterials(const ModDornDll::MaterialCard &card,
                                   analysis::TemperatureUnit unit) {
  while (rows.size() > qsizetype(card.materials.size())) {
    const Row row = rows.takeLast();
    for (QLabel *label : {row.name, row.symbol, row.melting, row.boiling, row.modelMelting})
      delete label;
  }
  while (rows.size() < qsizetype(card.materials.size())) {
    const int at = int(rows.size()) + 1;
    rows.append({addLabel(grid_, at, 0), addLabel(grid_, at, 1), addLabel(grid_, at, 2),
                 addLabel(grid_, at, 3), addLabel(grid_, at, 4)});
  }
  for (qsizetype t = 0; t < rows.size(); ++t) {
    const ModDornDll::CardMaterial &material = card.materials[std::size_t(t)];
    const Row &row = rows[t];
    row.name->setText(QString::fromStdString(material.name));
    row.symbol->setText(QString::fromStdString(material.symbol));
    row.melting->setText(cardTemperatureText(material.meltingPoint, unit));
    row.melting->setToolTip(sourceTip(material.meltingSource));
    row.boiling->setText(material.boilingPoint ? cardTemperatureText(*material.boilingPoint, unit)
                                               : kNone);
    row.boiling->setToolTip(material.boilingPoint ? sourceTip(material.boilingSource) : QString());
    row.modelMelting->setText(material.modelMeltingPoint
                                  ? cardTemperatureText(*material.modelMeltingPoint, unit)
                                  : kNone);
  }
}

void MaterialsPanel::showUnits(const ModDornDll::MaterialCard &card, double step) {
  const QLocale locale;
  const analysis::ModelUnits units{card.metresPerLength, card.kilogramsPerMass};
  lengthUnit->setText(
      locale.toString(card.metresPerLength / analysis::kMetresPerPicometre, 'g', kUnitDigits) +
      QStringLiteral(" pm"));
  massUnit->setText(locale.toString(analysis::atomicMassUnits(1.0, units), 'g', kUnitDigits) +
                    QStringLiteral(" u"));
  timeStep->setText(
      significantText(analysis::femtosecondsPerStep(step, units), kStepDigits) +
      QStringLiteral(" fs"));
}

} // namespace lab

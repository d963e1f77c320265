#include "materials_panel.h"

#include "analysis/real_units.h"
#include "lab_units.h"
#include "shown_names.h"
#include "unit_text.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>

namespace lab {

namespace {

const QChar kNone(0x2013);     // a point the card does not give
constexpr int kUnitDigits = 6; // as many as a card gives
constexpr int kStepDigits = 3;

// The table's columns: heading and what it holds.
struct Column {
  const char *heading;
  const char *tip;
};
constexpr Column kColumns[] = {
    {QT_TRANSLATE_NOOP("lab::MaterialsPanel", "Substance"), nullptr},
    {QT_TRANSLATE_NOOP("lab::MaterialsPanel", "Symbol"),
     QT_TRANSLATE_NOOP("lab::MaterialsPanel", "The chemical element the atoms stand for")},
    {QT_TRANSLATE_NOOP("lab::MaterialsPanel", "Melts"),
     QT_TRANSLATE_NOOP("lab::MaterialsPanel", "The real melting point")},
    {QT_TRANSLATE_NOOP("lab::MaterialsPanel", "Boils"),
     QT_TRANSLATE_NOOP("lab::MaterialsPanel", "The real boiling point")},
    {QT_TRANSLATE_NOOP("lab::MaterialsPanel", "Model melts"),
     QT_TRANSLATE_NOOP("lab::MaterialsPanel", "The melting point measured on the model")},
};

// A text of the table above in the reader's language.
QString translated(const char *text) {
  return text ? QCoreApplication::translate("lab::MaterialsPanel", text) : QString();
}

QString sourceTip(const std::string &source) {
  return source.empty() ? QString()
                        : QCoreApplication::translate("lab::MaterialsPanel", "Source: %1")
                              .arg(QString::fromStdString(source));
}

// The label shows `text`; a reader hears it with what it is, as in
// "Melts: 32 °F".
void showNamed(QLabel *label, const QString &caption, const QString &text) {
  label->setText(text);
  label->setAccessibleName(
      QCoreApplication::translate("lab::MaterialsPanel", "%1: %2", "caption: value")
          .arg(caption, text));
}

} // namespace

QString cardTemperatureText(double kelvin, analysis::TemperatureUnit unit) {
  const QString symbol = QLatin1Char(' ') + unitSymbolText(unit);
  const QLocale locale;
  if (unit == analysis::TemperatureUnit::Kelvin)
    return locale.toString(kelvin, 'f', 2) + symbol;
  return locale.toString(qlonglong(std::llround(analysis::fromKelvin(kelvin, unit)))) + symbol;
}

MaterialsPanel::MaterialsPanel(QWidget *parent) : QGroupBox(tr("Materials"), parent) {
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
  for (int column = 0; column < int(std::size(kColumns)); ++column) {
    QLabel *heading = addLabel(grid_, 0, column);
    heading->setText(QStringLiteral("<b>%1</b>").arg(translated(kColumns[column].heading)));
    heading->setAccessibleName(translated(kColumns[column].heading));
    heading->setToolTip(translated(kColumns[column].tip));
  }
  return table_;
}

QWidget *MaterialsPanel::createUnits() {
  units_ = new QWidget(this);
  auto *form = new QFormLayout(units_);
  form->setContentsMargins(0, 0, 0, 0);
  lengthUnit = new QLabel(units_);
  lengthUnit->setToolTip(tr("The real length of the model's unit of length"));
  massUnit = new QLabel(units_);
  massUnit->setToolTip(tr("The real mass of the model's unit of mass"));
  timeStep = new QLabel(units_);
  timeStep->setToolTip(tr("The real time one step of the simulation lasts"));
  form->addRow(tr("Length unit"), lengthUnit);
  form->addRow(tr("Mass unit"), massUnit);
  form->addRow(tr("Time step"), timeStep);
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
    note->setText(problem.empty() ? tr("No material card: model units")
                                  : tr("The material card was refused: model units"));
    note->setToolTip(problem.empty() ? tr("The scenario has no card beside it that names its "
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
    const auto optional = [unit](const std::optional<double> &kelvin) {
      return kelvin ? cardTemperatureText(*kelvin, unit) : QString(kNone);
    };
    const QString name = materialName(material.name);
    row.name->setText(name);
    showNamed(row.symbol, translated(kColumns[1].heading), QString::fromStdString(material.symbol));
    showNamed(row.melting, translated(kColumns[2].heading),
              cardTemperatureText(material.meltingPoint, unit));
    row.melting->setToolTip(sourceTip(material.meltingSource));
    showNamed(row.boiling, translated(kColumns[3].heading), optional(material.boilingPoint));
    row.boiling->setToolTip(material.boilingPoint ? sourceTip(material.boilingSource) : QString());
    showNamed(row.modelMelting, translated(kColumns[4].heading),
              optional(material.modelMeltingPoint));
  }
}

void MaterialsPanel::showUnits(const ModDornDll::MaterialCard &card, double step) {
  const QLocale locale;
  const analysis::ModelUnits units{card.metresPerLength, card.kilogramsPerMass};
  showNamed(
      lengthUnit, tr("Length unit"),
      locale.toString(card.metresPerLength / analysis::kMetresPerPicometre, 'g', kUnitDigits) +
          QStringLiteral(" pm"));
  showNamed(massUnit, tr("Mass unit"),
            locale.toString(analysis::atomicMassUnits(1.0, units), 'g', kUnitDigits) +
                QStringLiteral(" u"));
  showNamed(timeStep, tr("Time step"),
            significantText(analysis::femtosecondsPerStep(step, units), kStepDigits) +
                QStringLiteral(" fs"));
}

} // namespace lab

// The Lab's Materials section: the running scenario's material card. Per
// material its substance, chemical symbol, real melting (and boiling) point
// with the sources as tooltips, and the melting point measured on the
// model; then the real size of the model's length and mass units and how
// long one time step lasts. Without a card it says that the scenario runs in
// model units, and why when the card beside the file was refused.
#pragma once

#include "analysis/units.h"
#include "scenario/material_card.h"

#include <QGroupBox>
#include <QList>

#include <optional>
#include <string>

class QGridLayout;
class QLabel;

namespace lab {

// A real temperature from the card (kelvin) in a unit: whole degrees in °C
// and °F ("0 °C" for 273.15 K), two decimals in kelvin ("273.15 K").
QString cardTemperatureText(double kelvin, analysis::TemperatureUnit unit);

class MaterialsPanel : public QGroupBox {
  Q_OBJECT

public:
  explicit MaterialsPanel(QWidget *parent);
  // problem: why the card beside the scenario file could not be used, or
  // empty; timeStep in model time units.
  void showCard(const std::optional<ModDornDll::MaterialCard> &card, const std::string &problem,
                analysis::TemperatureUnit unit, double timeStep);

  // One row of labels per material.
  struct Row {
    QLabel *name = nullptr;
    QLabel *symbol = nullptr;
    QLabel *melting = nullptr;
    QLabel *boiling = nullptr;
    QLabel *modelMelting = nullptr;
  };
  QList<Row> rows;
  QLabel *note = nullptr; // shown without a card
  QLabel *lengthUnit = nullptr;
  QLabel *massUnit = nullptr;
  QLabel *timeStep = nullptr;

private:
  QWidget *createTable();
  QWidget *createUnits();
  QLabel *addLabel(QGridLayout *grid, int row, int column);
  void showMaterials(const ModDornDll::MaterialCard &card, analysis::TemperatureUnit unit);
  void showUnits(const ModDornDll::MaterialCard &card, double step);

  QWidget *table_ = nullptr;
  QGridLayout *grid_ = nullptr;
  QWidget *units_ = nullptr;
};

} // namespace lab

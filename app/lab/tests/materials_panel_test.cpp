// The Lab's Materials section: the card's substances, their real melting
// and boiling points in the chosen unit with sources, the model's melting
// point and the real size of the units; or why there is no card.
#include "materials_panel.h"
#include "test_cards.h"

#include <QLabel>
#include <gtest/gtest.h>

using analysis::TemperatureUnit;

TEST(CardTemperatures, WholeDegreesInCelsiusAndFahrenheitTwoDecimalsInKelvin) {
  EXPECT_EQ(lab::cardTemperatureText(273.15, TemperatureUnit::Celsius),
            QStringLiteral("0 \u00B0C"));
  EXPECT_EQ(lab::cardTemperatureText(373.12, TemperatureUnit::Celsius),
            QStringLiteral("100 \u00B0C"));
  EXPECT_EQ(lab::cardTemperatureText(273.15, TemperatureUnit::Fahrenheit),
            QStringLiteral("32 \u00B0F"));
  EXPECT_EQ(lab::cardTemperatureText(373.12, TemperatureUnit::Fahrenheit),
            QStringLiteral("212 \u00B0F"));
  EXPECT_EQ(lab::cardTemperatureText(273.15, TemperatureUnit::Kelvin), QStringLiteral("273.15 K"));
  EXPECT_EQ(lab::cardTemperatureText(63.15, TemperatureUnit::Celsius),
            QStringLiteral("-210 \u00B0C"));
  EXPECT_EQ(lab::cardTemperatureText(1986.0, TemperatureUnit::Kelvin),
            QStringLiteral("1,986.00 K"));
}

TEST(MaterialsPanel, ShowsEachSubstanceOfTheCardAndTheRealUnits) {
  lab::MaterialsPanel panel(nullptr);
  panel.showCard(known::card({known::water(), known::nitrogen()}), {}, TemperatureUnit::Celsius,
                 0.01);
  EXPECT_TRUE(panel.note->isHidden());
  ASSERT_EQ(panel.rows.size(), 2);
  const auto &water = panel.rows[0];
  EXPECT_EQ(water.name->text(), QStringLiteral("water"));
  EXPECT_EQ(water.symbol->text(), QStringLiteral("O"));
  EXPECT_EQ(water.melting->text(), QStringLiteral("0 \u00B0C"));
  EXPECT_EQ(water.melting->toolTip(), QStringLiteral("Source: CRC Handbook"));
  EXPECT_EQ(water.boiling->text(), QStringLiteral("100 \u00B0C"));
  EXPECT_EQ(water.modelMelting->text(), QStringLiteral("-5 \u00B0C"));
  const auto &nitrogen = panel.rows[1];
  EXPECT_EQ(nitrogen.melting->toolTip(), QStringLiteral("Source: NIST"));
  EXPECT_EQ(nitrogen.boiling->text(), QStringLiteral("\u2013"));
  EXPECT_EQ(nitrogen.boiling->toolTip(), QString());
  EXPECT_EQ(nitrogen.modelMelting->text(), QStringLiteral("\u2013"));
  EXPECT_EQ(panel.lengthUnit->text(), QStringLiteral("100 pm"));
  EXPECT_EQ(panel.massUnit->text(), QStringLiteral("8,314.46 u")) << "k kilograms";
  EXPECT_EQ(panel.timeStep->text(), QStringLiteral("1,000 fs")) << "1 ps";

  panel.showCard(known::card({known::water()}), {}, TemperatureUnit::Kelvin, 0.01);
  ASSERT_EQ(panel.rows.size(), 1);
  EXPECT_EQ(panel.rows[0].melting->text(), QStringLiteral("273.15 K"));
  EXPECT_EQ(panel.rows[0].modelMelting->text(), QStringLiteral("268.00 K"));
}

TEST(MaterialsPanel, WithoutACardSaysModelUnitsAndWhyACardWasRefused) {
  lab::MaterialsPanel panel(nullptr);
  panel.showCard(known::card({known::water()}), {}, TemperatureUnit::Celsius, 0.01);
  panel.showCard(std::nullopt, {}, TemperatureUnit::Celsius, 0.01);
  EXPECT_FALSE(panel.note->isHidden());
  EXPECT_EQ(panel.note->text(), QStringLiteral("No material card: model units"));
  EXPECT_TRUE(panel.lengthUnit->parentWidget()->isHidden());
  EXPECT_TRUE(panel.rows[0].name->parentWidget()->isHidden());

  const std::string problem = "liquid.card, line 4: mass unit: no number";
  panel.showCard(std::nullopt, problem, TemperatureUnit::Celsius, 0.01);
  EXPECT_EQ(panel.note->text(), QStringLiteral("The material card was refused: model units"));
  EXPECT_EQ(panel.note->toolTip(), QString::fromStdString(problem));

  panel.showCard(known::card({known::water()}), {}, TemperatureUnit::Celsius, 0.01);
  EXPECT_TRUE(panel.note->isHidden());
  EXPECT_FALSE(panel.lengthUnit->parentWidget()->isHidden());
}

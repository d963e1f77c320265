// The Lab's readouts in real units with a material card and in model units
// without, and the phase row of each material named by its substance.
#include "readout_panel.h"
#include "test_cards.h"

#include <QFormLayout>
#include <QLabel>
#include <gtest/gtest.h>

using analysis::Phase;
using analysis::PressureUnit;

namespace {

lab::Readings readings() {
  lab::Readings shown;
  shown.latest = analysis::Sample{250,
                                  300.0,
                                  300.0,
                                  1000.0,
                                  -2000.0,
                                  -1000.0,
                                  3.0 * known::kOneAtmosphere,
                                  known::kOneAtmosphere};
  shown.atoms = 784;
  shown.step = 250;
  return shown;
}

QString caption(const lab::ReadoutPanel &panel, QLabel *field) {
  auto *form = static_cast<QFormLayout *>(panel.layout());
  return static_cast<QLabel *>(form->labelForField(field))->text();
}

} // namespace

TEST(MaterialPhases, ALiquidBelowTheModelsMeltingPointIsSupercooled) {
  const auto card = known::card({known::water()});
  const auto cold = lab::materialPhases({Phase::Liquid}, card, 250.0);
  ASSERT_EQ(cold.size(), 1u);
  EXPECT_EQ(cold[0].substance, QStringLiteral("water"));
  EXPECT_EQ(cold[0].phase, QStringLiteral("supercooled liquid"));
  EXPECT_EQ(lab::materialPhases({Phase::Liquid}, card, 270.0)[0].phase, QStringLiteral("liquid"));
  EXPECT_EQ(lab::materialPhases({Phase::Solid}, card, 250.0)[0].phase, QStringLiteral("solid"));
  EXPECT_EQ(lab::materialPhases({Phase::Liquid}, card, std::nullopt)[0].phase,
            QStringLiteral("liquid"))
      << "no temperature measured yet";
  EXPECT_EQ(lab::materialPhases({Phase::Liquid}, known::card({known::nitrogen()}), 10.0)[0].phase,
            QStringLiteral("liquid"))
      << "the card gives no melting point of the model";
}

TEST(MaterialPhases, WithoutACardMaterialsAreNumbered) {
  const auto rows = lab::materialPhases({Phase::Gas, Phase::None}, std::nullopt, 250.0);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].substance, QStringLiteral("Material 1"));
  EXPECT_EQ(rows[0].phase, QStringLiteral("gas"));
  EXPECT_EQ(rows[1].substance, QStringLiteral("Material 2"));
  EXPECT_EQ(rows[1].phase, QString()) << "not told yet";
}

TEST(ReadoutPanel, WithACardShowsKilojoulesPerMoleThePressureUnitAndPicoseconds) {
  lab::ReadoutPanel panel(nullptr);
  lab::Readings shown = readings();
  shown.materials = lab::materialPhases({Phase::Liquid}, known::card({known::water()}), 250.0);
  panel.showReadings(shown, known::withCard(PressureUnit::Atmosphere));
  EXPECT_EQ(panel.temperature->text(), QStringLiteral("300.0 K"));
  EXPECT_EQ(panel.kinetic->text(), QStringLiteral("8.31 kJ/mol"));
  EXPECT_EQ(panel.potential->text(), QStringLiteral("-16.63 kJ/mol"));
  EXPECT_EQ(panel.total->text(), QStringLiteral("-8.31 kJ/mol"));
  EXPECT_EQ(panel.pressure->text(), QStringLiteral("1.000 atm"));
  EXPECT_EQ(panel.steps->text(), QStringLiteral("250 (250.00 ps)"));
  ASSERT_EQ(panel.phases.size(), 1);
  EXPECT_EQ(caption(panel, panel.phases[0]), QStringLiteral("water"));
  EXPECT_EQ(panel.phases[0]->text(), QStringLiteral("supercooled liquid"));
  EXPECT_TRUE(panel.kinetic->toolTip().contains(QStringLiteral("kilojoules per mole")));

  panel.showReadings(shown, known::withCard(PressureUnit::Kilopascal));
  EXPECT_EQ(panel.pressure->text(), QStringLiteral("101.3 kPa"));
}

TEST(ReadoutPanel, WithoutACardSaysModelUnitsAndNumbersTheMaterials) {
  lab::ReadoutPanel panel(nullptr);
  lab::Readings shown = readings();
  shown.materials = lab::materialPhases({Phase::Liquid}, known::card({known::water()}), 300.0);
  panel.showReadings(shown, known::withCard(PressureUnit::Kilopascal));
  shown.materials = lab::materialPhases({Phase::Solid, Phase::Gas}, std::nullopt, 300.0);
  panel.showReadings(shown, known::withoutCard());
  EXPECT_EQ(panel.kinetic->text(), QStringLiteral("1000.0 model units"));
  EXPECT_EQ(panel.pressure->text(), QStringLiteral("0.007339 model units"))
      << "101,325 Pa is 0.007339 k/\u00C5\u00B3";
  EXPECT_EQ(panel.steps->text(), QStringLiteral("250"));
  EXPECT_TRUE(panel.pressure->toolTip().contains(QStringLiteral("no material card")));
  ASSERT_EQ(panel.phases.size(), 2);
  EXPECT_EQ(caption(panel, panel.phases[0]), QStringLiteral("Material 1"))
      << "the card's name is gone with the card";
  EXPECT_EQ(panel.phases[0]->text(), QStringLiteral("solid"));
  EXPECT_EQ(caption(panel, panel.phases[1]), QStringLiteral("Material 2"));
}

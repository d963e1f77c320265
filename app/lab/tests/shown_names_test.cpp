// The names the Lab shows from elsewhere: every shipped card's substance and
// every phase the measurement names has an entry for translators, a name
// no translation knows shows as written, and a translated name is shown
// while the program still finds the substance's files by its own name.
#include "shown_names.h"

#include "analysis/phase_measure.h"
#include "marking_translator.h"
#include "phase_map_source.h"
#include "scenario/material_card.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(ShownNames, EveryShippedCardsSubstanceHasAnEntryForTranslators) {
  const QDir resources(QStringLiteral(CORVANTA_RESOURCES_DIR));
  const QStringList cards = resources.entryList({QStringLiteral("*.card")});
  ASSERT_FALSE(cards.isEmpty());
  for (const QString &file : cards) {
    const auto card = ModDornDll::readMaterialCard(resources.filePath(file).toStdString());
    for (const ModDornDll::CardMaterial &material : card.materials)
      EXPECT_TRUE(lab::shippedMaterialNames().contains(QString::fromStdString(material.name)))
          << material.name << " of " << file.toStdString();
  }
}

TEST(ShownNames, EveryPhaseTheMeasurementNamesHasAnEntryForTranslators) {
  using analysis::PhaseMix;
  for (const PhaseMix mix : {PhaseMix::Solid, PhaseMix::Liquid, PhaseMix::Gas,
                             PhaseMix::SolidLiquid, PhaseMix::LiquidGas, PhaseMix::SolidGas}) {
    const std::string_view name = analysis::phaseMixName(mix);
    EXPECT_TRUE(lab::knownPhaseNames().contains(QString::fromUtf8(name.data(), name.size())))
        << name;
  }
  const std::string_view supercooled = analysis::phaseLabel(analysis::Phase::Liquid, 250.0, 268.0);
  EXPECT_TRUE(lab::knownPhaseNames().contains(
      QString::fromUtf8(supercooled.data(), qsizetype(supercooled.size()))));
}

TEST(ShownNames, UntranslatedNamesShowAsWrittenAndTranslatedOnesTranslated) {
  EXPECT_EQ(lab::materialName("unobtainium & co"), QStringLiteral("unobtainium & co"));
  EXPECT_EQ(lab::phaseName("liquid and gas"), QStringLiteral("liquid and gas"));
  const MarkingTranslator translation;
  EXPECT_EQ(lab::materialName("water"), QStringLiteral("\u00ABwater\u00BB"));
  EXPECT_EQ(lab::phaseName("solid"), QStringLiteral("\u00ABsolid\u00BB"));
}

TEST(ShownNames, AMapIsFoundByTheSubstancesOwnNameWhileItsProblemsNameItTranslated) {
  const MarkingTranslator translation;
  const QString maps = QStringLiteral(CORVANTA_RESOURCES_DIR "/phase-maps");
  const lab::MapLookup shipped = lab::lookUpPhaseMap(maps, "water");
  EXPECT_TRUE(shipped.map.has_value()) << shipped.problem.toStdString();
  const lab::MapLookup missing = lab::lookUpPhaseMap(maps, "unobtainium");
  EXPECT_FALSE(missing.map.has_value());
  EXPECT_TRUE(missing.problem.contains(QStringLiteral("\u00ABunobtainium\u00BB")))
      << missing.problem.toStdString();
}

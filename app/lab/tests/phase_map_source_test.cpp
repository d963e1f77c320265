// Looking up a substance's phase map: the map read back, or the reason
// there is none.
#include "phase_map_source.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const std::string &text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.data(), qint64(text.size()));
}

analysis::PhaseMap nitrogenMap() {
  return {"nitrogen",
          {{70.0, 800.0, 350.0, analysis::PhaseMix::Liquid, 0.0, 0.9, 0.1},
           {120.0, 20.0, 900.0, analysis::PhaseMix::Gas, 0.0, 0.0, 1.0}}};
}

} // namespace

TEST(PhaseMapSource, ReadsTheSubstancesFile) {
  const QTemporaryDir folder;
  writeFile(folder.filePath(QStringLiteral("nitrogen.map")),
            analysis::writePhaseMap(nitrogenMap()));
  const lab::MapLookup found = lab::lookUpPhaseMap(folder.path(), "nitrogen");
  ASSERT_TRUE(found.map) << found.problem.toStdString();
  EXPECT_TRUE(found.problem.isEmpty());
  ASSERT_EQ(found.map->points.size(), 2u);
  EXPECT_EQ(found.map->points[1].phase, analysis::PhaseMix::Gas);
  EXPECT_EQ(found.map->points[0].density, 800.0);
}

TEST(PhaseMapSource, SaysWhyThereIsNoMap) {
  const QTemporaryDir folder;
  const lab::MapLookup missing = lab::lookUpPhaseMap(folder.path(), "oxygen");
  EXPECT_FALSE(missing.map);
  EXPECT_EQ(missing.problem,
            QStringLiteral("No phase map has been measured on the model for oxygen."));

  writeFile(folder.filePath(QStringLiteral("water.map")), analysis::writePhaseMap(nitrogenMap()));
  const lab::MapLookup other = lab::lookUpPhaseMap(folder.path(), "water");
  EXPECT_FALSE(other.map);
  EXPECT_TRUE(other.problem.contains(QStringLiteral("the map of nitrogen")));

  writeFile(folder.filePath(QStringLiteral("quartz.map")), "this is not a phase map\n");
  const lab::MapLookup broken = lab::lookUpPhaseMap(folder.path(), "quartz");
  EXPECT_FALSE(broken.map);
  EXPECT_TRUE(broken.problem.startsWith(QStringLiteral("The phase map of quartz cannot be read")));

  writeFile(folder.filePath(QStringLiteral("argon.map")), analysis::writePhaseMap({"argon", {}}));
  const lab::MapLookup empty = lab::lookUpPhaseMap(folder.path(), "argon");
  EXPECT_FALSE(empty.map);
  EXPECT_FALSE(empty.problem.isEmpty());
}

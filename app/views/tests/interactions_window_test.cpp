// The Interactions window over a running scenario: its pairs named by the
// substances and drawn in real units when the scenario has a material card
// beside it, and in model units again after a scenario without one.
#include "interactions_window.h"
#include "pair_chart.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/simulation_controller.h"

#include <QFile>
#include <QLineSeries>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

constexpr char kCard[] = R"(length unit = 0.2 pm
mass unit = 18.015 u
material 0
name = quartz
symbol = Si
melting point = 1986 K
melting point source = a handbook
material 1
name = water
symbol = O
melting point = 273.15 K
melting point source = a handbook
)";

// The shipped two-material scenario copied into `folder` as `name`.ams.
QString copiedScenario(const QTemporaryDir &folder, const QString &name) {
  const QString path = folder.filePath(name + QStringLiteral(".ams"));
  EXPECT_TRUE(QFile::copy(QStringLiteral(CORVANTA_RESOURCES_DIR "/solid-liquid.ams"), path));
  return path;
}

QStringList tabTexts(const QTabWidget &tabs) {
  QStringList texts;
  for (int tab = 0; tab < tabs.count(); ++tab)
    texts.append(tabs.tabText(tab));
  return texts;
}

} // namespace

TEST(InteractionsWindow, ThePairsFollowTheCardOfTheRunningScenario) {
  const QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString carded = copiedScenario(folder, QStringLiteral("carded"));
  QFile card(folder.filePath(QStringLiteral("carded.card")));
  ASSERT_TRUE(card.open(QIODevice::WriteOnly));
  card.write(kCard);
  card.close();
  const QString plain = copiedScenario(folder, QStringLiteral("plain"));

  ModDornDll::clampOn = 1;
  simulation::SimulationController controller;
  controller.load(carded.toStdString());
  ASSERT_TRUE(controller.card().has_value()) << controller.cardProblem();
  views::InteractionsWindow window(controller, nullptr);
  window.refresh();
  EXPECT_EQ(tabTexts(*window.pairs), (QStringList{QStringLiteral("quartz \u2013 quartz"),
                                                  QStringLiteral("water \u2013 quartz"),
                                                  QStringLiteral("water \u2013 water")}));
  EXPECT_EQ(window.pairs->tabToolTip(1), QStringLiteral("red \u2013 blue atoms"));
  EXPECT_TRUE(window.shownChart()->distanceAxis->titleText().contains(QStringLiteral("\u00c5")));
  EXPECT_FALSE(window.shownChart()->distribution->points().isEmpty()) << "the distances show";

  controller.load(plain.toStdString());
  window.refresh();
  EXPECT_EQ(window.pairs->tabText(1), QStringLiteral("red \u2013 blue"));
  EXPECT_TRUE(
      window.shownChart()->distanceAxis->titleText().contains(QStringLiteral("model units")));
}

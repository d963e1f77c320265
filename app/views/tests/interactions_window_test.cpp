// The Interactions window over a running scenario: its pairs named by the
// substances and drawn in real units when the scenario has a material card
// beside it, and in model units again after a scenario without one.
#include "appearance_guard.h"
#include "interactions_window.h"
#include "pair_chart.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/simulation_controller.h"

#include <QAccessible>
#include <QFile>
#include <QLineSeries>
#include <QTabBar>
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

// The carded scenario in `folder`, its card's text given.
QString cardedScenario(const QTemporaryDir &folder, const QByteArray &cardText) {
  QFile card(folder.filePath(QStringLiteral("carded.card")));
  EXPECT_TRUE(card.open(QIODevice::WriteOnly));
  card.write(cardText);
  return copiedScenario(folder, QStringLiteral("carded"));
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

TEST(InteractionsWindow, HighContrastReachesEveryChartAndTheWindowAndGoesAgain) {
  const AppearanceGuard guard;
  appearance::Appearance::instance().setHighContrast(false);
  const QTemporaryDir folder;
  ModDornDll::clampOn = 1;
  simulation::SimulationController controller;
  controller.load(cardedScenario(folder, kCard).toStdString());
  views::InteractionsWindow window(controller, nullptr);
  window.refresh();
  const QPalette ordinary = window.palette();

  appearance::Appearance::instance().setHighContrast(true);
  EXPECT_EQ(window.palette().color(QPalette::Window), appearance::high_contrast::kBackground);
  for (int tab = 0; tab < window.pairs->count(); ++tab)
    EXPECT_TRUE(static_cast<views::PairChart *>(window.pairs->widget(tab))->highContrast()) << tab;
  controller.load(copiedScenario(folder, QStringLiteral("plain")).toStdString());
  window.refresh();
  EXPECT_TRUE(window.shownChart()->highContrast()) << "charts built anew take the look too";

  appearance::Appearance::instance().setHighContrast(false);
  EXPECT_FALSE(window.shownChart()->highContrast());
  EXPECT_EQ(window.palette(), ordinary);
}

TEST(InteractionsWindow, AScreenReaderHearsEachPairByItsNamesEvenWithAnAmpersand) {
  const QTemporaryDir folder;
  QByteArray card(kCard);
  card.replace("name = water", "name = salt & water");
  ModDornDll::clampOn = 1;
  simulation::SimulationController controller;
  controller.load(cardedScenario(folder, card).toStdString());
  ASSERT_TRUE(controller.card().has_value()) << controller.cardProblem();
  views::InteractionsWindow window(controller, nullptr);
  window.refresh();
  QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(window.pairs->tabBar());
  ASSERT_NE(tabs, nullptr);
  QStringList heard;
  for (int child = 0; child < tabs->childCount(); ++child)
    heard << tabs->child(child)->text(QAccessible::Name);
  EXPECT_TRUE(heard.contains(QStringLiteral("salt & water \u2013 quartz")))
      << heard.join(QStringLiteral(", ")).toStdString();
  EXPECT_TRUE(QKeySequence::mnemonic(window.pairs->tabText(1)).isEmpty())
      << "a name's ampersand is no access key";
  EXPECT_EQ(window.shownChart()->accessibleName(),
            QStringLiteral("Pair energy and distances of quartz \u2013 quartz"));
  EXPECT_TRUE(window.shownChart()->focusPolicy() & Qt::TabFocus);
}

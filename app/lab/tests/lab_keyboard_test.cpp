// The Lab by keyboard: every access key is its own, Tab reaches every
// control in reading order, and Space presses a focused button instead of
// pausing the run, while Space elsewhere still pauses.
#include "lab_window_fixture.h"

#include "chart_view.h"
#include "phase_diagram_tab.h"
#include "series_charts.h"
#include "test_cards.h"
#include "thermostat_panel.h"
#include "volume_panel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

#include <map>

using Lab = LabWindowTest;

namespace {

// Every access key in the window, with the texts that claim it.
std::multimap<QKeySequence, QString> accessKeys(const QWidget &window) {
  std::multimap<QKeySequence, QString> keys;
  const auto add = [&keys](const QString &text) {
    if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
      keys.emplace(key, text);
  };
  for (const QLabel *label : window.findChildren<QLabel *>())
    if (label->buddy() != nullptr)
      add(label->text());
  for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
    add(button->text());
  for (const QGroupBox *group : window.findChildren<QGroupBox *>())
    add(group->title());
  for (const QTabBar *bar : window.findChildren<QTabBar *>())
    for (int tab = 0; tab < bar->count(); ++tab)
      add(bar->tabText(tab));
  return keys;
}

bool tabReachable(const QWidget &window, const QWidget &w) {
  return w.isVisibleTo(&window) && w.isEnabled() && (w.focusPolicy() & Qt::TabFocus) &&
         w.focusProxy() == nullptr;
}

// The widgets Tab goes through from the first control, once round; a focused widget counts for the
// controls it stands in too (the line edit of a number box).
QList<QWidget *> tabRound(QWidget &window, QWidget &first) {
  QList<QWidget *> order;
  first.setFocus(Qt::TabFocusReason);
  QWidget *now = &first;
  for (int k = 0; now != nullptr && k < 200; ++k) {
    for (QWidget *w = now; w != nullptr && w != &window; w = w->parentWidget())
      if (!order.contains(w))
        order.append(w);
    QTest::keyClick(now, Qt::Key_Tab);
    now = QApplication::focusWidget();
    if (now == &first)
      break;
  }
  return order;
}

} // namespace

TEST_F(Lab, EveryAccessKeyIsItsOwn) {
  load(shippedScenario(QStringLiteral("solid-liquid.ams")));
  lab->refresh();
  lab->thermostat->ramp->click(); // "Stop ramp" keeps the key of "Ramp"
  const auto keys = accessKeys(*lab);
  EXPECT_GE(keys.size(), 10u);
  for (auto it = keys.begin(); it != keys.end(); it = keys.upper_bound(it->first)) {
    QStringList claims;
    for (auto [k, end] = keys.equal_range(it->first); k != end; ++k)
      claims.append(k->second);
    claims.removeDuplicates();
    EXPECT_EQ(claims.size(), 1) << it->first.toString().toStdString() << " is claimed by "
                                << claims.join(QStringLiteral(", ")).toStdString();
  }
}

TEST_F(Lab, AMaterialsAmpersandIsNoAccessKey) {
  ModDornDll::CardMaterial salt = known::water();
  salt.name = "salt & pepper";
  lab->phaseDiagram->showScenario(known::card({known::water(), salt}), {}, {1.0, 1.0});
  EXPECT_EQ(lab->phaseDiagram->materials->tabText(1), QStringLiteral("salt && pepper"));
  EXPECT_TRUE(QKeySequence::mnemonic(lab->phaseDiagram->materials->tabText(1)).isEmpty());
}

TEST_F(Lab, TabReachesEveryControlOfEachGraphsPageInReadingOrder) {
  lab->phaseDiagram->mapFolder = QStringLiteral(CORVANTA_RESOURCES_DIR "/phase-maps");
  load(shippedScenario(QStringLiteral("solid-liquid.ams")));
  lab->refresh();
  lab->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(lab.get()));
  for (int page = 0; page < lab->charts->count(); ++page) {
    lab->charts->setCurrentIndex(page);
    const QList<QWidget *> round = tabRound(*lab, *lab->units);
    for (QWidget *w : lab->findChildren<QWidget *>()) {
      if (tabReachable(*lab, *w)) {
        EXPECT_TRUE(round.contains(w))
            << "page " << page << ": " << w->metaObject()->className() << " "
            << w->accessibleName().toStdString() << " is not reached";
      }
    }
    const QList<QWidget *> reading{lab->units,
                                   lab->pressureUnits,
                                   lab->thermostat->slider,
                                   lab->thermostat->value,
                                   lab->thermostat->hold,
                                   lab->thermostat->follow,
                                   lab->thermostat->rampTo,
                                   lab->thermostat->rampSteps,
                                   lab->thermostat->ramp,
                                   lab->thermostat->insulate,
                                   lab->charts->tabBar(),
                                   lab->volume->slider,
                                   lab->volume->height,
                                   lab->volume->holdPressure,
                                   lab->volume->pressure,
                                   lab->saveCsv};
    for (qsizetype k = 1; k < reading.size(); ++k)
      EXPECT_LT(round.indexOf(reading[k - 1]), round.indexOf(reading[k]))
          << "page " << page << ", control " << k;
  }
}

// The main window's Pause answers Space in every window of the program.
class LabSpace : public LabWindowTest {
protected:
  void SetUp() override {
    LabWindowTest::SetUp();
    pause.setShortcut(Qt::Key_Space);
    pause.setShortcutContext(Qt::ApplicationShortcut);
    lab->addAction(&pause);
    lab->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(lab.get()));
  }
  void press(QWidget *w) {
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Space);
  }

  QAction pause;
};

TEST_F(LabSpace, SpaceTicksAFocusedCheckBoxAndPressesAFocusedButtonWithoutPausing) {
  load(testScenario(QStringLiteral("liquid.ams")));
  QSignalSpy paused(&pause, &QAction::triggered);
  press(lab->thermostat->hold);
  EXPECT_TRUE(lab->thermostat->hold->isChecked());
  EXPECT_TRUE(controller.holding());
  press(lab->thermostat->ramp);
  EXPECT_TRUE(controller.ramping());
  EXPECT_EQ(paused.count(), 0);
}

TEST_F(LabSpace, SpaceElsewhereInTheLabStillPauses) {
  QSignalSpy paused(&pause, &QAction::triggered);
  press(lab->thermostat->slider);
  EXPECT_EQ(paused.count(), 1);
  press(lab->charts->temperaturePlot.view);
  EXPECT_EQ(paused.count(), 2);
  EXPECT_FALSE(lab->thermostat->hold->isChecked());
}

// The main window's way into the guided experiments: View > Experiments…,
// a lesson file dropped on the window or named on the command line, File >
// Export > Worksheet…, and the lessons' set-up working the window's own
// controls.
#include "run_folder_fixture.h"

#include "command_line.h"
#include "experiment_library.h"
#include "experiment_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

namespace {

// A lesson on the fixture's small gas: it pauses, changes the speed and the
// unit, as the menus would.
const QByteArray kLesson = "experiment = Small gas\n"
                           "step = One\n"
                           "do = load gas.ams\n"
                           "do = speed 18\n"
                           "do = unit °C\n"
                           "do = pause\n"
                           "step = Two\n"
                           "text = The end.\n";

class ExperimentsLink : public RunFolderTest {
protected:
  // The user's folder lies in the test program's own temporary data folder.
  void SetUp() override {
    ASSERT_TRUE(guide::userExperimentFolder().startsWith(QDir::tempPath()));
    QDir(guide::userExperimentFolder()).removeRecursively();
    RunFolderTest::SetUp();
    QDir().mkpath(path(QStringLiteral("experiments")));
    writeText(QStringLiteral("experiments/small-gas.experiment"), kLesson);
  }
  void TearDown() override {
    RunFolderTest::TearDown();
    QDir(guide::userExperimentFolder()).removeRecursively();
  }

  bool drop(frmOrvelModel &f, const QString &file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &enter);
    if (!enter.isAccepted())
      return false;
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &dropped);
    return true;
  }
};

} // namespace

TEST_F(ExperimentsLink, ViewExperimentsListsTheShippedLessonsAndNothingRunsUntilOneStarts) {
  frmOrvelModel &f = openWindow();
  f.mnuViewExperiments->trigger();
  guide::ExperimentWindow *panel = f.experimentsWindow();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isVisible());
  ASSERT_EQ(panel->list->count(), 1);
  EXPECT_EQ(panel->list->item(0)->text(), QStringLiteral("Small gas"));
  EXPECT_FALSE(f.simulation().running()) << "opening the list loads nothing";
}

TEST_F(ExperimentsLink, ALessonsSetUpWorksTheWindowsOwnControls) {
  frmOrvelModel &f = openWindow();
  ASSERT_TRUE(f.startExperiment(QStringLiteral("small gas")));
  EXPECT_TRUE(f.simulation().running());
  EXPECT_EQ(f.simulation().atoms(), kGasAtoms);
  EXPECT_TRUE(f.simulation().paused());
  EXPECT_EQ(f.mnuSimulationPause->text(), QStringLiteral("&Resume")) << "the menu says so too";
  EXPECT_EQ(f.simulation().stepsPerTick(), 20) << "the Speed menu's nearest entry";
  EXPECT_EQ(f.speedGroup->checkedAction()->data().toInt(), 20);
  EXPECT_EQ(f.temperatureUnit(), analysis::TemperatureUnit::Celsius);
}

TEST_F(ExperimentsLink, ALessonDroppedOnTheWindowOpensAndIsKeptInTheUsersFolder) {
  frmOrvelModel &f = openWindow();
  writeText(QStringLiteral("from-a-teacher.experiment"), kLesson);
  ASSERT_TRUE(drop(f, path(QStringLiteral("from-a-teacher.experiment"))));
  ASSERT_NE(f.experimentsWindow(), nullptr);
  EXPECT_TRUE(f.experimentsWindow()->session().isOpen());
  EXPECT_TRUE(QFileInfo::exists(guide::userExperimentFolder() +
                                QStringLiteral("/from-a-teacher/from-a-teacher.experiment")));
  EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ExperimentsLink, ABrokenLessonIsRefusedWithItsLineAndTheRunningOneGoesOn) {
  frmOrvelModel &f = openWindow();
  ASSERT_TRUE(f.startExperiment(QStringLiteral("small-gas")));
  f.experimentsWindow()->next->click();
  writeText(QStringLiteral("broken.experiment"), "experiment = Broken\nstep = A\ndo = jump\n");
  EXPECT_FALSE(f.openExperimentFile(path(QStringLiteral("broken.experiment"))));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("broken.experiment, line 3"))) << messages[0].toStdString();
  EXPECT_EQ(f.experimentsWindow()->session().experiment().title, "Small gas");
  EXPECT_EQ(f.experimentsWindow()->session().step(), 1);
  EXPECT_FALSE(QDir(guide::userExperimentFolder() + QStringLiteral("/broken")).exists());
}

TEST_F(ExperimentsLink, ALessonWhoseScenarioIsMissingSaysSoAndStaysOnItsFirstPage) {
  frmOrvelModel &f = openWindow();
  writeText(QStringLiteral("experiments/lost.experiment"),
            "experiment = Lost\nstep = A\ndo = load nowhere.ams\nstep = B\n");
  ASSERT_TRUE(f.startExperiment(QStringLiteral("lost")));
  guide::ExperimentWindow *panel = f.experimentsWindow();
  EXPECT_TRUE(panel->problem->text().contains(QStringLiteral("nowhere.ams")));
  EXPECT_EQ(panel->session().step(), 0);
  EXPECT_FALSE(panel->next->isEnabled()) << "nothing to go on from";
  EXPECT_FALSE(f.simulation().running());
}

TEST_F(ExperimentsLink, TheCommandLineOpensALessonByNameOrFileAndNamesAnUnknownOne) {
  frmOrvelModel &f = openWindow();
  scene::applyCommandLine(
      f, scene::readCommandLine({QStringLiteral("Corvanta"), QStringLiteral("--experiment"),
                                 QStringLiteral("small-gas")}));
  ASSERT_NE(f.experimentsWindow(), nullptr);
  EXPECT_TRUE(f.experimentsWindow()->session().isOpen());
  scene::applyCommandLine(
      f, scene::readCommandLine({QStringLiteral("Corvanta"), QStringLiteral("--experiment"),
                                 QStringLiteral("no such lesson")}));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("\"no such lesson\"")));
}

TEST_F(ExperimentsLink, TheWorksheetNeedsALessonFirst) {
  frmOrvelModel &f = openWindow();
  f.mnuFileExportWorksheet->trigger();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("start an experiment first")));
}

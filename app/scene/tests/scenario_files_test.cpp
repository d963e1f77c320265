// Scenario files from anywhere (Open, the recent list, a drop, the command
// line), snapshots and trajectories, and where the program finds its files.
#include "run_folder_fixture.h"

#include "command_line.h"
#include "panel_status_bar.h"
#include "run_folder.h"
#include "scenario/mod_dorn_dll.h"
#include "settings/settings.h"
#include "trajectory_recording.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

QStringList recentEntries(const frmOrvelModel &f) {
  QStringList captions;
  for (const QAction *entry : f.mnuFileRecent->actions())
    captions << entry->text();
  return captions;
}

bool drop(frmOrvelModel &f, QMimeData &data) {
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&f, &enter);
  if (!enter.isAccepted())
    return false;
  QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&f, &dropped);
  return true;
}

int countLines(const QString &path, const QByteArray &line) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return static_cast<int>(file.readAll().split('\n').count(line));
}

} // namespace

class ScenarioFiles : public RunFolderTest {
protected:
  void SetUp() override {
    RunFolderTest::SetUp();
    settings::setRecentFiles({});
  }
  // A scenario with the given atom count in a folder apart from the run folder.
  QString elsewhere(const QString &name, int atoms) {
    const QString file = other_.filePath(name);
    writeScenario(file, atoms);
    return file;
  }
  QTemporaryDir other_;
};

TEST_F(ScenarioFiles, AnOpenedFileRunsIsNamedAndHeadsTheRecentList) {
  frmOrvelModel &f = openWindow();
  const QString file = elsewhere(QStringLiteral("class 7B & co.ams"), 18);
  ASSERT_TRUE(f.openScenarioFile(file));
  EXPECT_EQ(ModDornDll::numAtoms, 18);
  EXPECT_TRUE(f.Timer1->isActive());
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: class 7B & co");
  EXPECT_EQ(settings::recentFiles(), QStringList{file});
  EXPECT_EQ(recentEntries(f), QStringList{"&1 class 7B && co.ams"});
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

  f.mnuOptionsGas->trigger();
  f.mnuFileRecent->actions().constFirst()->trigger();
  EXPECT_EQ(ModDornDll::numAtoms, 18);
  f.mnuSimulationRestart->trigger(); // Restart loads the opened file again
  EXPECT_EQ(ModDornDll::numAtoms, 18);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: class 7B & co");
}

TEST_F(ScenarioFiles, TheRecentListKeepsTheLastFiveWithoutRepeats) {
  frmOrvelModel &f = openWindow();
  QStringList files;
  for (int i = 0; i < 6; ++i)
    files << elsewhere(QStringLiteral("file%1.ams").arg(i), 2 + 2 * i);
  for (const QString &file : files)
    f.openScenarioFile(file);
  f.openScenarioFile(files[2]);
  EXPECT_EQ(settings::recentFiles(),
            (QStringList{files[2], files[5], files[4], files[3], files[1]}));
  EXPECT_EQ(recentEntries(f).size(), 5);
  EXPECT_EQ(recentEntries(f)[0], "&1 file2.ams");
  EXPECT_EQ(recentEntries(f)[4], "&5 file1.ams");
}

TEST_F(ScenarioFiles, WhatCannotBeLoadedIsRefusedAndTheRunningScenarioCarriesOn) {
  frmOrvelModel &f = openWindow();
  const QString kept = elsewhere(QStringLiteral("kept.ams"), 10);
  f.openScenarioFile(kept);
  const QString gone = elsewhere(QStringLiteral("gone.ams"), 4);
  f.openScenarioFile(gone);
  ASSERT_TRUE(f.openScenarioFile(kept));
  QFile::remove(gone);
  QFile binary(other_.filePath(QStringLiteral("binary.ams")));
  ASSERT_TRUE(binary.open(QIODevice::WriteOnly));
  binary.write(QByteArray("\x7f"
                          "ELF\x02\x01\x01\0\0\0\xff\xfe",
                          13)
                   .repeated(200));
  binary.close();
  QFile(other_.filePath(QStringLiteral("empty.ams"))).open(QIODevice::WriteOnly);
  const QString refused[] = {other_.path(), binary.fileName(),
                             other_.filePath(QStringLiteral("empty.ams")), gone};
  for (const QString &file : refused) {
    SCOPED_TRACE(file.toStdString());
    messages.clear();
    EXPECT_FALSE(f.openScenarioFile(file));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(file));
    EXPECT_EQ(ModDornDll::numAtoms, 10);
    EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: kept");
    EXPECT_TRUE(f.Timer1->isActive());
  }
  // The missing file has left the recent list.
  EXPECT_EQ(settings::recentFiles(), QStringList{kept});
}

TEST_F(ScenarioFiles, ADroppedFileOpensAndOtherDropsAreDeclined) {
  frmOrvelModel &f = openWindow();
  QMimeData file;
  file.setUrls({QUrl::fromLocalFile(elsewhere(QStringLiteral("dropped.ams"), 14))});
  ASSERT_TRUE(drop(f, file));
  EXPECT_EQ(ModDornDll::numAtoms, 14);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: dropped");
  QMimeData text;
  text.setText(QStringLiteral("liquid.ams"));
  EXPECT_FALSE(drop(f, text));
  QMimeData web;
  web.setUrls({QUrl(QStringLiteral("https://example.org/gas.ams"))});
  EXPECT_FALSE(drop(f, web));
  EXPECT_EQ(ModDornDll::numAtoms, 14);
}

TEST_F(ScenarioFiles, TheCommandLineRunsItsFile) {
  const QString file = elsewhere(QStringLiteral("given.ams"), 16);
  const scene::CommandLine line =
      scene::readCommandLine({QStringLiteral("Corvanta"), QStringLiteral("--large-view"), file,
                              QStringLiteral("--lab")});
  EXPECT_EQ(line.scenarioFile, file);
  EXPECT_TRUE(line.lab);
  EXPECT_TRUE(line.largeView);
  frmOrvelModel &f = openWindow();
  scene::applyCommandLine(f, line);
  EXPECT_EQ(ModDornDll::numAtoms, 16);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: given");
  EXPECT_NE(f.labWindow(), nullptr);
  EXPECT_NE(f.largeViewWindow(), nullptr);
  EXPECT_TRUE(scene::readCommandLine({QStringLiteral("Corvanta")}).scenarioFile.isEmpty());
}

TEST_F(ScenarioFiles, ASavedSnapshotLoadsBackWhereTheAtomsStood) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsSolid->trigger();
  for (int i = 0; i < 3; ++i)
    f.Timer1_Timer();
  const std::vector<double> coords = ModDornDll::atomCoords;
  const QString saved = other_.filePath(QStringLiteral("saved.ams"));
  ASSERT_TRUE(f.saveSnapshot(saved));
  ASSERT_TRUE(f.openScenarioFile(saved));
  EXPECT_EQ(ModDornDll::atomCoords, coords);
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation: saved");

  EXPECT_FALSE(f.saveSnapshot(other_.filePath(QStringLiteral("no/such/folder/x.ams"))));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("no/such/folder/x.ams")));
}

TEST_F(ScenarioFiles, AMaterialCardTravelsWithItsSnapshotAndABrokenOneIsNamed) {
  frmOrvelModel &f = openWindow();
  writeText(QStringLiteral("solid.card"),
            "length unit = 0.2 pm\nmass unit = 30 u\nmaterial 0\nname = quartz\nsymbol = Si\n"
            "melting point = 1986 K\nmelting point source = CRC\n");
  f.mnuOptionsSolid->trigger();
  ASSERT_TRUE(f.simulation().card());
  EXPECT_TRUE(messages.isEmpty());
  const QString saved = other_.filePath(QStringLiteral("kept.ams"));
  ASSERT_TRUE(f.saveSnapshot(saved));
  ASSERT_TRUE(f.openScenarioFile(saved));
  ASSERT_TRUE(f.simulation().card()) << "the card was written beside the snapshot";
  EXPECT_EQ(f.simulation().card()->materials.at(0).name, "quartz");
  EXPECT_NEAR(f.simulation().card()->kilogramsPerMass, 30 * 1.66053906660e-27, 1e-36);

  writeText(QStringLiteral("solid.card"), "length unit = 0.2 pm\nmass unit = 30\n");
  f.mnuOptionsSolid->trigger();
  EXPECT_FALSE(f.simulation().card());
  EXPECT_TRUE(f.Timer1->isActive()) << "the scenario runs all the same";
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("solid.card, line 2: mass unit")));
  EXPECT_TRUE(messages[0].contains(QStringLiteral("model units")));
}

TEST_F(ScenarioFiles, ATrajectoryRecordsEveryKthFrameUntilStopped) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  const QString path = other_.filePath(QStringLiteral("run.xyz"));
  ASSERT_TRUE(f.startTrajectory(path, 2));
  EXPECT_TRUE(f.mnuFileExportTrajectory->isChecked());
  for (int i = 0; i < 5; ++i)
    f.Timer1_Timer();
  f.mnuFileExportTrajectory->trigger(); // stops it
  EXPECT_FALSE(f.mnuFileExportTrajectory->isChecked());
  f.Timer1_Timer();
  // The frame at the start, then after ticks 2 and 4.
  EXPECT_EQ(countLines(path, QByteArray::number(kLiquidAtoms)), 3);

  EXPECT_FALSE(f.startTrajectory(other_.filePath(QStringLiteral("no/folder/run.xyz")), 1));
  EXPECT_EQ(f.trajectoryRecording(), nullptr);
  EXPECT_FALSE(f.mnuFileExportTrajectory->isChecked());
  EXPECT_EQ(messages.size(), 1);
}

TEST_F(ScenarioFiles, FilesAreSoughtHereFirstThenInTheInstalledDataFolder) {
  const QString installed = scene::installedDataFolder();
  const QString name = QStringLiteral("/probe-%1.ams").arg(QCoreApplication::applicationPid());
  ASSERT_TRUE(QDir().mkpath(installed));
  writeScenario(installed + name, 2);
  EXPECT_EQ(scene::runPath(name), installed + name);
  writeScenario(path(name.mid(1)), 2);
  EXPECT_EQ(scene::runPath(name), QDir::currentPath() + name);
  QFile::remove(installed + name);
  removeFile(name.mid(1));
  EXPECT_EQ(scene::runPath(name), QDir::currentPath() + name); // named where first sought
  EXPECT_TRUE(scene::searchedFolders(QStringLiteral("/bitmaps")).contains(installed));
}

// Scenario files from anywhere: File > Open Scenario, the recent list, the
// command line and a file dropped on the window all load through the same
// check-first loader as the built-in entries. Save Snapshot writes the
// running simulation as a scenario file, with its material card beside it;
// Export > Trajectory records the frames shown.
#include "frm_orvel_model.h"

#include "message_box.h"
#include "settings/settings.h"
#include "trajectory_recording.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

constexpr int kRecentFiles = 5;
constexpr int kStartFramesPerRecord = 10;

QString scenarioFilter() { return frmOrvelModel::tr("Scenario files (*.ams);;All files (*)"); }

// The first local file among the dropped items.
QString droppedFile(const QMimeData *data) {
  if (data == nullptr || !data->hasUrls())
    return {};
  for (const QUrl &url : data->urls())
    if (url.isLocalFile())
      return url.toLocalFile();
  return {};
}

QString withSuffix(const QString &path, const QString &suffix) {
  return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

} // namespace

void frmOrvelModel::mnuFileOpen_Click() {
  const QString start =
      runningFile.isEmpty() ? QDir::currentPath() : QFileInfo(runningFile).absolutePath();
  const QString path =
      QFileDialog::getOpenFileName(this, tr("Open Scenario"), start, scenarioFilter());
  if (!path.isEmpty())
    openScenarioFile(path);
}

bool frmOrvelModel::openScenarioFile(const QString &path) {
  const QFileInfo file(path);
  const bool loaded =
      chooseScenario(file.absoluteFilePath(), tr("Simulation: %1").arg(file.completeBaseName()));
  rememberOpened(file.absoluteFilePath(), loaded);
  return loaded;
}

// A file that loads heads the recent list; one that does not leaves it.
void frmOrvelModel::rememberOpened(const QString &path, bool loaded) {
  QStringList files = settings::recentFiles();
  files.removeAll(path);
  if (loaded)
    files.prepend(path);
  settings::setRecentFiles(files.mid(0, kRecentFiles));
  showRecentFiles();
}

void frmOrvelModel::showRecentFiles() {
  mnuFileRecent->clear();
  const QStringList files = settings::recentFiles();
  for (int i = 0; i < files.size(); ++i) {
    QString name = QFileInfo(files[i]).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction *entry = mnuFileRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
    entry->setStatusTip(files[i]);
    entry->setToolTip(files[i]);
    connect(entry, &QAction::triggered, this, [this, file = files[i]] { openScenarioFile(file); });
  }
  mnuFileRecent->setEnabled(!files.isEmpty());
}

void frmOrvelModel::mnuFileSave_Click() {
  const QString name = runningFile.isEmpty() ? QStringLiteral("corvanta")
                                             : QFileInfo(runningFile).completeBaseName();
  const QString path = QFileDialog::getSaveFileName(
      this, tr("Save Snapshot"), QDir::home().filePath(name + QStringLiteral("-snapshot.ams")),
      scenarioFilter());
  if (!path.isEmpty())
    saveSnapshot(withSuffix(path, QStringLiteral(".ams")));
}

bool frmOrvelModel::saveSnapshot(const QString &path) {
  bool saved = false;
  runGuarded([&] {
    try {
      ModDornDll::writeScenarioFile(path.toStdString(), controller.snapshot());
      if (const auto &card = controller.card())
        ModDornDll::writeMaterialCard(ModDornDll::cardPathFor(path.toStdString()), *card,
                                      QFileInfo(path).fileName().toStdString());
      saved = true;
    } catch (const ModDornDll::SaveError &error) {
      scene::showMessage(
          this, windowTitle(),
          tr("The snapshot cannot be saved:\n%1").arg(QString::fromStdString(error.what())));
    }
  });
  return saved;
}

void frmOrvelModel::mnuFileExportTrajectory_Click() {
  if (trajectory) {
    stopTrajectory();
    return;
  }
  showRecordingState(); // the entry stays unchecked until recording starts
  const QString path = QFileDialog::getSaveFileName(
      this, tr("Record Trajectory"), QDir::home().filePath(QStringLiteral("atoms.xyz")),
      tr("Extended XYZ (*.xyz);;All files (*)"));
  if (path.isEmpty())
    return;
  bool chosen = false;
  const int every =
      QInputDialog::getInt(this, tr("Record Trajectory"), tr("Write every K-th frame shown. K:"),
                           kStartFramesPerRecord, 1, 1000000, 1, &chosen);
  if (chosen)
    startTrajectory(withSuffix(path, QStringLiteral(".xyz")), every);
}

bool frmOrvelModel::startTrajectory(const QString &path, int every) {
  try {
    trajectory = std::make_unique<scene::TrajectoryRecording>(path.toStdString(), every,
                                                              controller.step(), controller.card());
  } catch (const ModDornDll::SaveError &error) {
    scene::showMessage(
        this, windowTitle(),
        tr("The trajectory cannot be recorded:\n%1").arg(QString::fromStdString(error.what())));
  }
  showRecordingState();
  return trajectory != nullptr;
}

void frmOrvelModel::stopTrajectory() {
  trajectory.reset();
  showRecordingState();
}

void frmOrvelModel::recordTrajectoryFrame() {
  try {
    trajectory->frameShown(controller.step());
  } catch (const ModDornDll::SaveError &error) {
    stopTrajectory();
    scene::showMessage(
        this, windowTitle(),
        tr("Recording the trajectory has stopped:\n%1").arg(QString::fromStdString(error.what())));
  }
}

void frmOrvelModel::showRecordingState() {
  mnuFileExportTrajectory->setChecked(trajectory != nullptr);
  mnuFileExportTrajectory->setText(trajectory ? tr("Stop Recording the &Trajectory")
                                              : tr("&Trajectory\u2026"));
  mnuFileExportTrajectory->setStatusTip(
      trajectory ? tr("Recording to %1").arg(QString::fromStdString(trajectory->path()))
                 : tr("Record every K-th frame shown to an extended-XYZ file"));
}

void frmOrvelModel::dragEnterEvent(QDragEnterEvent *event) {
  if (!droppedFile(event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

void frmOrvelModel::dropEvent(QDropEvent *event) {
  const QString file = droppedFile(event->mimeData());
  if (file.isEmpty())
    return;
  event->acceptProposedAction();
  if (file.endsWith(QStringLiteral(".experiment"), Qt::CaseInsensitive))
    openExperimentFile(file);
  else
    openScenarioFile(file);
}

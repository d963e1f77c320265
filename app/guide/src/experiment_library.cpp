#include "experiment_library.h"

#include "experiments/experiment_reader.h"
#include "lesson_language.h"
#include "scenario/material_card.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <set>

namespace guide {

namespace {

const QString kSuffix = QStringLiteral(".experiment");

QStringList experimentFiles(const QString &folder) {
  QStringList files;
  const QDir dir(folder);
  for (const QString &name :
       dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name))
    files << dir.filePath(name);
  return files;
}

bool isInside(const QString &path, const QString &folder) {
  const QString dir = QFileInfo(folder).canonicalFilePath();
  return !dir.isEmpty() && QFileInfo(path).canonicalFilePath().startsWith(dir + QLatin1Char('/'));
}

// The files beside the experiment that it names: scenario files with their
// material cards, and pictures.
std::set<QString> companions(const experiments::Experiment &experiment) {
  std::set<QString> names;
  for (const experiments::Step &step : experiment.steps) {
    if (!step.picture.empty())
      names.insert(QString::fromStdString(step.picture));
    for (const experiments::Action &action : step.actions)
      if (action.kind == experiments::ActionKind::Load) {
        names.insert(QString::fromStdString(action.text));
        names.insert(QString::fromStdString(ModDornDll::cardPathFor(action.text)));
      }
  }
  return names;
}

// Copies over what is already there: opening a file again brings its
// newer version in.
QString copyReplacing(const QString &from, const QString &to) {
  QFile::remove(to);
  return QFile::copy(from, to)
             ? QString()
             : QCoreApplication::translate("guide::ExperimentLibrary", "%1 cannot be copied to %2.")
                   .arg(from, to);
}

QString copyIntoUserFolder(const QString &path, const experiments::Experiment &experiment,
                           QString &copied) {
  const QFileInfo source(path);
  const QString folder = QDir(userExperimentFolder()).filePath(source.completeBaseName());
  if (!QDir().mkpath(folder))
    return QCoreApplication::translate("guide::ExperimentLibrary", "The folder %1 cannot be made.")
        .arg(folder);
  copied = QDir(folder).filePath(source.fileName());
  QString problem = copyReplacing(path, copied);
  for (const QString &name : companions(experiment)) {
    const QString beside = source.dir().filePath(name);
    if (problem.isEmpty() && QFileInfo::exists(beside))
      problem = copyReplacing(beside, QDir(folder).filePath(name));
  }
  return problem;
}

} // namespace

// Named like the settings ("Corvanta"), whatever the window's title says.
QString userExperimentFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("Corvanta/experiments"));
}

QList<ExperimentEntry> listExperiments(const QStringList &shippedFolders) {
  QList<ExperimentEntry> entries;
  std::set<QString> seen; // a shipped file found in two folders is listed once
  const auto add = [&](const QString &path, bool shipped) {
    if (!seen.insert(QFileInfo(path).fileName()).second && shipped)
      return;
    try {
      const experiments::Experiment experiment =
          experiments::readExperimentFile(path.toStdString());
      entries.append({lessonText(experiment.title), path, shipped, experiment.minutes,
                      lessonText(experiment.summary)});
    } catch (const experiments::ExperimentError &) {
      // Left out of the list; opening it by name says why.
    }
  };
  for (const QString &folder : shippedFolders)
    for (const QString &path : experimentFiles(folder))
      add(path, true);
  const QDir user(userExperimentFolder());
  for (const QString &sub : user.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    for (const QString &path : experimentFiles(user.filePath(sub)))
      add(path, false);
  return entries;
}

ExperimentEntry findExperiment(const QList<ExperimentEntry> &entries, const QString &name) {
  for (const ExperimentEntry &entry : entries)
    if (entry.title.compare(name, Qt::CaseInsensitive) == 0 ||
        QFileInfo(entry.path).completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
      return entry;
  return {};
}

Opened openExperiment(const QString &path, const QStringList &shippedFolders) {
  Opened opened;
  try {
    opened.experiment = experiments::readExperimentFile(path.toStdString());
  } catch (const experiments::ExperimentError &error) {
    opened.problem = QString::fromStdString(error.what());
    return opened;
  }
  opened.path = path;
  bool own = isInside(path, userExperimentFolder());
  for (const QString &folder : shippedFolders)
    own = own || isInside(path, folder);
  QString copied;
  if (!own)
    opened.note = copyIntoUserFolder(path, opened.experiment, copied);
  if (!own && opened.note.isEmpty())
    opened.path = copied;
  return opened;
}

} // namespace guide

// Where experiments are found: the shipped ones in the program's data
// folders, and the student's or teacher's own in the user's application
// data folder, where opening a file from anywhere puts a copy of it.
#pragma once

#include "experiments/experiment.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace guide {

struct ExperimentEntry {
  QString title;
  QString path;
  bool shipped = false;
  int minutes = 0;
  QString summary;
};

// The user's own experiments: in the platform's application data folder
// (~/.local/share/Corvanta/experiments on Linux), one folder per experiment.
QString userExperimentFolder();

// Every readable experiment in the folders (shipped ones first, then the
// user's own, each sorted by file name). A file that cannot be read is
// left out; it says why when it is opened.
QList<ExperimentEntry> listExperiments(const QStringList &shippedFolders);

// The experiment whose title or file name (without .experiment) is `name`;
// an empty path when there is none.
ExperimentEntry findExperiment(const QList<ExperimentEntry> &entries, const QString &name);

struct Opened {
  experiments::Experiment experiment;
  QString path;    // where it lies now
  QString problem; // the file, line and reason it cannot be used; empty when it can
  QString note;    // why it could not be copied: it then runs from where it lies
};

// Reads an experiment file; one from outside the user's folder and the
// shipped ones is first copied there, with the scenario files, their
// material cards and the pictures it names that lie beside it. A file that
// cannot be read is not copied.
Opened openExperiment(const QString &path, const QStringList &shippedFolders);

} // namespace guide

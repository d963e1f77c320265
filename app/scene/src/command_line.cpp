#include "command_line.h"

#include "frm_orvel_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace scene {

CommandLine readCommandLine(const QStringList &arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "CommandLine", "Shows how matter behaves at the level of atoms."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption labOption(
      QStringLiteral("lab"),
      QCoreApplication::translate("CommandLine", "Open the Lab beside the main window."));
  parser.addOption(labOption);
  const QCommandLineOption largeViewOption(
      QStringLiteral("large-view"),
      QCoreApplication::translate("CommandLine", "Open the large 3-D view of the atoms."));
  parser.addOption(largeViewOption);
  const QCommandLineOption experimentOption(
      QStringLiteral("experiment"),
      QCoreApplication::translate("CommandLine",
                                  "Open the Experiments window at this experiment: its title, "
                                  "its file name without .experiment, or an experiment file."),
      QCoreApplication::translate("CommandLine", "NAME"));
  parser.addOption(experimentOption);
  parser.addPositionalArgument(
      QStringLiteral("FILE.ams"),
      QCoreApplication::translate("CommandLine", "A scenario file to run at start."),
      QStringLiteral("[FILE.ams]"));
  parser.process(arguments);
  CommandLine line;
  line.lab = parser.isSet(labOption);
  line.largeView = parser.isSet(largeViewOption);
  line.experiment = parser.value(experimentOption);
  if (!parser.positionalArguments().isEmpty())
    line.scenarioFile = parser.positionalArguments().constFirst();
  return line;
}

void applyCommandLine(frmOrvelModel &window, const CommandLine &line) {
  if (line.scenarioFile.endsWith(QStringLiteral(".experiment")))
    window.openExperimentFile(line.scenarioFile); // as the desktop opens one
  else if (!line.scenarioFile.isEmpty())
    window.openScenarioFile(line.scenarioFile);
  if (line.lab)
    window.mnuViewLab_Click();
  if (line.largeView)
    window.mnuViewLargeView_Click();
  if (line.experiment.endsWith(QStringLiteral(".experiment")))
    window.openExperimentFile(line.experiment);
  else if (!line.experiment.isEmpty())
    window.startExperiment(line.experiment);
}

} // namespace scene

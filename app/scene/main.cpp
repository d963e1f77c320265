// Corvanta: the main window over the Pavex engine.
#include "frm_orvel_model.h"
#include "program_info.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  applyProgramInfo();

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Shows how matter behaves at the level of atoms."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption labOption(QStringLiteral("lab"),
                                     QStringLiteral("Open the Lab beside the main window."));
  parser.addOption(labOption);
  const QCommandLineOption largeViewOption(QStringLiteral("large-view"),
                                           QStringLiteral("Open the large 3-D view of the atoms."));
  parser.addOption(largeViewOption);
  parser.process(app);

  frmOrvelModel window;
  QObject::connect(
      &window, &frmOrvelModel::fatalError, &app, [] { QCoreApplication::exit(1); },
      Qt::QueuedConnection);
  if (!window.Form_Load())
    return 1;
  window.applyRememberedSettings();
  window.show();
  if (parser.isSet(labOption))
    window.mnuViewLab_Click();
  if (parser.isSet(largeViewOption))
    window.mnuViewLargeView_Click();
  return app.exec();
}

// Corvanta: the main window over the Pavex engine.
#include "command_line.h"
#include "frm_orvel_model.h"
#include "i18n/translations.h"
#include "lab_accessibility.h"
#include "program_info.h"
#include "scene_accessibility.h"
#include "views_accessibility.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  applyProgramInfo();
  // Before any window is built: their texts and the start unit follow the language.
  i18n::installTranslations(app);
  // Screen readers see the places, the atoms, the thermometer and the graphs
  // through interfaces of their own.
  scene::installAccessibility();
  lab::installAccessibility();
  views::installAccessibility();
  const scene::CommandLine commandLine = scene::readCommandLine(QApplication::arguments());

  frmOrvelModel window;
  QObject::connect(
      &window, &frmOrvelModel::fatalError, &app, [] { QCoreApplication::exit(1); },
      Qt::QueuedConnection);
  if (!window.Form_Load())
    return 1;
  window.applyRememberedSettings();
  window.show();
  scene::applyCommandLine(window, commandLine);
  return app.exec();
}

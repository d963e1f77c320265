// Corvanta: the main window over the Pavex engine.
#include "command_line.h"
#include "frm_orvel_model.h"
#include "i18n/translations.h"
#include "program_info.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  applyProgramInfo();
  // Before any window is built: their texts and the start unit follow the language.
  i18n::installTranslations(app);
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

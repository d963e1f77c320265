// Corvanta: the main window over the Pavex engine.
#include "frm_orvel_model.h"
#include "program_info.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  applyProgramInfo();
  frmOrvelModel window;
  QObject::connect(
      &window, &frmOrvelModel::fatalError, &app, [] { QCoreApplication::exit(1); },
      Qt::QueuedConnection);
  if (!window.Form_Load())
    return 1;
  window.show();
  return app.exec();
}

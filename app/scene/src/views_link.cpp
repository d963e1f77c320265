// The main window's side of the large view and the Interactions window, and
// the export of the atom view as a picture.
#include "frm_orvel_model.h"

#include "interactions_window.h"
#include "large_view_window.h"
#include "picture_box.h"
#include "picture_export.h"

#include <QAction>

namespace {

// A window opened for the first time stands beside the main window (the
// large view) or below it (the Interactions window).
void placeBeside(QWidget *window, const QWidget *main) {
  window->move(main->frameGeometry().topRight() + QPoint(8, 0));
}

void placeBelow(QWidget *window, const QWidget *main) {
  window->move(main->frameGeometry().bottomLeft() + QPoint(0, 8));
}

void bringUp(QWidget *window) {
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace

void frmOrvelModel::mnuViewLargeView_Click() {
  if (largeView == nullptr) {
    largeView = new views::LargeViewWindow(controller, this);
    placeBeside(largeView, this);
  }
  bringUp(largeView);
}

void frmOrvelModel::mnuViewInteractions_Click() {
  if (interactions == nullptr) {
    interactions = new views::InteractionsWindow(controller, this);
    placeBelow(interactions, this);
  }
  bringUp(interactions);
}

void frmOrvelModel::mnuFileExportPicture_Click() {
  views::exportPicture(this, PicAtoms->grab().toImage(), QStringLiteral("atom-view.png"));
}

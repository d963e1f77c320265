// The main window's side of the large view and the Interactions window, and
// the export of the atom view as a picture.
#include "frm_orvel_model.h"

#include "interactions_window.h"
#include "large_view_window.h"
#include "picture_box.h"
#include "picture_export.h"
#include "window_places.h"

#include <QAction>

namespace {

void bringUp(QWidget *window) {
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace

void frmOrvelModel::mnuViewLargeView_Click() {
  if (largeView == nullptr) {
    largeView = new views::LargeViewWindow(controller, this);
    scene::placeBeside(largeView, this);
  }
  bringUp(largeView);
}

void frmOrvelModel::mnuViewInteractions_Click() {
  if (interactions == nullptr) {
    interactions = new views::InteractionsWindow(controller, this);
    scene::placeBelow(interactions, this);
  }
  bringUp(interactions);
}

void frmOrvelModel::mnuFileExportPicture_Click() {
  views::exportPicture(this, PicAtoms->grab().toImage(), QStringLiteral("atom-view.png"));
}

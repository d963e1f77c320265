// Start-up, activation, the simulation loop and shut-down of the main window.
#include "frm_orvel_model.h"

#include "clock.h"
#include "frm_splash.h"
#include "message_box.h"
#include "number_format.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "run_folder.h"
#include "scenario/mod_dorn_dll.h"
#include "shape_widget.h"
#include "simulation/engine_problem.h"
#include "sprites/atom_sprite.h"
#include "sprites/sprite.h"

#include <QScrollBar>
#include <QTimer>

#include <cmath>

using scene::runPath;

namespace {

constexpr int kAtomImages = 6;

QString bitmapsFolders() { return scene::searchedFolders(QStringLiteral("/bitmaps")); }

} // namespace

void frmOrvelModel::runGuarded(const std::function<void()> &step) {
  if (const auto problem = simulation::engineProblemIn(step))
    fail(QString::fromStdString(*problem));
}

void frmOrvelModel::fail(const QString &text) {
  if (failed_)
    return;
  failed_ = true;
  Timer1->stop();
  scene::showMessage(this, windowTitle(), text);
  emit fatalError();
}

bool frmOrvelModel::Form_Load() {
  sunRedFrame = 1;
  sunOrangeFrame = 2;
  sunYellowFrame = 3;

  const QRectF column = Shape1->twipsGeometry();
  thermoHeight = static_cast<std::int32_t>(std::lrint(column.height()));
  thermoBase = static_cast<float>(column.top() + 2.0 * thermoHeight);
  QRectF tube = Shape2->twipsGeometry();
  tube.moveTop(column.top() - 0.2 * thermoHeight);
  Shape2->setTwipsGeometry(tube);

  // Setting the value runs the time-of-day update, the first engine call.
  HScroll1->setRange(0, 100);
  HScroll1->setValue(30);
  if (failed_)
    return false;

  seasonMaxF = 110.0f;
  seasonMinF = 50.0f;

  const QString eyeIcon = runPath(QStringLiteral("/bitmaps/eye.ico"));
  if (!mouseIcon.load(eyeIcon)) {
    fail(tr("The mouse icon %1 is missing or cannot be read.\n\nFolders searched: %2\n\n"
            "The program reads its pictures and scenarios from the folder it is "
            "started in, or else from its installed data folder.")
             .arg(eyeIcon, bitmapsFolders()));
    return false;
  }

  surfacesBuilt = false;
  runGuarded([this] {
    controller.startUp();
    Timer1->stop();
    showAtomCount();
    setupScreenProjection();
  });
  return !failed_;
}

void frmOrvelModel::showAtomCount() {
  StatusBar1->setPanelText(3, tr("# Atoms : %1").arg(ModDornDll::numAtoms));
}

void frmOrvelModel::Form_Activate() {
  picTmp->setVisible(true);
  PicMain->clear();
  loadSunImages();
  picTmp->setVisible(false);
  // The sun is drawn where the season and the time of day put it.
  if (sunSprite) {
    sunFrame = static_cast<std::int16_t>(sunImageFor(HScroll1->value()));
    sunSprite->place_sprite(PicMain->hDC(), static_cast<float>(sunX), static_cast<float>(sunY),
                            sunFrame);
  }
  PicMain->refresh();
  if (!surfacesBuilt)
    buildAtomView();
}

void frmOrvelModel::loadSunImages() {
  if (!sunSprite)
    sunSprite = std::make_unique<Sprite>();
  const std::pair<std::int32_t, const char *> images[] = {
      {sunRedFrame, "/bitmaps/sun-red.bmp"},
      {sunOrangeFrame, "/bitmaps/sun-orange.bmp"},
      {sunYellowFrame, "/bitmaps/sun-yellow.bmp"}};
  try {
    for (const auto &[slot, file] : images)
      sunSprite->init(*picTmp, runPath(QString::fromLatin1(file)).toStdString(),
                      static_cast<std::int16_t>(slot));
  } catch (const raster::PictureError &error) {
    // Without all three images the window runs on without a sun.
    sunSprite.reset();
    if (!sunMissingReported) {
      sunMissingReported = true;
      scene::showMessage(this, windowTitle(),
                         tr("A picture of the sun cannot be read:\n%1\n\nFolders searched: %2\n\n"
                            "The program runs on without the sun.")
                             .arg(QString::fromStdString(error.what()), bitmapsFolders()));
    }
  }
}

void frmOrvelModel::buildAtomView() {
  surfacesBuilt = true;
  PicAtoms->clear();
  ModDornDll::frameCount = 0;
  makeSurfaces();
  PicAtomSprite->setVisible(true);
  atomSprite = std::make_unique<AtomSprite>();
  try {
    for (int i = 1; i <= kAtomImages; ++i)
      atomSprite->initAs(*PicAtomSprite,
                         runPath(QStringLiteral("/bitmaps/atom%1.bmp").arg(i)).toStdString(),
                         static_cast<std::int16_t>(i - 1));
  } catch (const raster::PictureError &error) {
    PicAtomSprite->setVisible(false);
    fail(tr("A picture of an atom cannot be read:\n%1\n\nFolders searched: %2")
             .arg(QString::fromStdString(error.what()), bitmapsFolders()));
    return;
  }
  PicAtomSprite->setVisible(false);
}

void frmOrvelModel::formInitScreen() {
  frameStats.restart(scene::monotonicSeconds());
  controller.fetchFirstFrame();
  setupScreenProjection();
  DrawAxis();
  displayAtoms();
  ModDornDll::frameCount = 0;
}

// The engine's run of a tick goes on on the controller's worker while the
// frame of the previous run is drawn; the coordinates it leaves are fetched
// once both are done, for the next frame.
void frmOrvelModel::Timer1_Timer() { advanceAndShow(&simulation::SimulationController::startTick); }

void frmOrvelModel::advanceAndShow(bool (simulation::SimulationController::*advance)()) {
  runGuarded([this, advance] {
    const bool reportFrame = ModDornDll::frameCount % kReportInterval == 0;
    if (!(controller.*advance)())
      return;
    showFrame(reportFrame);
    if (trajectory)
      recordTrajectoryFrame();
    controller.finishTick();
  });
}

void frmOrvelModel::mnuExit_Click() { close(); }

void frmOrvelModel::Form_Unload() {
  delete splash;
  splash = nullptr;
  // The loop stops with the window: the surfaces it draws on are gone.
  Timer1->stop();
  releaseSurfaces();
}

void frmOrvelModel::Form_Terminate() { controller.releaseEngine(); }

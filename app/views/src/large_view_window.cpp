#include "large_view_window.h"

#include "appearance/appearance.h"
#include "large_view_canvas.h"
#include "material_names.h"
#include "picture_export.h"
#include "scenario/mod_dorn_dll.h"
#include "simulation/simulation_controller.h"

#include <QAction>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace views {

namespace {

// Drawing takes at most this share of the time, the rest is the loop's.
constexpr double kDrawingShare = 0.5;
constexpr double kFallbackRefreshHz = 60.0;

SpeedRamp rampOf(appearance::SpeedColours colours) {
  return colours == appearance::SpeedColours::BlueToYellow ? SpeedRamp::BlueToYellow
                                                           : SpeedRamp::BlueToRed;
}

// A tool bar button takes Tab like any other button, and its text's
// underlined letter works with Alt.
void makeReachable(QToolBar *bar) {
  for (QAction *action : bar->actions()) {
    action->setShortcutContext(Qt::WindowShortcut);
    action->setIconText(action->text());
    bar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
  }
}

} // namespace

LargeViewWindow::LargeViewWindow(simulation::SimulationController &controller, QWidget *parent)
    : QWidget(parent, Qt::Window), controller_(controller) {
  setWindowTitle(tr("Large View"));
  canvas = new LargeViewCanvas(this);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(createToolBar());
  layout->addWidget(canvas, 1);
  setFocusProxy(canvas);
  resize(960, 720);

  pace_ = new QTimer(this);
  pace_->setSingleShot(true);
  connect(pace_, &QTimer::timeout, this, &LargeViewWindow::pacedRedraw);
  connect(canvas, &LargeViewCanvas::viewChanged, this, [this] { stale_ = true; });
  connect(&appearance::Appearance::instance(), &appearance::Appearance::changed, this,
          &LargeViewWindow::followAppearance);
  followAppearance();
}

void LargeViewWindow::followAppearance() {
  const appearance::Appearance &chosen = appearance::Appearance::instance();
  setPalette(chosen.highContrast() ? appearance::highContrastPalette() : QPalette());
  look_ = chosen.highContrast() ? &kHighContrastLook : &kOrdinaryLook;
  ramp_ = rampOf(chosen.speedColours());
  canvas->setBackground(look_->background);
  stale_ = true;
}

QWidget *LargeViewWindow::createToolBar() {
  auto *bar = new QToolBar(this);
  bar->setAccessibleName(tr("View tools"));
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  colourBySpeed = bar->addAction(tr("&Colour by Speed"));
  colourBySpeed->setCheckable(true);
  colourBySpeed->setShortcut(Qt::Key_C);
  colourBySpeed->setToolTip(tr("Colour the atoms by speed (C), or by material"));
  frontView = bar->addAction(tr("&Front View"));
  frontView->setToolTip(tr("Back to the view of the main window (double-click or Home)"));
  fullScreen = bar->addAction(tr("F&ull Screen"));
  fullScreen->setShortcut(Qt::Key_F11);
  fullScreen->setToolTip(tr("Fill the screen with the view, or back to a window (F11)"));
  exportPicture = bar->addAction(tr("&Export Picture\u2026"));
  exportPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  exportPicture->setToolTip(tr("Save the picture as a PNG file (Ctrl+Shift+S)"));
  makeReachable(bar);

  connect(colourBySpeed, &QAction::toggled, this, [this] {
    trackSpeeds();
    stale_ = true;
  });
  connect(frontView, &QAction::triggered, this, [this] { canvas->setCamera({}); });
  connect(fullScreen, &QAction::triggered, this, &LargeViewWindow::toggleFullScreen);
  connect(exportPicture, &QAction::triggered, this, [this] {
    views::exportPicture(this, canvas->picture(), QStringLiteral("large-view.png"));
  });
  return bar;
}

Colouring LargeViewWindow::colouring() const {
  return colourBySpeed->isChecked() ? Colouring::Speed : Colouring::Material;
}

void LargeViewWindow::redraw() {
  QElapsedTimer clock;
  clock.start();
  const analysis::AtomFrame frame = controller_.atomFrame();
  const std::vector<double> speeds =
      colouring() == Colouring::Speed ? controller_.atomSpeeds() : std::vector<double>{};
  const ShownUnit unit = speedUnit(ModDornDll::unitsOf(controller_.card()));
  QImage picture(canvas->size(), QImage::Format_ARGB32_Premultiplied);
  const bool drawn = drawLargeView(picture, frame, ModDornDll::boxDims, canvas->camera(),
                                   {colouring(), speeds, unit, ramp_}, sprites_, *look_);
  canvas->setContent(contentOf(frame, speeds, unit, drawn));
  canvas->showPicture(std::move(picture));
  drawnStep_ = controller_.step();
  drawnStart_ = controller_.scenarioStarts();
  stale_ = false;
  drawMs_ = static_cast<double>(clock.nsecsElapsed()) / 1.0e6;
}

ViewContent LargeViewWindow::contentOf(const analysis::AtomFrame &frame,
                                       const std::vector<double> &speeds,
                                       const ShownUnit &speedUnit, bool drawn) const {
  ViewContent content{drawn, {}, colouring(), ramp_, {}, {}};
  for (std::int32_t type = 0; type < frame.typeCount; ++type) {
    const auto atoms = std::count(frame.types.begin(), frame.types.end(), type);
    if (atoms > 0)
      content.materials.push_back(
          {materialName(type, controller_.card()), colourName(type), static_cast<int>(atoms)});
  }
  const SpeedSpread spread = speedSpread(speeds);
  content.slowest = speedUnit.text(spread.slowest);
  content.fastest = speedUnit.text(spread.fastest);
  return content;
}

int LargeViewWindow::redrawInterval() const {
  const double hz = screen() != nullptr && screen()->refreshRate() > 0.0 ? screen()->refreshRate()
                                                                         : kFallbackRefreshHz;
  const double ms = std::max(1000.0 / hz, drawMs_ * (1.0 - kDrawingShare) / kDrawingShare);
  return static_cast<int>(std::ceil(ms));
}

// Draws when the simulation moved, a scenario started or the view changed,
// then waits before looking again.
void LargeViewWindow::pacedRedraw() {
  const bool moved =
      controller_.step() != drawnStep_ || controller_.scenarioStarts() != drawnStart_;
  if (stale_ || moved)
    redraw();
  pace_->start(redrawInterval());
}

void LargeViewWindow::trackSpeeds() {
  controller_.setTrackingSpeeds(isVisible() && colourBySpeed->isChecked());
}

void LargeViewWindow::toggleFullScreen() {
  if (isFullScreen())
    showNormal();
  else
    showFullScreen();
}

void LargeViewWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  trackSpeeds();
  stale_ = true;
  pace_->start(0);
}

void LargeViewWindow::hideEvent(QHideEvent *event) {
  QWidget::hideEvent(event);
  pace_->stop();
  trackSpeeds();
}

} // namespace views

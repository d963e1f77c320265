#include "large_view_window.h"

#include "large_view_canvas.h"
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

} // namespace

LargeViewWindow::LargeViewWindow(simulation::SimulationController &controller, QWidget *parent)
    : QWidget(parent, Qt::Window), controller_(controller) {
  setWindowTitle(QStringLiteral("Large View"));
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
}

QWidget *LargeViewWindow::createToolBar() {
  auto *bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  colourBySpeed = bar->addAction(QStringLiteral("&Colour by Speed"));
  colourBySpeed->setCheckable(true);
  colourBySpeed->setShortcut(Qt::Key_C);
  colourBySpeed->setToolTip(QStringLiteral("Colour the atoms by speed (C), or by material"));
  frontView = bar->addAction(QStringLiteral("&Front View"));
  frontView->setToolTip(QStringLiteral("Back to the view of the main window (double-click)"));
  fullScreen = bar->addAction(QStringLiteral("F&ull Screen"));
  fullScreen->setShortcut(Qt::Key_F11);
  exportPicture = bar->addAction(QStringLiteral("&Export Picture\u2026"));
  exportPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  for (QAction *action : bar->actions())
    action->setShortcutContext(Qt::WindowShortcut);

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
  QImage picture(canvas->size(), QImage::Format_ARGB32_Premultiplied);
  drawLargeView(picture, frame, ModDornDll::boxDims, canvas->camera(),
                {colouring(), speeds, speedUnit(ModDornDll::unitsOf(controller_.card()))},
                sprites_);
  canvas->showPicture(std::move(picture));
  drawnStep_ = controller_.step();
  drawnStart_ = controller_.scenarioStarts();
  stale_ = false;
  drawMs_ = static_cast<double>(clock.nsecsElapsed()) / 1.0e6;
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

// The large view: a resizable window (full screen with F11) showing the
// running simulation turned and zoomed in 3-D. It draws the atoms the
// simulation controller last fetched, at most once per screen refresh and
// never more than half of the time, so the simulation loop keeps its pace;
// frames that arrive meanwhile are skipped. It never calls the engine. It
// follows the program's appearance: high contrast, and the speed ramp.
#pragma once

#include "large_view_frame.h"
#include "large_view_summary.h"
#include "sphere_sprites.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QAction;
class QTimer;

namespace simulation {
class SimulationController;
}

namespace views {

class LargeViewCanvas;

class LargeViewWindow : public QWidget {
  Q_OBJECT

public:
  LargeViewWindow(simulation::SimulationController &controller, QWidget *parent);

  Colouring colouring() const;
  SpeedRamp speedRamp() const { return ramp_; }
  const ViewLook &look() const { return *look_; }
  // Draws the controller's latest frame now.
  void redraw();
  // How long the next picture waits at least (milliseconds).
  int redrawInterval() const;

  LargeViewCanvas *canvas = nullptr;
  QAction *colourBySpeed = nullptr;
  QAction *frontView = nullptr;
  QAction *fullScreen = nullptr;
  QAction *exportPicture = nullptr;

protected:
  void showEvent(QShowEvent *event) override;
  void hideEvent(QHideEvent *event) override;

private:
  QWidget *createToolBar();
  void followAppearance();
  ViewContent contentOf(const analysis::AtomFrame &frame, const std::vector<double> &speeds,
                        const ShownUnit &speedUnit, bool drawn) const;
  void pacedRedraw();
  void trackSpeeds();
  void toggleFullScreen();

  simulation::SimulationController &controller_;
  SphereSprites sprites_;
  const ViewLook *look_ = &kOrdinaryLook;
  SpeedRamp ramp_ = SpeedRamp::BlueToRed;
  QTimer *pace_ = nullptr;
  bool stale_ = true;
  std::int64_t drawnStep_ = -1;
  std::uint64_t drawnStart_ = 0;
  double drawMs_ = 0.0; // of the last picture
};

} // namespace views

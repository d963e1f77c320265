// The main window: the landscape with its hotspots and sun, the atom view,
// the season and time-of-day controls with the thermometer, the status bar
// and the menus; it owns the simulation loop.
#pragma once

#include "analysis/units.h"
#include "atom_drawing/frame_stats.h"
#include "atom_drawing/projection.h"
#include "image_list.h"
#include "raster/gdi.h"
#include "simulation/simulation_controller.h"

#include <QMainWindow>
#include <QPixmap>

#include <cstdint>
#include <functional>
#include <memory>

class AtomSprite;
class Sprite;
class frmSplash;
class QAction;
class QActionGroup;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QScrollBar;
class QTimer;

namespace guide {
class ExperimentWindow;
} // namespace guide

namespace lab {
class LabWindow;
} // namespace lab

namespace views {
class InteractionsWindow;
class LargeViewWindow;
} // namespace views

namespace scene {
class ExperimentStage;
class FocusRing;
class TrajectoryRecording;
class Hotspot;
class PanelStatusBar;
class PictureBox;
class ShapeWidget;
} // namespace scene

class frmOrvelModel : public QMainWindow {
  Q_OBJECT

public:
  explicit frmOrvelModel(QWidget *parent = nullptr);
  ~frmOrvelModel() override;

  // Start-up: the controls' run-time settings, the engine and its defaults.
  // Returns false, after telling the user why, when the program cannot run.
  bool Form_Load();
  // The window became the active window of the program.
  void Form_Activate();
  // Whether a fault has made the program unable to go on (see fatalError).
  bool failed() const { return failed_; }
  // Takes up the choices remembered from the last run: unit, speed, follow
  // the ambient temperature.
  void applyRememberedSettings();

  // The owner of the engine while the program runs.
  simulation::SimulationController &simulation() { return controller; }
  // The Lab, once opened (nullptr before).
  lab::LabWindow *labWindow() const { return lab; }

  // Loads a scenario file from anywhere, as the built-in entries load theirs,
  // and names it in the status bar; a file that loads heads the recent list.
  // Returns whether it runs now.
  bool openScenarioFile(const QString &path);
  // Writes the running simulation as a scenario file; says why when it
  // cannot. Returns whether it was saved.
  bool saveSnapshot(const QString &path);
  // Records every K-th frame shown to an extended-XYZ file from now on.
  bool startTrajectory(const QString &path, int every);
  void stopTrajectory();
  const scene::TrajectoryRecording *trajectoryRecording() const { return trajectory.get(); }
  // The large view and the Interactions window, once opened (nullptr before).
  views::LargeViewWindow *largeViewWindow() const { return largeView; }
  views::InteractionsWindow *interactionsWindow() const { return interactions; }
  analysis::TemperatureUnit temperatureUnit() const { return unit; }
  // The Experiments window, once opened (nullptr before).
  guide::ExperimentWindow *experimentsWindow() const { return experiments; }
  // Opens the Experiments window at an experiment file from anywhere, or at
  // a listed experiment named by its title or file name; false, after
  // saying why, when it cannot be opened.
  bool openExperimentFile(const QString &path);
  bool startExperiment(const QString &name);

  // What the atom view shows, as a screen reader reads it: the simulation as
  // the status bar names it, the atom count, the temperature the atoms are
  // kept at in the chosen unit, a lowered lid and a pause.
  QString atomViewSummary() const;
  // The thermometer's reading: the ambient temperature as the status bar
  // shows it.
  QString thermometerText() const;

  // Controls, as the window's code and its checks reach them.
  QScrollBar *HScroll1 = nullptr;
  scene::KeyedImageList ImageListSeason;
  scene::PictureBox *PicAtoms = nullptr;
  scene::PictureBox *PicAtomSprite = nullptr;
  QTimer *Timer1 = nullptr;
  scene::PanelStatusBar *StatusBar1 = nullptr;
  QScrollBar *VScrollSeason = nullptr;
  scene::PictureBox *picTmp = nullptr;
  scene::PictureBox *PicMain = nullptr;
  scene::ShapeWidget *Shape3 = nullptr;
  scene::ShapeWidget *Shape1 = nullptr;
  scene::ShapeWidget *Shape2 = nullptr;
  QLabel *lblSeason = nullptr;
  QLabel *ImageSeason = nullptr;
  QLabel *Label5 = nullptr;
  QLabel *Label4 = nullptr;
  QLabel *Label3 = nullptr;

  scene::Hotspot *hotspotLiquidGas = nullptr;
  scene::Hotspot *hotspotSolidLiquid = nullptr;
  scene::Hotspot *hotspotSand = nullptr;
  scene::Hotspot *hotspotRock = nullptr;
  scene::Hotspot *hotspotCloud = nullptr;
  scene::Hotspot *hotspotGas = nullptr;
  scene::Hotspot *hotspotWater = nullptr;

  QMenu *mnuFile = nullptr;
  QAction *mnuFileOpen = nullptr;
  QMenu *mnuFileRecent = nullptr;
  QAction *mnuFileOpenExperiment = nullptr;
  QAction *mnuFileSave = nullptr;
  QMenu *mnuFileExport = nullptr;
  QAction *mnuFileExportTrajectory = nullptr;
  QAction *mnuFileExportPicture = nullptr;
  QAction *mnuFileExportWorksheet = nullptr;
  QAction *mnuExit = nullptr;
  QMenu *mnuOptions = nullptr;
  QMenu *mnuOptionsSingleComponent = nullptr;
  QAction *mnuOptionsSolid = nullptr;
  QAction *mnuOptionsLiquid = nullptr;
  QAction *mnuOptionsGas = nullptr;
  QMenu *mnuOptionsDoubleComponent = nullptr;
  QAction *mnuOptionSolidLiquid = nullptr;
  QAction *mnuOptionSolidGas = nullptr;
  QAction *mnuOptionLiquidGas = nullptr;
  QAction *mnuOptionsFollowAmbient = nullptr;
  QMenu *mnuSimulation = nullptr;
  QAction *mnuSimulationPause = nullptr;
  QAction *mnuSimulationStep = nullptr;
  QMenu *mnuSimulationSpeed = nullptr;
  QActionGroup *speedGroup = nullptr; // the entries carry their steps per tick as data
  QAction *mnuSimulationRestart = nullptr;
  QMenu *mnuView = nullptr;
  QAction *mnuViewLab = nullptr;
  QAction *mnuViewLargeView = nullptr;
  QAction *mnuViewInteractions = nullptr;
  QAction *mnuViewExperiments = nullptr;
  QMenu *mnuHelp = nullptr;
  QAction *mnuHelpTopics = nullptr;
  QAction *mnuHelpAbout = nullptr;

signals:
  // A fault the program cannot run on from; the user has been told.
  void fatalError();

public slots:
  void Timer1_Timer();
  void HScroll1_Change();
  void VScrollSeason_Change();

  void hotspotCloud_Click();
  void hotspotGas_Click();
  void hotspotLiquidGas_Click();
  void hotspotRock_Click();
  void hotspotSand_Click();
  void hotspotSolidLiquid_Click();
  void hotspotWater_Click();
  void mnuOptionsSolid_Click();
  void mnuOptionsLiquid_Click();
  void mnuOptionsGas_Click();
  void mnuOptionSolidLiquid_Click();
  void mnuOptionSolidGas_Click();
  void mnuOptionLiquidGas_Click();
  void mnuFileOpen_Click();
  void mnuFileSave_Click();
  void mnuFileExportTrajectory_Click();
  void mnuExit_Click();
  void mnuHelpAbout_Click();
  void mnuOptionsFollowAmbient_Click(bool checked);
  void mnuSimulationPause_Click();
  void mnuSimulationStep_Click();
  void mnuSimulationSpeed_Click(QAction *entry);
  void mnuSimulationRestart_Click();
  void mnuViewLab_Click();
  void mnuViewLargeView_Click();
  void mnuViewInteractions_Click();
  void mnuViewExperiments_Click();
  void mnuFileOpenExperiment_Click();
  void mnuFileExportWorksheet_Click();
  void mnuFileExportPicture_Click();
  void setTemperatureUnit(analysis::TemperatureUnit chosen);

protected:
  // Polishing, before the window first shows, makes the atom view a
  // keyboard stop (see makeAtomViewReachable).
  bool event(QEvent *event) override;
  // Enter on the atom view opens the large view.
  bool eventFilter(QObject *watched, QEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  friend struct FormInspector;         // read access for the window's tests
  friend class scene::ExperimentStage; // works the controls for an experiment

  // Every tenth frame refreshes the status-bar figures.
  static constexpr int kReportInterval = 10;

  // make-up
  void createControls();
  void createLandscape(QWidget *client);
  void createSeasonControls(QWidget *client);
  void createThermometer(QWidget *client);
  void createHotspots();
  void createMenus();
  void createFileMenu();
  void createOptionsMenu();
  void createSimulationMenu();
  void createViewMenu();
  void createHelpMenu();
  void createStatusBar(QWidget *client);
  void connectHandlers();

  // life cycle and loop
  void formInitScreen();
  void Form_Unload();
  void Form_Terminate();
  void loadSunImages();
  void buildAtomView();
  void showAtomCount();
  // A tick (startTick: the frame the window has is drawn while the engine
  // runs) or a Step of the controller, and its frame if the atoms moved.
  void advanceAndShow(bool (simulation::SimulationController::*advance)());
  void showFrame(bool reportFrame);
  void showRunState();
  void setStepsPerTick(int steps);

  // season and time of day
  void updateAmbient();
  void showAmbient();
  void placeSun();
  int sunImageFor(int timeOfDay) const;
  void setTemperatureFromF(float f);
  void drawThermometer();

  // scenario selection
  // A built-in scenario by its name in the current or installed data folder.
  void chooseBuiltIn(const QString &name, const QString &statusText);
  // `searched` ends the message for a file that cannot be loaded.
  bool chooseScenario(const QString &path, const QString &statusText, const QString &searched = {});
  void reportCardProblem();

  // scenario files, snapshots and trajectories
  void showRecentFiles();
  void rememberOpened(const QString &path, bool loaded);
  void recordTrajectoryFrame();
  void showRecordingState();

  // atom view
  // Tab reaches the atom view, which shows its focus by a ring outside the
  // picture; its drawing stays as it is.
  void makeAtomViewReachable();
  void makeSurfaces();
  void releaseSurfaces();
  void setupScreenProjection();
  void DrawAxis();
  void displayAtoms();

  // faults
  void fail(const QString &text);
  // Runs an engine-using step; an engine that cannot be used is a fatal fault.
  void runGuarded(const std::function<void()> &step);

  simulation::SimulationController controller;
  analysis::TemperatureUnit unit = analysis::TemperatureUnit::Fahrenheit;
  lab::LabWindow *lab = nullptr;
  views::LargeViewWindow *largeView = nullptr;
  views::InteractionsWindow *interactions = nullptr;
  std::unique_ptr<scene::ExperimentStage> experimentStage;
  guide::ExperimentWindow *experiments = nullptr;
  QString runningFile;   // the file and status text of the running scenario,
  QString runningStatus; // which Restart loads again
  std::unique_ptr<scene::TrajectoryRecording> trajectory;

  std::unique_ptr<Sprite> sunSprite;
  std::int16_t sunFrame = 0;
  std::int32_t sunRedFrame = 0;
  std::int32_t sunOrangeFrame = 0;
  std::int32_t sunYellowFrame = 0;
  float seasonMaxF = 0;
  float seasonMinF = 0;
  float ambientF = 0;
  double sunX = 0;
  double sunY = 0;
  std::int32_t thermoHeight = 0;
  float thermoBase = 0;

  raster::HDC backgroundHdc = 0;
  raster::HBITMAP backgroundBitmap = 0;
  raster::HDC frameHdc = 0;
  raster::HBITMAP frameBitmap = 0;
  bool surfacesBuilt = false;
  std::unique_ptr<AtomSprite> atomSprite;
  scene::FocusRing *atomViewRing = nullptr; // made once the window is polished

  atom_drawing::Projection projection;
  atom_drawing::FrameStats frameStats;
  QPixmap mouseIcon; // read at start-up; the window keeps the default pointer
  frmSplash *splash = nullptr;
  bool activatedOnce = false;
  bool sunMissingReported = false;
  bool failed_ = false;
};

// The window's make-up: every control at its designed place, the menus and
// the status bar, and the wiring of events to their handlers.
#include "frm_orvel_model.h"

#include "experiment_stage.h"
#include "trajectory_recording.h"

#include "caption_fit.h"
#include "frm_splash.h"
#include "hotspot.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "shape_widget.h"
#include "sprites/atom_sprite.h"
#include "sprites/sprite.h"
#include "twips.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QScrollBar>
#include <QTimer>

using scene::PictureBox;
using scene::ShapeWidget;
using scene::twipsRect;

namespace {

constexpr int kClientWidth = 575;  // 8625 twips
constexpr int kClientHeight = 543; // 8145 twips
constexpr int kTimerIntervalMs = 5;

QLabel *makeLabel(QWidget *parent, const QString &caption, QRect geometry, bool bold) {
  auto *label = new QLabel(caption, parent);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    label->setFont(font);
  }
  scene::fitCaption(label);
  return label;
}

QScrollBar *makeScrollBar(QWidget *parent, Qt::Orientation orientation, QRect geometry,
                          const QString &name, const QString &description) {
  auto *bar = new QScrollBar(orientation, parent);
  bar->setGeometry(geometry);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  bar->setFocusPolicy(Qt::StrongFocus);
  bar->setAccessibleName(name);
  bar->setAccessibleDescription(description);
  return bar;
}

// Tab goes through the places in reading order (the sky, then the ground
// from left to right), then to the atoms they show, then to the season and
// the time of day that set the temperature.
void setReadingTabOrder(frmOrvelModel &f) {
  QWidget *const order[] = {
      f.hotspotGas,         f.hotspotCloud, f.hotspotSand, f.hotspotWater,  f.hotspotLiquidGas,
      f.hotspotSolidLiquid, f.hotspotRock,  f.PicAtoms,    f.VScrollSeason, f.HScroll1};
  for (std::size_t i = 1; i < std::size(order); ++i)
    QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

frmOrvelModel::frmOrvelModel(QWidget *parent) : QMainWindow(parent) {
  Q_INIT_RESOURCE(resources);
  setWindowTitle(QStringLiteral("Tessivo")); // the product's name, the same in every language
  setWindowIcon(QIcon(QStringLiteral(":/images/app.ico")));
  createControls();
  createMenus();
  connectHandlers();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // A scenario file dropped on the window opens like File > Open Scenario.
  setAcceptDrops(true);
}

frmOrvelModel::~frmOrvelModel() {
  releaseSurfaces();
  Form_Terminate();
}

void frmOrvelModel::createControls() {
  auto *client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  QFont windowFont = client->font();
  windowFont.setPointSizeF(8.25);
  client->setFont(windowFont);
  setCentralWidget(client);

  HScroll1 =
      makeScrollBar(client, Qt::Horizontal, twipsRect(5520, 6720, 1215, 255), tr("Time of Day"),
                    tr("From morning to evening: the sun and the temperature follow"));
  PicAtoms = new PictureBox(client, 254, 193, PictureBox::Border::None, false);
  PicAtoms->move(twipsRect(240, 4800, 3810, 2895).topLeft());
  PicAtoms->setAccessibleName(tr("Atoms"));
  PicAtoms->setAccessibleDescription(tr("The atoms of the chosen place moving in their box"));
  PicAtomSprite = new PictureBox(client, 25, 25, PictureBox::Border::None, true);
  PicAtomSprite->move(twipsRect(8160, 600, 375, 375).topLeft());
  PicAtomSprite->hide();
  Timer1 = new QTimer(this);
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(kTimerIntervalMs);
  createStatusBar(client);
  createSeasonControls(client);
  createLandscape(client);
  createThermometer(client);
  Label5 = makeLabel(client, tr("Evening"), twipsRect(6840, 6720, 735, 255), false);
  Label4 = makeLabel(client, tr("Morning"), twipsRect(4800, 6720, 615, 255), false);
  Label3 = makeLabel(client, tr("Time of Day"), twipsRect(5640, 7080, 1095, 255), true);
  Label3->setBuddy(HScroll1); // a screen reader tells which control the caption names

  // Controls listed first in the design lie on top of those listed later.
  for (QWidget *control : std::initializer_list<QWidget *>{
           HScroll1, PicAtoms, PicAtomSprite, StatusBar1, VScrollSeason, picTmp, PicMain, Shape3,
           Shape1, Shape2, lblSeason, ImageSeason, Label5, Label4, Label3})
    control->lower();
  setReadingTabOrder(*this);
}

void frmOrvelModel::createStatusBar(QWidget *client) {
  StatusBar1 = new scene::PanelStatusBar(client);
  StatusBar1->setGeometry(twipsRect(0, 7770, 8625, 375));
  StatusBar1->setAccessibleName(tr("Status"));
  StatusBar1->addPanel(tr("Run Time"), tr("Run Time for MD Model"), 96);
  StatusBar1->addPanel(tr("FPS"), tr("Screen Update (Frames Per Second)"), 75);
  StatusBar1->addPanel(tr("# Atoms"), tr("Number of Atoms in Simulation"), 90);
  StatusBar1->addPanel(tr("Temperature"), tr("Ambient Temperature"), 125);
  StatusBar1->addPanel(tr("Simulation"), tr("Simulation Type"), 150);
}

void frmOrvelModel::createSeasonControls(QWidget *client) {
  VScrollSeason =
      makeScrollBar(client, Qt::Vertical, twipsRect(5280, 5160, 255, 615), tr("Season"), QString());
  VScrollSeason->setRange(1, 2);
  VScrollSeason->setValue(1);

  // The keys are the seasons' names in English; the caption translates them.
  ImageListSeason.add(QString::fromLatin1(QT_TR_NOOP("Summer")),
                      QPixmap(QStringLiteral(":/images/summer.ico")));
  ImageListSeason.add(QString::fromLatin1(QT_TR_NOOP("Winter")),
                      QPixmap(QStringLiteral(":/images/winter.ico")));

  lblSeason = makeLabel(client, tr("Season"), twipsRect(6240, 5280, 735, 255), true);
  lblSeason->setBuddy(VScrollSeason);
  ImageSeason = new QLabel(client);
  ImageSeason->setGeometry(twipsRect(5640, 5160, 480, 480));
  ImageSeason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ImageSeason->setPixmap(ImageListSeason.picture(1));
  ImageSeason->setToolTip(tr("Season"));
  // A screen reader reads the bar's value as a number: the season it stands
  // for goes with its description and names the picture.
  auto nameSeason = [this] {
    const QString season =
        ImageListSeason.caption(VScrollSeason->value(), staticMetaObject.className());
    ImageSeason->setAccessibleName(season);
    VScrollSeason->setAccessibleDescription(tr("Summer or winter; now %1").arg(season));
  };
  nameSeason();
  connect(VScrollSeason, &QScrollBar::valueChanged, this, nameSeason);
}

void frmOrvelModel::createLandscape(QWidget *client) {
  picTmp = new PictureBox(client, 25, 25, PictureBox::Border::None, true);
  picTmp->move(twipsRect(8160, 120, 375, 375).topLeft());
  picTmp->hide();
  PicMain = new PictureBox(client, 542, 314, PictureBox::Border::Single, true);
  PicMain->move(twipsRect(240, 0, 8190, 4770).topLeft());
  PicMain->setPicture(QImage(QStringLiteral(":/images/landscape.bmp")));
  PicMain->setAccessibleName(tr("Landscape"));
  PicMain->setAccessibleDescription(tr("Choose a place in the landscape to see its atoms"));
  createHotspots();
}

// Each place is named for a screen reader by what it shows; its description
// is the tooltip a mouse user sees.
void frmOrvelModel::createHotspots() {
  const QCursor pointer(QPixmap(QStringLiteral(":/images/hotspot.ico")));
  const QPoint inside(PicMain->borderWidth(), PicMain->borderWidth());
  auto make = [&](double left, double top, double width, double height, const QString &name,
                  const QString &toolTip) {
    auto *place = new scene::Hotspot(
        PicMain, twipsRect(left, top, width, height).translated(inside), pointer, toolTip);
    place->setAccessibleName(name);
    place->setAccessibleDescription(toolTip);
    return place;
  };
  hotspotLiquidGas =
      make(5160, 3000, 1695, 615, tr("Water and air"), tr("View Water/Air Interface"));
  hotspotSolidLiquid =
      make(6120, 3840, 975, 615, tr("Water and rock"), tr("View Water/Rock Interface"));
  hotspotSand = make(0, 3720, 1815, 975, tr("Sand"), tr("View Sand"));
  hotspotRock = make(7440, 3360, 615, 1335, tr("Dark rock"), tr("View Solid Dark Rock"));
  hotspotCloud = make(5520, 1560, 2055, 855, tr("Cloud"), tr("View Cloud"));
  hotspotGas = make(240, 240, 4575, 1935, tr("Air"), tr("View Air Molecules"));
  hotspotWater = make(3120, 3840, 1935, 855, tr("Water"), tr("View Water"));
}

// The column tells the temperature (its description follows it); the tube
// and the bulb are named so that a screen reader does not call them
// nameless.
void frmOrvelModel::createThermometer(QWidget *client) {
  const QColor red(255, 0, 0);
  Shape3 = new ShapeWidget(client, ShapeWidget::Kind::Oval, red, {7800, 6960, 375, 375});
  Shape3->setAccessibleName(tr("Thermometer bulb"));
  Shape1 = new ShapeWidget(client, ShapeWidget::Kind::Rectangle, red, {7920, 6000, 135, 1005});
  Shape1->setAccessibleName(tr("Thermometer"));
  Shape2 = new ShapeWidget(client, ShapeWidget::Kind::Rectangle, QColor(224, 224, 224),
                           {7920, 5760, 135, 1215});
  Shape2->setAccessibleName(tr("Thermometer tube"));
}

void frmOrvelModel::connectHandlers() {
  connect(Timer1, &QTimer::timeout, this, &frmOrvelModel::Timer1_Timer);
  // valueChanged fires while the thumb is dragged and after every completed
  // change, programmatic ones included: it stands for both scroll events.
  connect(HScroll1, &QScrollBar::valueChanged, this, &frmOrvelModel::HScroll1_Change);
  connect(VScrollSeason, &QScrollBar::valueChanged, this, &frmOrvelModel::VScrollSeason_Change);

  const std::pair<scene::Hotspot *, void (frmOrvelModel::*)()> hotspots[] = {
      {hotspotCloud, &frmOrvelModel::hotspotCloud_Click},
      {hotspotGas, &frmOrvelModel::hotspotGas_Click},
      {hotspotLiquidGas, &frmOrvelModel::hotspotLiquidGas_Click},
      {hotspotRock, &frmOrvelModel::hotspotRock_Click},
      {hotspotSand, &frmOrvelModel::hotspotSand_Click},
      {hotspotSolidLiquid, &frmOrvelModel::hotspotSolidLiquid_Click},
      {hotspotWater, &frmOrvelModel::hotspotWater_Click}};
  for (const auto &[hotspot, handler] : hotspots)
    connect(hotspot, &scene::Hotspot::clicked, this, handler);

  const std::pair<QAction *, void (frmOrvelModel::*)()> entries[] = {
      {mnuOptionsSolid, &frmOrvelModel::mnuOptionsSolid_Click},
      {mnuOptionsLiquid, &frmOrvelModel::mnuOptionsLiquid_Click},
      {mnuOptionsGas, &frmOrvelModel::mnuOptionsGas_Click},
      {mnuOptionSolidLiquid, &frmOrvelModel::mnuOptionSolidLiquid_Click},
      {mnuOptionSolidGas, &frmOrvelModel::mnuOptionSolidGas_Click},
      {mnuOptionLiquidGas, &frmOrvelModel::mnuOptionLiquidGas_Click},
      {mnuFileOpen, &frmOrvelModel::mnuFileOpen_Click},
      {mnuFileSave, &frmOrvelModel::mnuFileSave_Click},
      {mnuFileExportTrajectory, &frmOrvelModel::mnuFileExportTrajectory_Click},
      {mnuExit, &frmOrvelModel::mnuExit_Click},
      {mnuHelpAbout, &frmOrvelModel::mnuHelpAbout_Click},
      {mnuSimulationPause, &frmOrvelModel::mnuSimulationPause_Click},
      {mnuSimulationStep, &frmOrvelModel::mnuSimulationStep_Click},
      {mnuSimulationRestart, &frmOrvelModel::mnuSimulationRestart_Click},
      {mnuViewLab, &frmOrvelModel::mnuViewLab_Click},
      {mnuViewLargeView, &frmOrvelModel::mnuViewLargeView_Click},
      {mnuViewInteractions, &frmOrvelModel::mnuViewInteractions_Click},
      {mnuViewExperiments, &frmOrvelModel::mnuViewExperiments_Click},
      {mnuFileOpenExperiment, &frmOrvelModel::mnuFileOpenExperiment_Click},
      {mnuFileExportWorksheet, &frmOrvelModel::mnuFileExportWorksheet_Click},
      {mnuFileExportPicture, &frmOrvelModel::mnuFileExportPicture_Click}};
  for (const auto &[action, handler] : entries)
    connect(action, &QAction::triggered, this, handler);
  connect(mnuOptionsFollowAmbient, &QAction::toggled, this,
          &frmOrvelModel::mnuOptionsFollowAmbient_Click);
  connect(speedGroup, &QActionGroup::triggered, this, &frmOrvelModel::mnuSimulationSpeed_Click);
}

void frmOrvelModel::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (!activatedOnce) {
    activatedOnce = true;
    Form_Activate();
  }
}

void frmOrvelModel::closeEvent(QCloseEvent *event) {
  Form_Unload();
  event->accept();
}

void frmOrvelModel::mnuHelpAbout_Click() {
  if (splash == nullptr)
    splash = new frmSplash(this);
  splash->exec();
  // Closing the About box makes this the active window again.
  activateWindow();
  Form_Activate();
}

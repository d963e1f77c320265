// Start-up, activation and shut-down of the main window.
#include "run_folder_fixture.h"

#include "frm_splash.h"
#include "hotspot.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "shape_widget.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

using StartUp = RunFolderTest;

TEST_F(StartUp, OpensWithTheDefaultLatticeAndTheSummerMorningTemperature) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(f.windowTitle(), "Tessivo");
  EXPECT_EQ(f.centralWidget()->size(), QSize(575, 543));
  EXPECT_EQ(f.StatusBar1->panelText(1), "Run Time");
  EXPECT_EQ(f.StatusBar1->panelText(2), "FPS");
  EXPECT_EQ(f.StatusBar1->panelText(3), "# Atoms : 250");
  EXPECT_EQ(f.StatusBar1->panelText(4), "Temperature: 98.5 F");
  EXPECT_EQ(f.StatusBar1->panelText(5), "Simulation");
  // The time-of-day update ran first; the defaults then set the engine to 200.
  EXPECT_NEAR(Pavex::MD_get_temperature(), 200.0, 1e-9);
  EXPECT_DOUBLE_EQ(ModDornDll::temperature, 200.0);
  EXPECT_EQ(ModDornDll::numAtoms, 250);
  EXPECT_FALSE(f.Timer1->isActive());
  EXPECT_EQ(f.Timer1->interval(), 5);
  EXPECT_EQ(f.HScroll1->value(), 30);
  EXPECT_EQ(f.VScrollSeason->value(), 1);
  EXPECT_EQ(f.lblSeason->text(), "Season");
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(StartUp, ControlsSitAtTheirDesignedPlaces) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(f.PicMain->geometry(), QRect(16, 0, 546, 318));
  EXPECT_EQ(f.PicMain->scaleWidth(), 542);
  EXPECT_EQ(f.PicMain->scaleHeight(), 314);
  EXPECT_EQ(f.PicAtoms->geometry(), QRect(16, 320, 254, 193));
  EXPECT_EQ(f.HScroll1->geometry(), QRect(368, 448, 81, 17));
  EXPECT_EQ(f.VScrollSeason->geometry(), QRect(352, 344, 17, 41));
  EXPECT_EQ(f.StatusBar1->geometry(), QRect(0, 518, 575, 25));
  EXPECT_EQ(f.Shape2->geometry().top(), 387); // the tube starts a fifth of the column above it
  EXPECT_FALSE(f.picTmp->isVisible());
  EXPECT_FALSE(f.PicAtomSprite->isVisible());
  EXPECT_EQ(f.StatusBar1->panel(4)->width(), 125);
  EXPECT_EQ(f.StatusBar1->panel(2)->toolTip(), "Screen Update (Frames Per Second)");
  // Hotspots lie inside the landscape's frame, 2 pixels in.
  EXPECT_EQ(f.hotspotSand->geometry(), QRect(2, 250, 121, 65));
  EXPECT_EQ(f.hotspotRock->toolTip(), "View Solid Dark Rock");
  EXPECT_EQ(f.hotspotCloud->toolTip(), "View Cloud");
}

TEST_F(StartUp, FirstActivationBuildsTheAtomViewOnce) {
  frmOrvelModel &f = openWindow();
  ASSERT_TRUE(FormInspector::surfacesBuilt(f));
  const raster::HDC background = FormInspector::backgroundHdc(f);
  EXPECT_NE(background, 0);
  EXPECT_NE(FormInspector::frameHdc(f), 0);
  f.Form_Activate();
  EXPECT_EQ(FormInspector::backgroundHdc(f), background);
}

TEST_F(StartUp, MissingMouseIconStopsTheStartWithAMessage) {
  removeFile(QStringLiteral("bitmaps/eye.ico"));
  frmOrvelModel f;
  EXPECT_FALSE(f.Form_Load());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("eye.ico")));
  EXPECT_TRUE(messages[0].contains(QDir::currentPath() + QStringLiteral("/bitmaps")));
}

TEST_F(StartUp, MissingEngineLibraryStopsTheStartWithAMessage) {
  const std::string engine = Pavex::libraryPath();
  Pavex::useLibrary(path(QStringLiteral("libPavex.so")).toStdString());
  {
    frmOrvelModel f;
    int fatal = 0;
    QObject::connect(&f, &frmOrvelModel::fatalError, [&fatal] { ++fatal; });
    EXPECT_FALSE(f.Form_Load());
    EXPECT_TRUE(f.failed());
    EXPECT_EQ(fatal, 1);
  }
  Pavex::useLibrary(engine);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("libPavex.so")));
  EXPECT_TRUE(messages[0].contains(path(QString())));
}

TEST_F(StartUp, MissingSunPictureIsReportedOnceAndTheWindowRunsOnWithoutSun) {
  removeFile(QStringLiteral("bitmaps/sun-orange.bmp"));
  frmOrvelModel &f = openWindow();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("sun-orange.bmp")));
  EXPECT_EQ(fatalErrors, 0);
  const QImage landscape = f.PicMain->image();
  f.HScroll1->setValue(50);
  f.Form_Activate();
  EXPECT_EQ(f.PicMain->image(), landscape); // nothing drawn, nothing broken
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(f.StatusBar1->panelText(4), "Temperature: 110.0 F"); // the controls still work
}

TEST_F(StartUp, MissingAtomPictureIsFatal) {
  removeFile(QStringLiteral("bitmaps/atom3.bmp"));
  openWindow();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("atom3.bmp")));
  EXPECT_EQ(fatalErrors, 1);
}

TEST_F(StartUp, AboutBoxClosedWithOkReactivatesTheWindow) {
  frmOrvelModel &f = openWindow();
  f.HScroll1->setValue(80); // orange sun
  QString version;
  QTimer::singleShot(0, [&version] {
    auto *about = qobject_cast<frmSplash *>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    version = about->lblVersion->text();
    about->cmdOK->click();
  });
  f.PicMain->clear(); // the activation must draw the sun again
  f.mnuHelpAbout->trigger();
  EXPECT_EQ(version, "Version 1.0");
  EXPECT_EQ(FormInspector::sunFrame(f), 2);
  const QImage picture = f.PicMain->image();
  EXPECT_EQ(QColor(picture.pixel(qRound(FormInspector::sunX(f)), qRound(FormInspector::sunY(f)))),
            kOrangeSun);
}

TEST_F(StartUp, UnloadReleasesTheSurfacesOnceAndTerminationFreesTheEngine) {
  const int before = raster::LiveHandleCount();
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  ASSERT_TRUE(f.Timer1->isActive());
  const int live = raster::LiveHandleCount();
  f.mnuExit->trigger(); // closes the window
  EXPECT_EQ(raster::LiveHandleCount(), live - 4);
  EXPECT_EQ(FormInspector::backgroundHdc(f), 0);
  EXPECT_FALSE(f.Timer1->isActive());
  std::vector<double> engineCoordinates(3 * 64);
  EXPECT_GT(Pavex::MD_return_coordinates(engineCoordinates.data()), 0); // unload keeps the engine
  window.reset();
  EXPECT_EQ(raster::LiveHandleCount(), before); // sprites and picture boxes went with it
  EXPECT_EQ(Pavex::MD_return_coordinates(engineCoordinates.data()), 0); // its atoms are freed
}

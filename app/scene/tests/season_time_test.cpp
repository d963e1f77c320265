// Season and time of day: ambient temperature, engine temperature, sun and
// thermometer.
#include "run_folder_fixture.h"

#include "panel_status_bar.h"
#include "picture_box.h"
#include "scenario/engine_binding.h"
#include "scenario/mod_dorn_dll.h"
#include "shape_widget.h"

#include <QLabel>
#include <QScrollBar>

namespace {

struct DayCase {
  int season; // 1 summer, 2 winter
  int timeOfDay;
  const char *panel;
  double temperature; // kelvin handed to the engine
  double sunX;
  double sunY;
  int sunImage;     // 1 red, 2 orange, 3 yellow
  int columnTop;    // pixels
  int columnHeight; // pixels
};

// PicMain draws on 542 x 314 pixels; the column's designed lower edge is at 467.
const DayCase kDays[] = {
    {1, 0, "Temperature: 50.0 F", 283.0, 0.0, 157.0, 1, 437, 30},
    {1, 30, "Temperature: 98.5 F", 309.958, 162.6, 42.726, 3, 407, 60},
    {1, 50, "Temperature: 110.0 F", 316.333, 271.0, 15.7, 3, 400, 67},
    {1, 100, "Temperature: 50.1 F", 283.053, 542.0, 156.775, 1, 436, 31},
    {2, 0, "Temperature: 00.0 F", 255.222, 0.0, 157.0, 1, 467, 0},
    {2, 50, "Temperature: 50.0 F", 283.0, 271.0, 78.5, 3, 400, 67},
};

class SeasonAndTime : public RunFolderTest, public testing::WithParamInterface<DayCase> {
protected:
  QColor sunColour(int image) const {
    return image == 1 ? kRedSun : image == 2 ? kOrangeSun : kYellowSun;
  }
};

} // namespace

TEST_P(SeasonAndTime, SetTemperatureSunAndThermometer) {
  const DayCase &day = GetParam();
  frmOrvelModel &f = openWindow();
  f.VScrollSeason->setValue(day.season);
  f.HScroll1->setValue(day.timeOfDay == 50 ? 51 : 50); // so that the next setting is a change
  f.HScroll1->setValue(day.timeOfDay);

  EXPECT_EQ(f.StatusBar1->panelText(4), day.panel);
  EXPECT_NEAR(ModDornDll::temperature, day.temperature, 1e-3);
  EXPECT_NEAR(Pavex::MD_get_temperature(), day.temperature, 1e-3);
  EXPECT_NEAR(FormInspector::sunX(f), day.sunX, 1e-3);
  EXPECT_NEAR(FormInspector::sunY(f), day.sunY, 1e-3);
  EXPECT_EQ(FormInspector::sunFrame(f), day.sunImage);
  const QPoint centre(std::min(qRound(day.sunX), 541), qRound(day.sunY));
  EXPECT_EQ(QColor(f.PicMain->image().pixel(centre)), sunColour(day.sunImage));
  EXPECT_EQ(f.Shape1->geometry().top(), day.columnTop);
  EXPECT_EQ(f.Shape1->geometry().height(), day.columnHeight);
}

INSTANTIATE_TEST_SUITE_P(SummerAndWinter, SeasonAndTime, testing::ValuesIn(kDays));

using SunImages = RunFolderTest;

TEST_F(SunImages, ChangeExactlyAtTheirThresholds) {
  frmOrvelModel &f = openWindow();
  const std::pair<int, int> thresholds[] = {{9, 1},  {10, 2}, {29, 2}, {30, 3},
                                            {70, 3}, {71, 2}, {90, 2}, {91, 1}};
  for (const auto &[timeOfDay, image] : thresholds) {
    f.HScroll1->setValue(timeOfDay);
    EXPECT_EQ(FormInspector::sunFrame(f), image) << "time of day " << timeOfDay;
  }
}

TEST_F(SunImages, MovingTheSunRestoresTheLandscapeBehindIt) {
  frmOrvelModel &f = openWindow();
  f.PicMain->clear();
  const QImage landscape = f.PicMain->image();
  f.HScroll1->setValue(50);
  f.HScroll1->setValue(30);
  f.HScroll1->setValue(0); // the sun now sits at the left edge
  const QImage picture = f.PicMain->image();
  EXPECT_EQ(picture.pixel(271, 16), landscape.pixel(271, 16));
  EXPECT_EQ(picture.pixel(163, 43), landscape.pixel(163, 43));
  EXPECT_EQ(QColor(picture.pixel(0, 157)), kRedSun);
}

TEST_F(SunImages, FirstActivationDrawsTheSunOfTheStartTime) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(FormInspector::sunFrame(f), 3); // time of day 30: yellow
  EXPECT_EQ(QColor(f.PicMain->image().pixel(163, 43)), kYellowSun);
}

TEST_F(SunImages, ReactivationDrawsTheSunWhereTheTimeOfDayPutsIt) {
  frmOrvelModel &f = openWindow();
  f.HScroll1->setValue(15); // orange, low in the morning
  f.PicMain->clear();
  const int live = raster::LiveHandleCount();
  f.Form_Activate();
  EXPECT_EQ(raster::LiveHandleCount(), live); // the reloaded sun images replace the old ones
  EXPECT_EQ(FormInspector::sunFrame(f), 2);
  const QPoint centre(qRound(FormInspector::sunX(f)), qRound(FormInspector::sunY(f)));
  EXPECT_EQ(QColor(f.PicMain->image().pixel(centre)), kOrangeSun);
}

TEST_F(SunImages, SeasonAloneMovesTheSunAndChangesPictureAndLabel) {
  frmOrvelModel &f = openWindow();
  const double summerY = FormInspector::sunY(f);
  f.VScrollSeason->setValue(2);
  EXPECT_EQ(f.lblSeason->text(), "Winter");
  EXPECT_EQ(f.ImageSeason->pixmap().cacheKey(), f.ImageListSeason.picture(2).cacheKey());
  EXPECT_GT(FormInspector::sunY(f), summerY); // a lower winter sun
  EXPECT_EQ(f.StatusBar1->panelText(4), "Temperature: 40.4 F");
  f.VScrollSeason->setValue(1);
  EXPECT_EQ(f.lblSeason->text(), "Summer");
  EXPECT_DOUBLE_EQ(FormInspector::sunY(f), summerY);
}

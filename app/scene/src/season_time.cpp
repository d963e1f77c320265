// Season and time of day: the ambient temperature on a half sine over the
// day, handed to the engine, shown in the status bar and on the thermometer,
// and the sun moving over the landscape along the same curve.
#include "frm_orvel_model.h"

#include "caption_fit.h"
#include "number_format.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "scenario/mod_dorn_dll.h"
#include "shape_widget.h"
#include "sprites/sprite.h"
#include "unit_text.h"

#include <QLabel>
#include <QScrollBar>

#include <cmath>

namespace {

// The day runs over half a period of a sine computed with 3.14 for pi, so
// that the evening temperature lies just above the morning one.
constexpr double kHalfTurn = 3.14;

struct Season {
  double sunAmplitude; // share of the upper half of the picture the sun climbs
  float maxF;
  float minF;
};
constexpr Season kSummer{0.9, 110.0f, 50.0f};
constexpr Season kWinter{0.5, 50.0f, 0.0f};

} // namespace

void frmOrvelModel::VScrollSeason_Change() {
  const int v = VScrollSeason->value();
  ImageSeason->setPixmap(ImageListSeason.picture(v));
  lblSeason->setText(ImageListSeason.caption(v, staticMetaObject.className()));
  scene::fitCaption(lblSeason);
  runGuarded([this] {
    updateAmbient();
    placeSun();
    drawThermometer();
  });
}

void frmOrvelModel::HScroll1_Change() {
  runGuarded([this] {
    updateAmbient();
    placeSun();
    drawThermometer();
  });
}

void frmOrvelModel::updateAmbient() {
  double amplitude = 0.0;
  const Season *season = VScrollSeason->value() == 1   ? &kSummer
                         : VScrollSeason->value() == 2 ? &kWinter
                                                       : nullptr;
  if (season != nullptr) {
    amplitude = season->sunAmplitude;
    seasonMaxF = season->maxF;
    seasonMinF = season->minF;
  }
  const double v = HScroll1->value();
  const double m = HScroll1->maximum();
  const double s = std::sin(v * kHalfTurn / m);
  sunX = v / m * PicMain->scaleWidth();
  const double h = PicMain->scaleHeight();
  sunY = h - (h / 2 * s * amplitude + h / 2);
  ambientF = static_cast<float>((seasonMaxF - seasonMinF) * s + seasonMinF);
  showAmbient();
  setTemperatureFromF(ambientF);
  controller.ambientChanged(ModDornDll::temperature);
}

// The fourth status-bar panel in the chosen unit; degrees Fahrenheit as the
// season and time of day give them unless another unit is chosen. The
// thermometer tells a screen reader the same.
void frmOrvelModel::showAmbient() {
  using analysis::TemperatureUnit;
  const double shown =
      unit == TemperatureUnit::Fahrenheit
          ? ambientF
          : analysis::fromKelvin(analysis::toKelvin(ambientF, TemperatureUnit::Fahrenheit), unit);
  const QString text =
      tr("Temperature: %1 %2").arg(scene::formatNumber(shown, 2, 1), lab::unitLetterText(unit));
  StatusBar1->setPanelText(4, text);
  Shape1->setAccessibleDescription(text);
}

void frmOrvelModel::setTemperatureFromF(float f) {
  ModDornDll::temperature = analysis::toKelvin(f, analysis::TemperatureUnit::Fahrenheit);
}

int frmOrvelModel::sunImageFor(int timeOfDay) const {
  if ((timeOfDay >= 0 && timeOfDay <= 9) || (timeOfDay >= 91 && timeOfDay <= 100))
    return sunRedFrame;
  if ((timeOfDay >= 10 && timeOfDay <= 29) || (timeOfDay >= 71 && timeOfDay <= 90))
    return sunOrangeFrame;
  if (timeOfDay >= 30 && timeOfDay <= 70)
    return sunYellowFrame;
  return 0;
}

void frmOrvelModel::placeSun() {
  const int image = sunImageFor(HScroll1->value());
  if (image == 0 || !sunSprite)
    return;
  sunSprite->erase_sprite(PicMain->hDC(), sunFrame);
  sunSprite->place_sprite(PicMain->hDC(), static_cast<float>(sunX), static_cast<float>(sunY),
                          image);
  sunFrame = static_cast<std::int16_t>(image);
  PicMain->refresh();
}

void frmOrvelModel::drawThermometer() {
  const float h = ambientF / seasonMaxF * static_cast<float>(thermoHeight);
  QRectF column = Shape1->twipsGeometry();
  column.setTop(thermoBase - (h + static_cast<float>(thermoHeight)));
  column.setHeight(h);
  Shape1->setTwipsGeometry(column);
}

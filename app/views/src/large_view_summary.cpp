#include "large_view_summary.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <numbers>

namespace views {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// A zoom this close to 1 reads as the first size.
constexpr double kSameZoom = 0.005;

QString atomsText(const ViewContent &content) {
  const QLocale locale = shownLocale();
  int total = 0;
  QStringList parts;
  for (const MaterialCount &material : content.materials) {
    total += material.atoms;
    parts << QCoreApplication::translate("views::LargeView", "%1: %2 (%3)")
                 .arg(material.name, locale.toString(material.atoms), material.colour);
  }
  parts.prepend(QCoreApplication::translate("views::LargeView", "Atoms shown: %1")
                    .arg(locale.toString(total)));
  return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString turnText(const Camera &camera) {
  const long yaw = std::lround(camera.yaw * kDegreesPerRadian);
  const long pitch = std::lround(camera.pitch * kDegreesPerRadian);
  QStringList sentences;
  if (yaw == 0 && pitch == 0)
    sentences << QCoreApplication::translate("views::LargeView", "Seen from the front.");
  if (yaw != 0)
    sentences << (yaw > 0
                      ? QCoreApplication::translate("views::LargeView", "Turned %1° to the right.")
                      : QCoreApplication::translate("views::LargeView", "Turned %1° to the left."))
                     .arg(std::labs(yaw));
  if (pitch != 0)
    sentences << (pitch > 0
                      ? QCoreApplication::translate("views::LargeView", "Tipped %1° toward you.")
                      : QCoreApplication::translate("views::LargeView",
                                                    "Tipped %1° away from you."))
                     .arg(std::labs(pitch));
  if (std::abs(camera.zoom - 1.0) > kSameZoom)
    sentences << QCoreApplication::translate("views::LargeView",
                                             "Shown %1 times as large as at first.")
                     .arg(shownLocale().toString(camera.zoom, 'f', 2));
  return sentences.join(QLatin1Char(' '));
}

QString colouringText(const ViewContent &content) {
  if (content.by == Colouring::Material)
    return QCoreApplication::translate("views::LargeView", "Coloured by material.");
  const QString sentence =
      content.ramp == SpeedRamp::BlueToYellow
          ? QCoreApplication::translate(
                "views::LargeView",
                "Coloured by speed, from blue for the slowest (%1) through grey to yellow for the "
                "fastest (%2).")
          : QCoreApplication::translate(
                "views::LargeView",
                "Coloured by speed, from blue for the slowest (%1) through green to red for the "
                "fastest (%2).");
  return sentence.arg(content.slowest, content.fastest);
}

} // namespace

QString largeViewSummary(const ViewContent &content, const Camera &camera) {
  const QString keys = QCoreApplication::translate(
      "views::LargeView", "Arrow keys turn the box, + and - zoom, Home shows the front view, C "
                          "colours by speed or by material.");
  if (!content.drawn)
    return QCoreApplication::translate("views::LargeView", "No atoms are shown.") +
           QLatin1Char(' ') + keys;
  return QStringList{atomsText(content), turnText(camera), colouringText(content), keys}.join(
      QLatin1Char(' '));
}

} // namespace views

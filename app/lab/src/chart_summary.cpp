#include "chart_summary.h"

#include <QChart>
#include <QCoreApplication>
#include <QLocale>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace lab {

namespace {

constexpr int kSummaryDigits = 4;

QString valueText(double value, const QString &unit) {
  return unit.isEmpty() ? summaryNumber(value) : summaryNumber(value) + QLatin1Char(' ') + unit;
}

// The axis's title and range: "Steps: 0 to 20,000".
QString axisText(const QAbstractAxis &axis, Qt::Orientation orientation) {
  double low = 0.0;
  double high = 0.0;
  if (const auto *values = qobject_cast<const QValueAxis *>(&axis)) {
    low = values->min();
    high = values->max();
  } else if (const auto *logarithmic = qobject_cast<const QLogValueAxis *>(&axis)) {
    low = logarithmic->min();
    high = logarithmic->max();
  } else {
    return QString();
  }
  const QString title = !axis.titleText().isEmpty() ? axis.titleText()
                        : orientation == Qt::Horizontal
                            ? QCoreApplication::translate("lab::ChartSummary", "Horizontal axis")
                            : QCoreApplication::translate("lab::ChartSummary", "Vertical axis");
  return QCoreApplication::translate("lab::ChartSummary", "%1: %2 to %3", "axis: range")
      .arg(title, summaryNumber(low), summaryNumber(high));
}

bool level(const QList<QPointF> &points) {
  return std::all_of(points.begin(), points.end(),
                     [&](const QPointF &p) { return p.y() == points.front().y(); });
}

QString seriesText(const QXYSeries &series, const ChartUnits &units) {
  const QList<QPointF> points = series.points();
  const QString name = series.name();
  if (points.isEmpty())
    return QCoreApplication::translate("lab::ChartSummary", "%1: no values yet").arg(name);
  const QPointF last = points.back();
  const QString y = valueText(last.y(), units.y);
  const QString x = valueText(last.x(), units.x);
  if (points.size() == 1)
    return QCoreApplication::translate("lab::ChartSummary", "%1: %2 at %3", "series: y at x")
        .arg(name, y, x);
  if (qobject_cast<const QScatterSeries *>(&series)) // two points or more
    return QCoreApplication::translate("lab::ChartSummary", "%1: %2 points")
        .arg(name, QLocale().toString(qlonglong(points.size())));
  if (level(points))
    return QCoreApplication::translate("lab::ChartSummary", "%1: %2 throughout").arg(name, y);
  return QCoreApplication::translate("lab::ChartSummary", "%1: latest %2 at %3",
                                     "series: latest y at x")
      .arg(name, y, x);
}

QString sentence(const QStringList &parts) {
  return QCoreApplication::translate("lab::ChartSummary", "%1.", "a sentence")
      .arg(parts.join(QCoreApplication::translate("lab::ChartSummary", "; ", "list separator")));
}

} // namespace

QString summaryNumber(double value) {
  if (value == 0.0 || !std::isfinite(value))
    return QLocale().toString(value, 'g', kSummaryDigits);
  // Rounded through its decimal text, so that the shortest form of the
  // rounded number has no stray digits.
  const double rounded = QString::number(value, 'g', kSummaryDigits).toDouble();
  return QLocale().toString(rounded, 'f', QLocale::FloatingPointShortest);
}

QString chartSummary(const QChart &chart, const ChartUnits &units) {
  QStringList axes;
  for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical})
    for (const QAbstractAxis *axis : chart.axes(orientation))
      if (const QString text = axisText(*axis, orientation); !text.isEmpty())
        axes.append(text);
  QStringList series;
  for (const QAbstractSeries *each : chart.series())
    if (const auto *xy = qobject_cast<const QXYSeries *>(each); xy && xy->isVisible())
      series.append(seriesText(*xy, units));
  QStringList sentences;
  if (!chart.title().isEmpty())
    sentences.append(sentence({chart.title()}));
  if (!axes.isEmpty())
    sentences.append(sentence(axes));
  if (!series.isEmpty())
    sentences.append(sentence(series));
  return sentences.join(QLatin1Char(' '));
}

} // namespace lab

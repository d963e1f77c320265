// A graph in words: numbers rounded to four digits in the reader's locale,
// each axis with its range, a line's latest value or its level, a scatter's
// count, and a series without values yet.
#include "chart_summary.h"

#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

// The default locale for one test, put back afterwards.
class LocaleFor {
public:
  explicit LocaleFor(QLocale::Language language) { QLocale::setDefault(QLocale(language)); }
  ~LocaleFor() { QLocale::setDefault(before_); }

private:
  QLocale before_;
};

template <typename Series>
Series *addSeries(QChart &chart, const QString &name, const QList<QPointF> &points) {
  auto *series = new Series;
  series->setName(name);
  series->append(points);
  chart.addSeries(series);
  for (QAbstractAxis *axis : chart.axes())
    series->attachAxis(axis);
  return series;
}

void addAxes(QChart &chart, const QString &x, const QString &y) {
  auto *horizontal = new QValueAxis;
  horizontal->setTitleText(x);
  horizontal->setRange(0.0, 20000.0);
  auto *vertical = new QValueAxis;
  vertical->setTitleText(y);
  vertical->setRange(250.0, 350.0);
  chart.addAxis(horizontal, Qt::AlignBottom);
  chart.addAxis(vertical, Qt::AlignLeft);
}

} // namespace

TEST(SummaryNumber, FourDigitsAtMostWithoutTrailingZerosInTheLocale) {
  const LocaleFor english(QLocale::English);
  EXPECT_EQ(lab::summaryNumber(0.0), QStringLiteral("0"));
  EXPECT_EQ(lab::summaryNumber(20000.0), QStringLiteral("20,000"));
  EXPECT_EQ(lab::summaryNumber(301.2345), QStringLiteral("301.2"));
  EXPECT_EQ(lab::summaryNumber(250.0), QStringLiteral("250"));
  EXPECT_EQ(lab::summaryNumber(-8.3145), QStringLiteral("-8.315"));
  EXPECT_EQ(lab::summaryNumber(0.0001234567), QStringLiteral("0.0001235"));
  const LocaleFor german(QLocale::German);
  EXPECT_EQ(lab::summaryNumber(20000.0), QStringLiteral("20.000"));
  EXPECT_EQ(lab::summaryNumber(301.2345), QStringLiteral("301,2"));
}

TEST(ChartSummary, TellsTheAxesAndEachLinesLatestValueOrItsLevel) {
  const LocaleFor english(QLocale::English);
  QChart chart;
  addAxes(chart, QStringLiteral("Steps"), QStringLiteral("Temperature (K)"));
  addSeries<QLineSeries>(chart, QStringLiteral("Measured"), {{11000.0, 298.0}, {12000.0, 301.23}});
  addSeries<QLineSeries>(chart, QStringLiteral("Thermostat"), {{11000.0, 300.0}, {12000.0, 300.0}});
  addSeries<QLineSeries>(chart, QStringLiteral("Ramp"), {});
  EXPECT_EQ(lab::chartSummary(chart, {QStringLiteral("steps"), QStringLiteral("K")}),
            QStringLiteral("Steps: 0 to 20,000; Temperature (K): 250 to 350. Measured: latest "
                           "301.2 K at 12,000 steps; Thermostat: 300 K throughout; Ramp: no "
                           "values yet."));
}

TEST(ChartSummary, TellsTheTitleAScattersCountAndASinglePointAndSkipsHiddenSeries) {
  const LocaleFor english(QLocale::English);
  QChart chart;
  chart.setTitle(QStringLiteral("water measured on the model"));
  addAxes(chart, QString(), QString());
  addSeries<QScatterSeries>(chart, QStringLiteral("liquid"), {{1.0, 300.0}, {2.0, 310.0}});
  addSeries<QScatterSeries>(chart, QStringLiteral("Your state point"), {{998.2, 296.04}});
  addSeries<QScatterSeries>(chart, QStringLiteral("hidden"), {{1.0, 1.0}})->setVisible(false);
  EXPECT_EQ(lab::chartSummary(chart, {QStringLiteral("kg/m\u00b3"), QStringLiteral("K")}),
            QStringLiteral("water measured on the model. Horizontal axis: 0 to 20,000; Vertical "
                           "axis: 250 to 350. liquid: 2 points; Your state point: 296 K at 998.2 "
                           "kg/m\u00b3."));
}

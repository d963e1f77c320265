#include "chart_view.h"

#include "appearance/appearance.h"

#include <QLocale>
#include <QPainter>

namespace lab {

namespace {
constexpr qreal kFocusFrameWidth = 2.0; // pixels
} // namespace

ChartView::ChartView(QChart *chart, const QString &name, QWidget *parent)
    : QChartView(chart, parent) {
  setRenderHint(QPainter::Antialiasing);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(name);
  viewport()->setAccessibleName(name);
  // The axes' numbers in the reader's locale, without group separators as
  // the ordinary labels have none.
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  chart->setLocale(locale);
  chart->setLocalizeNumbers(true);
}

QString ChartView::summary() const { return chartSummary(*chart(), units_); }

void ChartView::followAppearance() {
  if (ordinary_)
    return;
  ordinary_ = lookOf(*chart());
  connect(&appearance::Appearance::instance(), &appearance::Appearance::changed, this,
          &ChartView::showAppearance, Qt::UniqueConnection);
  showAppearance();
}

void ChartView::showAppearance() {
  const bool high = appearance::Appearance::instance().highContrast();
  applyLook(*chart(), high ? highContrastLook(*ordinary_) : *ordinary_);
  emit lookChanged();
}

void ChartView::focusInEvent(QFocusEvent *event) {
  QChartView::focusInEvent(event);
  viewport()->update();
}

void ChartView::focusOutEvent(QFocusEvent *event) {
  QChartView::focusOutEvent(event);
  viewport()->update();
}

void ChartView::drawForeground(QPainter *painter, const QRectF &rect) {
  QChartView::drawForeground(painter, rect);
  if (!hasFocus())
    return;
  const qreal inset = kFocusFrameWidth / 2.0;
  painter->setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(sceneRect().adjusted(inset, inset, -inset, -inset));
}

} // namespace lab

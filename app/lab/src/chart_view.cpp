#include "chart_view.h"

#include "appearance/appearance.h"

#include <QLocale>

namespace lab {

ChartView::ChartView(QChart *chart, const QString &name, QWidget *parent)
    : QChartView(chart, parent) {
  setRenderHint(QPainter::Antialiasing);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(name);
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

} // namespace lab

// The Lab in high contrast: the window's palette and every graph, the phase
// diagrams' too, readable on black (4.5:1 at least), also for a Lab opened
// in high contrast; and the ordinary look back exactly when it is off.
#include "lab_window_fixture.h"

#include "appearance/appearance.h"
#include "chart_look.h"
#include "chart_view.h"
#include "phase_diagram.h"
#include "phase_diagram_tab.h"
#include "phase_legend.h"

#include <QChart>
#include <QLabel>
#include <QLegend>
#include <QXYSeries>

namespace {

constexpr double kReadable = 4.5;

void expectReadable(const QColor &colour, const QColor &background, const QString &what) {
  EXPECT_GE(appearance::contrastRatio(colour, background), kReadable)
      << what.toStdString() << ": " << colour.name().toStdString() << " on "
      << background.name().toStdString();
}

void expectReadable(const QChart &chart) {
  const QColor background = chart.backgroundBrush().color();
  expectReadable(chart.titleBrush().color(), background, QStringLiteral("title"));
  expectReadable(chart.legend()->labelBrush().color(), background, QStringLiteral("legend"));
  for (const QAbstractAxis *axis : chart.axes()) {
    expectReadable(axis->labelsBrush().color(), background, axis->titleText());
    expectReadable(axis->titleBrush().color(), background, axis->titleText());
    expectReadable(axis->linePen().color(), background, axis->titleText());
  }
  for (const QAbstractSeries *series : chart.series()) {
    const auto *xy = qobject_cast<const QXYSeries *>(series);
    ASSERT_NE(xy, nullptr);
    expectReadable(xy->pen().color(), background, xy->name());
    if (xy->brush().style() != Qt::NoBrush)
      expectReadable(xy->brush().color(), background, xy->name());
  }
}

// High contrast for one test, off again whatever the test found.
class HighContrastLab : public LabWindowTest {
protected:
  void SetUp() override {
    LabWindowTest::SetUp();
    lab->phaseDiagram->mapFolder = QStringLiteral(CORVANTA_RESOURCES_DIR "/phase-maps");
    load(shippedScenario(QStringLiteral("liquid.ams")));
    tick(10);
    lab->refresh();
    ASSERT_EQ(lab->phaseDiagram->diagrams.size(), 1u);
    ASSERT_NE(lab->phaseDiagram->diagrams[0], nullptr);
  }
  void TearDown() override {
    appearance::Appearance::instance().setHighContrast(false);
    LabWindowTest::TearDown();
  }
  static void setHighContrast(bool on) { appearance::Appearance::instance().setHighContrast(on); }

  QList<lab::ChartView *> views() const { return lab->findChildren<lab::ChartView *>(); }
  std::vector<lab::ChartLook> looks() const {
    std::vector<lab::ChartLook> all;
    for (const lab::ChartView *view : views())
      all.push_back(lab::lookOf(*view->chart()));
    return all;
  }
  QImage legendPicture() const {
    return lab->phaseDiagram->diagrams[0]->legend->findChild<QLabel *>()->pixmap().toImage();
  }
};

} // namespace

TEST_F(HighContrastLab, EveryGraphIsReadableOnBlackAndTheOrdinaryLookComesBack) {
  const QPalette palette = lab->palette();
  const std::vector<lab::ChartLook> ordinary = looks();
  const QImage legend = legendPicture();
  ASSERT_EQ(views().size(), 6) << "four graphs and the phase diagram's two";

  setHighContrast(true);
  EXPECT_EQ(lab->palette().color(QPalette::Window),
            appearance::highContrastPalette().color(QPalette::Window));
  EXPECT_EQ(lab->palette().color(QPalette::WindowText),
            appearance::highContrastPalette().color(QPalette::WindowText));
  for (const lab::ChartView *view : views()) {
    SCOPED_TRACE(view->accessibleName().toStdString());
    EXPECT_EQ(view->chart()->backgroundBrush().color(), appearance::high_contrast::kBackground);
    expectReadable(*view->chart());
  }
  EXPECT_NE(legendPicture(), legend) << "the legend shows the marks as the charts draw them";

  setHighContrast(false);
  EXPECT_EQ(lab->palette(), palette);
  EXPECT_TRUE(looks() == ordinary);
  EXPECT_EQ(legendPicture(), legend);
}

TEST_F(HighContrastLab, ALabOpenedInHighContrastStartsInItAndLeavesItForTheOrdinaryLook) {
  const std::vector<lab::ChartLook> ordinary = looks();
  setHighContrast(true);
  openLab();
  lab->phaseDiagram->mapFolder = QStringLiteral(CORVANTA_RESOURCES_DIR "/phase-maps");
  load(shippedScenario(QStringLiteral("liquid.ams")));
  lab->refresh();
  for (const lab::ChartView *view : views())
    expectReadable(*view->chart());
  setHighContrast(false);
  EXPECT_TRUE(looks() == ordinary);
}

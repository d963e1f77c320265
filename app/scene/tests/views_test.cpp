// The large view and the Interactions window beside the main window: opened
// from the View menu, they draw what the loop fetched without calling the
// engine, keep their turn over a scenario change, and export pictures.
#include "run_folder_fixture.h"

#include "analysis/atom_frame.h"
#include "interactions_window.h"
#include "large_view_canvas.h"
#include "large_view_window.h"
#include "pair_chart.h"
#include "picture_box.h"
#include "picture_export.h"

#include <QAction>
#include <QFile>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTest>

namespace {

class Views : public RunFolderTest {
protected:
  views::LargeViewWindow &openLargeView(frmOrvelModel &f) {
    f.mnuViewLargeView->trigger();
    return *f.largeViewWindow();
  }
};

// Every material pair of the shipped two-material scenario, in place of the
// test folder's one-material file.
void useShippedSolidLiquid(const QString &path) {
  QFile::remove(path);
  ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANTA_RESOURCES_DIR "/solid-liquid.ams"), path));
}

} // namespace

TEST_F(Views, TheLargeViewOpensFromTheViewMenuAndDrawsTheLatestFrame) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(f.mnuViewLargeView->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
  views::LargeViewWindow &large = openLargeView(f);
  EXPECT_TRUE(large.isVisible());
  f.mnuOptionsLiquid->trigger();
  f.Timer1_Timer();
  large.redraw();
  EXPECT_EQ(large.canvas->picture().size(), large.canvas->size());
  EXPECT_GE(large.redrawInterval(), 1);
  EXPECT_EQ(large.colourBySpeed->shortcut(), QKeySequence(Qt::Key_C));
  large.colourBySpeed->trigger();
  EXPECT_EQ(large.colouring(), views::Colouring::Speed);
  f.Timer1_Timer();
  EXPECT_EQ(f.simulation().atomSpeeds().size(), std::size_t{kLiquidAtoms})
      << "speeds are tracked while the view shows them";
  large.close();
  f.Timer1_Timer();
  EXPECT_TRUE(f.simulation().atomSpeeds().empty()) << "closed, the view costs the loop nothing";
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Views, TurnAndZoomLastOverAScenarioChangeAndDoubleClickGivesTheFrontView) {
  frmOrvelModel &f = openWindow();
  views::LargeViewWindow &large = openLargeView(f);
  f.mnuOptionsLiquid->trigger();
  QTest::keyClick(large.canvas, Qt::Key_Left);
  QTest::mousePress(large.canvas, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(large.canvas, QPoint(140, 90));
  large.canvas->zoomBy(2.0);
  const views::Camera turned = large.canvas->camera();
  EXPECT_NE(turned.yaw, 0.0);
  EXPECT_NE(turned.pitch, 0.0);
  f.mnuOptionsSolid->trigger();
  large.redraw();
  EXPECT_EQ(large.canvas->camera().yaw, turned.yaw);
  EXPECT_EQ(large.canvas->camera().zoom, 2.0);
  QTest::mouseDClick(large.canvas, Qt::LeftButton);
  EXPECT_EQ(large.canvas->camera().yaw, 0.0);
  EXPECT_EQ(large.canvas->camera().pitch, 0.0);
  EXPECT_EQ(large.canvas->camera().zoom, 1.0);
}

TEST_F(Views, TheInteractionsWindowShowsEveryPairWithItsWellCutOffAndDistances) {
  useShippedSolidLiquid(path(QStringLiteral("solid-liquid.ams")));
  frmOrvelModel &f = openWindow();
  f.mnuOptionSolidLiquid->trigger();
  f.mnuViewInteractions->trigger();
  views::InteractionsWindow &window = *f.interactionsWindow();
  ASSERT_EQ(window.pairs->count(), 3) << "two materials make three pairs";
  EXPECT_EQ(window.pairs->tabText(1), QStringLiteral("red \u2013 blue"));
  const analysis::AtomFrame frame = f.simulation().atomFrame();
  for (int tab = 0; tab < 3; ++tab) {
    window.pairs->setCurrentIndex(tab);
    const auto *chart = window.shownChart();
    const double *pair = analysis::pairOf(frame, chart->typeA(), chart->typeB());
    ASSERT_EQ(chart->well->count(), 1);
    EXPECT_NEAR(chart->well->at(0).x(), analysis::minimumDistance(pair), 1e-9);
    EXPECT_EQ(chart->cutOff->at(0).x(), pair[3]);
    // Without a card: whole model units of length, and kelvin.
    EXPECT_TRUE(chart->cutOff->name().contains(QString::number(pair[3], 'f', 0)));
    EXPECT_TRUE(chart->well->name().contains(QString::number(chart->well->at(0).y(), 'f', 0)));
  }
  window.pairs->setCurrentIndex(0);
  const auto before = window.shownChart()->distribution->points();
  EXPECT_FALSE(before.isEmpty());
  for (int tick = 0; tick < 50; ++tick)
    f.Timer1_Timer();
  window.refresh();
  EXPECT_NE(window.shownChart()->distribution->points(), before) << "the histogram is live";
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Views, PicturesAreSavedAsPngAtTheViewsSize) {
  frmOrvelModel &f = openWindow();
  f.mnuOptionsLiquid->trigger();
  const QString small = path(QStringLiteral("atom-view.png"));
  EXPECT_EQ(views::savePicture(f.PicAtoms->grab().toImage(), small), QString());
  EXPECT_EQ(QImage(small).size(), QSize(254, 193));
  views::LargeViewWindow &large = openLargeView(f);
  large.resize(700, 500);
  large.redraw();
  const QString big = path(QStringLiteral("large-view.png"));
  EXPECT_EQ(views::savePicture(large.canvas->picture(), big), QString());
  EXPECT_EQ(QImage(big).size(), large.canvas->size());
  EXPECT_NE(views::savePicture(large.canvas->picture(), path(QStringLiteral("no/such/dir.png"))),
            QString());
  EXPECT_NE(views::savePicture(QImage(), path(QStringLiteral("empty.png"))), QString());
  EXPECT_EQ(large.exportPicture->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

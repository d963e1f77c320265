// Every caption of the window shows whole in its designed box, whatever the
// season, the scenario or the figures in the status bar.
#include "run_folder_fixture.h"

#include "caption_fit.h"
#include "panel_status_bar.h"

#include <QLabel>
#include <QScrollBar>

using Captions = RunFolderTest;

namespace {

void expectEveryCaptionFits(const frmOrvelModel &f, const char *when) {
  int checked = 0;
  for (const QLabel *label : f.findChildren<QLabel *>()) {
    if (label->text().isEmpty() || !label->isVisibleTo(&f))
      continue;
    ++checked;
    EXPECT_TRUE(scene::captionFits(label))
        << when << ": \"" << label->text().toStdString() << "\" is "
        << QFontMetricsF(label->font()).horizontalAdvance(label->text()) << " wide in a box of "
        << label->contentsRect().width();
  }
  EXPECT_GE(checked, 9) << when; // four captions and five panels at least
}

} // namespace

TEST_F(Captions, EveryCaptionFitsItsBox) {
  frmOrvelModel &f = openWindow();
  expectEveryCaptionFits(f, "at start");
  EXPECT_EQ(f.Label4->text(), "Morning");
  EXPECT_EQ(f.Label4->geometry(), QRect(320, 448, 41, 17)) << "the designed box stays";
  f.VScrollSeason->setValue(2);
  expectEveryCaptionFits(f, "in winter");
  f.VScrollSeason->setValue(1);
  f.mnuOptionSolidLiquid->trigger();
  for (int tick = 0; tick < 11; ++tick)
    f.Timer1_Timer();
  f.StatusBar1->setPanelText(3, QStringLiteral("# Atoms : 10922"));
  expectEveryCaptionFits(f, "running");
}

TEST_F(Captions, ALongerTextShrinksTheFontAndAShorterOneGivesItBack) {
  frmOrvelModel &f = openWindow();
  f.VScrollSeason->setValue(2);
  const double winter = f.lblSeason->font().pointSizeF();
  f.lblSeason->setText(QStringLiteral("Midsummer"));
  scene::fitCaption(f.lblSeason);
  EXPECT_LT(f.lblSeason->font().pointSizeF(), winter);
  EXPECT_TRUE(scene::captionFits(f.lblSeason));
  f.lblSeason->setText(QStringLiteral("Winter"));
  scene::fitCaption(f.lblSeason);
  EXPECT_EQ(f.lblSeason->font().pointSizeF(), winter);
}

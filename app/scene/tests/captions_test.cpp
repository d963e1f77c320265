// Every caption of the window shows whole in its designed box, whatever the
// season, the scenario or the figures in the status bar; every text the
// user reads goes through Qt's translation, put together from translated
// parts; every control has a name a screen reader reads, and Tab reaches
// the controls in reading order.
#include "run_folder_fixture.h"

#include "../../about/tests/marking_translator.h"
#include "appearance/appearance.h"
#include "caption_fit.h"
#include "hotspot.h"
#include "i18n/languages.h"
#include "i18n/translations.h"
#include "number_format.h"
#include "panel_status_bar.h"
#include "picture_box.h"
#include "settings/settings.h"
#include "shape_widget.h"
#include "unit_text.h"

#include <QAccessible>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include <algorithm>

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

// Every caption fits at start, in winter and with a large scenario running,
// whose status panels hold their widest figures.
void expectCaptionsFitAllDay(frmOrvelModel &f, const std::string &language) {
  expectEveryCaptionFits(f, (language + " at start").c_str());
  EXPECT_EQ(f.Label4->geometry(), QRect(320, 448, 41, 17)) << "the designed box stays";
  f.VScrollSeason->setValue(2);
  expectEveryCaptionFits(f, (language + " in winter").c_str());
  f.VScrollSeason->setValue(1);
  f.mnuOptionSolidLiquid->trigger();
  for (int tick = 0; tick < 11; ++tick)
    f.Timer1_Timer();
  f.StatusBar1->setPanelText(3, frmOrvelModel::tr("# Atoms : %1").arg(10922));
  expectEveryCaptionFits(f, (language + " running").c_str());
}

} // namespace

TEST_F(Captions, EveryCaptionFitsItsBox) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(f.Label4->text(), "Morning");
  expectCaptionsFitAllDay(f, "English");
}

// Each shipped translation shows every caption whole, by the rule of the
// English ones; run again at twice the scale with the other captions' tests.
TEST_F(Captions, EveryCaptionFitsInEveryShippedLanguage) {
  const QLocale before;
  QCoreApplication &app = *QCoreApplication::instance();
  settings::setLanguage(QString()); // the language of the locale given below
  for (const i18n::Language &language : i18n::shippedLanguages()) {
    if (language.code == i18n::englishCode())
      continue;
    ASSERT_EQ(i18n::installTranslations(app, QLocale(language.code), i18n::builtInFolders()),
              language.code);
    frmOrvelModel &f = openWindow();
    EXPECT_NE(f.Label4->text(), "Morning") << "the translation is in force";
    expectCaptionsFitAllDay(f, language.code.toStdString());
    window.reset();
  }
  i18n::installTranslations(app, QLocale::c(), i18n::builtInFolders());
  QLocale::setDefault(before);
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

// The window built while every text comes back marked by the translator.
class TranslatedWindow : public RunFolderTest {
protected:
  static QString marked(const char *text) { return MarkingTranslator::marked(text); }
  static bool isMarked(const QString &text) { return MarkingTranslator::isMarked(text); }

  const MarkingTranslator marking;
};

namespace {

// The menus' entries the user reads, submenus included, but not the entries
// of `files` (they name files); separators have no text.
QList<const QAction *> menuEntries(const QWidget *menu, const QMenu *files) {
  QList<const QAction *> entries;
  for (const QAction *entry : menu->actions()) {
    if (entry->isSeparator())
      continue;
    entries << entry;
    if (const QMenu *submenu = entry->menu(); submenu != nullptr && submenu != files)
      entries << menuEntries(submenu, files);
  }
  return entries;
}

// Options > Language names each language in its own words, never translated.
bool namesALanguage(const QAction *entry) {
  const QString code = entry->data().toString();
  const QList<i18n::Language> languages = i18n::shippedLanguages();
  return std::any_of(languages.begin(), languages.end(),
                     [&code](const i18n::Language &language) { return language.code == code; });
}

// A text the user reads came through the translator; an empty one is none.
void expectTranslated(const QString &text) {
  EXPECT_TRUE(text.isEmpty() || MarkingTranslator::isMarked(text)) << text.toStdString();
}

} // namespace

TEST_F(TranslatedWindow, MenusCaptionsAndTipsGoThroughTranslation) {
  frmOrvelModel &f = openWindow();
  const QList<const QAction *> entries = menuEntries(f.menuBar(), f.mnuFileRecent);
  EXPECT_GE(entries.size(), 40);
  for (const QAction *entry : entries) {
    if (namesALanguage(entry))
      continue;
    EXPECT_TRUE(isMarked(entry->text())) << entry->text().toStdString();
    expectTranslated(entry->toolTip());
    expectTranslated(entry->statusTip());
  }
  for (const QLabel *label : f.findChildren<QLabel *>()) {
    expectTranslated(label->text());
    expectTranslated(label->toolTip());
  }
  for (const QWidget *control : f.centralWidget()->findChildren<QWidget *>()) {
    expectTranslated(control->accessibleName());
    expectTranslated(control->accessibleDescription());
  }
  EXPECT_EQ(f.windowTitle(), "Tessivo") << "the product's name is the same in every language";
}

TEST_F(TranslatedWindow, StatusTextsPutTranslatedPartsTogether) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(f.StatusBar1->panelText(3), marked("# Atoms : %1").arg(250));
  EXPECT_EQ(f.StatusBar1->panelText(4),
            marked("Temperature: %1 %2")
                .arg(QStringLiteral("98.5"), lab::unitLetterText(f.temperatureUnit())));
  f.hotspotWater_Click();
  EXPECT_EQ(f.StatusBar1->panelText(5), marked("Simulation: %1").arg(marked("Liquid")));
  f.mnuOptionSolidGas->trigger();
  EXPECT_EQ(f.StatusBar1->panelText(5), marked("Simulation: %1").arg(marked("Solid-Gas")));
  f.mnuSimulationPause->trigger();
  EXPECT_EQ(f.StatusBar1->panelText(2), marked("Paused"));
  EXPECT_EQ(f.mnuSimulationPause->text(), marked("&Resume"));
  f.VScrollSeason->setValue(2);
  EXPECT_EQ(f.lblSeason->text(), marked("Winter"));
  // A file's name is shown as it is, even one that looks like a placeholder.
  writeScenario(path(QStringLiteral("Lake %1.ams")), kGasAtoms);
  ASSERT_TRUE(f.openScenarioFile(path(QStringLiteral("Lake %1.ams"))));
  EXPECT_EQ(f.StatusBar1->panelText(5), marked("Simulation: %1").arg(QStringLiteral("Lake %1")));
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(TranslatedWindow, MessagesGoThroughTranslation) {
  removeFile(QStringLiteral("bitmaps/sun-red.bmp"));
  frmOrvelModel &f = openWindow();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(QStringLiteral("\u00ABA picture of the sun cannot be read:\n"
                                                    "\u00ABThe picture file ")))
      << messages[0].toStdString();
  removeFile(QStringLiteral("liquid.ams"));
  f.hotspotWater_Click();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[1].startsWith(QStringLiteral("\u00ABThe scenario cannot be loaded:")))
      << messages[1].toStdString();
  EXPECT_TRUE(messages[1].contains(QStringLiteral("\u00AB\n\nFolders searched: ")))
      << messages[1].toStdString();
}

using ScreenReader = RunFolderTest;

TEST_F(ScreenReader, EveryControlShownHasAName) {
  frmOrvelModel &f = openWindow();
  int named = 0;
  for (QWidget *control : f.centralWidget()->findChildren<QWidget *>()) {
    // The keyboard's focus frame around the atom view is no control of its own.
    if (!control->isVisibleTo(&f) || control->inherits("scene::FocusRing"))
      continue;
    QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(reading, nullptr);
    EXPECT_FALSE(reading->text(QAccessible::Name).isEmpty())
        << control->metaObject()->className() << " at " << control->x() << "," << control->y();
    ++named;
  }
  EXPECT_GE(named, 25); // seven places, the landscape, atoms, bars, labels, shapes, panels
}

TEST_F(ScreenReader, PlacesAreNamedForWhatTheyShowAndDescribedByTheirTooltip) {
  frmOrvelModel &f = openWindow();
  const std::pair<scene::Hotspot *, const char *> places[] = {
      {f.hotspotGas, "Air"},
      {f.hotspotCloud, "Cloud"},
      {f.hotspotSand, "Sand"},
      {f.hotspotWater, "Water"},
      {f.hotspotLiquidGas, "Water and air"},
      {f.hotspotSolidLiquid, "Water and rock"},
      {f.hotspotRock, "Dark rock"}};
  for (const auto &[place, name] : places) {
    EXPECT_EQ(place->accessibleName(), name);
    EXPECT_EQ(place->accessibleDescription(), place->toolTip()) << name;
  }
  EXPECT_EQ(f.hotspotRock->accessibleDescription(), "View Solid Dark Rock");
  EXPECT_EQ(f.Shape1->accessibleName(), "Thermometer");
}

TEST_F(ScreenReader, SeasonAndThermometerTellWhatTheyShow) {
  frmOrvelModel &f = openWindow();
  EXPECT_EQ(f.ImageSeason->accessibleName(), "Summer");
  EXPECT_EQ(f.VScrollSeason->accessibleDescription(), "Summer or winter; now Summer");
  EXPECT_EQ(f.Shape1->accessibleDescription(), f.StatusBar1->panelText(4));
  f.VScrollSeason->setValue(2);
  EXPECT_EQ(f.ImageSeason->accessibleName(), "Winter");
  EXPECT_EQ(f.VScrollSeason->accessibleDescription(), "Summer or winter; now Winter");
  EXPECT_EQ(f.Shape1->accessibleDescription(), f.StatusBar1->panelText(4))
      << "the thermometer follows the season";
  f.setTemperatureUnit(analysis::TemperatureUnit::Celsius);
  EXPECT_EQ(f.Shape1->accessibleDescription(), f.StatusBar1->panelText(4)) << "and the unit chosen";
}

TEST_F(ScreenReader, TabGoesThroughThePlacesInReadingOrderThenTheAtomsAndTheBars) {
  frmOrvelModel &f = openWindow();
  const QList<QWidget *> expected = {
      f.hotspotGas,         f.hotspotCloud, f.hotspotSand, f.hotspotWater,  f.hotspotLiquidGas,
      f.hotspotSolidLiquid, f.hotspotRock,  f.PicAtoms,    f.VScrollSeason, f.HScroll1};
  QList<QWidget *> order;
  QWidget *next = expected.front();
  do {
    if (expected.contains(next))
      order << next;
    next = next->nextInFocusChain();
  } while (next != expected.front());
  EXPECT_EQ(order, expected);
}

namespace {

// The letter after the single '&' of a caption, lower case; none without one.
QChar accessKey(const QString &caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&')
      continue;
    if (caption[i + 1] != u'&')
      return caption[i + 1].toLower();
    ++i; // "&&" writes an ampersand
  }
  return {};
}

void expectDistinctAccessKeys(const QMenu *menu) {
  QList<QChar> keys;
  for (const QAction *entry : menu->actions()) {
    if (entry->isSeparator())
      continue;
    const QChar key = accessKey(entry->text());
    EXPECT_FALSE(key.isNull()) << entry->text().toStdString() << " has no access key";
    EXPECT_FALSE(keys.contains(key)) << entry->text().toStdString() << " repeats a key";
    keys << key;
    if (const QMenu *submenu = entry->menu())
      expectDistinctAccessKeys(submenu);
  }
}

// Puts the appearance back as the other tests expect it.
struct AppearanceRestorer {
  ~AppearanceRestorer() {
    appearance::Appearance::instance().setHighContrast(false);
    appearance::Appearance::instance().setSpeedColours(appearance::SpeedColours::BlueToRed);
  }
};

} // namespace

using AppearanceMenu = RunFolderTest;

TEST_F(AppearanceMenu, EveryMenuOfTheBarHasDistinctAccessKeys) {
  frmOrvelModel &f = openWindow();
  for (const QMenu *menu : {f.mnuFile, f.mnuOptions, f.mnuSimulation, f.mnuView, f.mnuHelp})
    expectDistinctAccessKeys(menu);
}

TEST_F(AppearanceMenu, HighContrastEntrySwitchesTheAppearanceAndFollowsIt) {
  const AppearanceRestorer restorer;
  appearance::Appearance &looks = appearance::Appearance::instance();
  looks.setHighContrast(false);
  frmOrvelModel &f = openWindow();
  auto *entry = f.mnuView->findChild<QAction *>(QStringLiteral("mnuViewHighContrast"));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->text(), "&High Contrast");
  EXPECT_TRUE(entry->isCheckable());
  EXPECT_FALSE(entry->isChecked());
  entry->trigger();
  EXPECT_TRUE(looks.highContrast());
  EXPECT_TRUE(entry->isChecked());
  looks.setHighContrast(false); // as the Lab's own switch would
  EXPECT_FALSE(entry->isChecked());
}

TEST_F(AppearanceMenu, SpeedColoursAreTwoExclusiveChoices) {
  const AppearanceRestorer restorer;
  appearance::Appearance &looks = appearance::Appearance::instance();
  looks.setSpeedColours(appearance::SpeedColours::BlueToYellow);
  frmOrvelModel &f = openWindow();
  auto *colours = f.mnuView->findChild<QAction *>(QStringLiteral("mnuViewSpeedColours"));
  ASSERT_NE(colours, nullptr);
  ASSERT_NE(colours->menu(), nullptr);
  const QList<QAction *> choices = colours->menu()->actions();
  ASSERT_EQ(choices.size(), 2);
  QAction *red = choices[0];
  QAction *yellow = choices[1];
  EXPECT_EQ(red->text(), "Blue to &Red");
  EXPECT_FALSE(red->isChecked()) << "the remembered choice is checked at start";
  EXPECT_TRUE(yellow->isChecked());
  red->trigger();
  EXPECT_EQ(looks.speedColours(), appearance::SpeedColours::BlueToRed);
  EXPECT_TRUE(red->isChecked());
  EXPECT_FALSE(yellow->isChecked());
  looks.setSpeedColours(appearance::SpeedColours::BlueToYellow);
  EXPECT_FALSE(red->isChecked());
  EXPECT_TRUE(yellow->isChecked());
}

// Figures in the status bar are written as the user's language writes them,
// with no thousands separator, which would read as a decimal mark.
TEST(StatusFigures, FollowTheDefaultLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(scene::formatNumber(98.52, 2, 1), "98,5");
  EXPECT_EQ(scene::formatNumber(7.254, 2, 2), "07,25");
  EXPECT_EQ(scene::formatNumber(-3.5, 2, 1), "-03,5");
  EXPECT_EQ(scene::formatNumber(1234.5, 2, 1), "1234,5");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(scene::formatNumber(1234.5, 2, 1), "1234.5");
  EXPECT_EQ(scene::formatNumber(0.0, 2, 1), "00.0");
  QLocale::setDefault(before);
}

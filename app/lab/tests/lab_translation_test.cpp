// Every text a reader meets in the Lab goes through Qt's translation: with
// a translation that marks each text it gives, nothing in the Lab is left
// in plain English but unit symbols, numbers and the card's own data.
#include "lab_window_fixture.h"

#include "chart_view.h"
#include "marking_translator.h"
#include "phase_diagram_tab.h"
#include "series_charts.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QChart>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QXYSeries>

using Lab = LabWindowTest;

namespace {

// Symbols that stay as they are in every language, and the chemical
// symbols of the shipped cards.
const QRegularExpression kSymbols(
    QStringLiteral("\u00b0[FC]|kg/m\u00b3|\\b(kPa|atm|kJ/mol|ps|pm|fs|K|u|O|N|Si|CSV)\\b"));
const QRegularExpression kMarked(QStringLiteral("\u00ab[^\u00ab\u00bb]*\u00bb"));
const QRegularExpression kMarkup(QStringLiteral("<[^>]*>"));

// Whether the text holds words that did not come through the translation.
bool untranslated(QString text) {
  text.remove(kMarkup);
  for (qsizetype before = -1; before != text.size();) {
    before = text.size();
    text.remove(kMarked); // the innermost marks first: translations hold others
  }
  text.remove(kSymbols);
  return text.contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

QStringList widgetTexts(const QWidget &w) {
  QStringList texts{w.toolTip(), w.accessibleName(), w.accessibleDescription()};
  if (const auto *label = qobject_cast<const QLabel *>(&w))
    texts << label->text();
  if (const auto *button = qobject_cast<const QAbstractButton *>(&w))
    texts << button->text();
  if (const auto *group = qobject_cast<const QGroupBox *>(&w))
    texts << group->title();
  if (const auto *box = qobject_cast<const QAbstractSpinBox *>(&w))
    texts << box->property("suffix").toString();
  if (const auto *tabs = qobject_cast<const QTabWidget *>(&w))
    for (int tab = 0; tab < tabs->count(); ++tab)
      texts << tabs->tabText(tab);
  if (const auto *view = qobject_cast<const lab::ChartView *>(&w)) {
    texts << view->chart()->title() << view->summary();
    for (const QAbstractAxis *axis : view->chart()->axes())
      texts << axis->titleText();
    for (const QAbstractSeries *series : view->chart()->series())
      texts << series->name();
  }
  return texts;
}

QStringList untranslatedTexts(QWidget &window) {
  QStringList found;
  QList<QWidget *> widgets = window.findChildren<QWidget *>();
  widgets.prepend(&window);
  for (const QWidget *w : widgets)
    for (const QString &text : widgetTexts(*w))
      if (untranslated(text))
        found << QStringLiteral("%1: %2").arg(QString::fromLatin1(w->metaObject()->className()),
                                              text);
  found.removeDuplicates();
  return found;
}

} // namespace

TEST(UntranslatedTexts, AreToldFromMarkedOnesSymbolsAndNumbers) {
  EXPECT_FALSE(untranslated(QStringLiteral("\u00abTemperature: %1\u00bb 300 K")));
  EXPECT_FALSE(untranslated(QStringLiteral("\u00ab\u00abTemperature\u00bb: 300.0 K\u00bb")));
  EXPECT_FALSE(untranslated(QStringLiteral("<b>\u00abMelts\u00bb</b> 32 \u00b0F, 101.3 kPa")));
  EXPECT_TRUE(untranslated(QStringLiteral("Temperature: 300 K")));
  EXPECT_TRUE(untranslated(QStringLiteral("\u00abTemperature\u00bb steps")));
}

TEST_F(Lab, EveryTextWithACardGoesThroughTheTranslation) {
  const MarkingTranslator translation;
  openLab();
  lab->phaseDiagram->mapFolder = QStringLiteral(CORVANTA_RESOURCES_DIR "/phase-maps");
  load(shippedScenario(QStringLiteral("solid-liquid.ams")));
  controller.setLidTarget(0.9);
  tick(10);
  lab->refreshWithPhasesMeasured();
  for (int tab = 0; tab < lab->charts->count(); ++tab)
    lab->charts->setCurrentIndex(tab);
  const QStringList found = untranslatedTexts(*lab);
  EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Lab, EveryTextWithoutACardGoesThroughTheTranslation) {
  const MarkingTranslator translation;
  openLab();
  load(testScenario(QStringLiteral("liquid.ams")));
  tick(10);
  lab->refreshWithPhasesMeasured();
  for (int tab = 0; tab < lab->charts->count(); ++tab)
    lab->charts->setCurrentIndex(tab);
  const QStringList found = untranslatedTexts(*lab);
  EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

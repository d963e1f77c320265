#include "worksheet.h"

#include "experiments/checks.h"
#include "lesson_language.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <functional>

namespace guide {

namespace {

// A chart spans the text width of an A4 page at most, is never enlarged past
// its size on screen (that would only blur it), and a tall one is kept short
// enough to share its page with its step's lines.
constexpr double kChartMaxWidthCm = 16.0;
constexpr double kChartMaxHeightCm = 20.0;
constexpr double kPageMarginMm = 20.0;
constexpr double kMmPerInch = 25.4;
constexpr double kCmPerInch = 2.54;
constexpr double kStandardPixelsPerInch = 96.0;

const QString kMissing = QStringLiteral("\u2014");

// Black on white at sizes that read well on paper. Both the HTML file and the
// PDF's QTextDocument understand these rules; margins are in pixels because
// QTextDocument reads no other unit for them.
const QString kStyle = QStringLiteral(
    "body { font-family: 'DejaVu Sans', Arial, sans-serif; font-size: 11pt; color: #000; "
    "background: #fff; }\n"
    "h1 { font-size: 18pt; margin-bottom: 8px; }\n"
    "h2 { font-size: 13pt; margin-top: 24px; margin-bottom: 4px; }\n"
    "p { margin-top: 3px; margin-bottom: 3px; }\n"
    ".question { font-style: italic; }\n"
    ".verdict { font-weight: bold; }\n");

// Only the HTML file is shown in a browser: a column of page width there, and
// charts that shrink with a narrow window and stay whole when printed.
const QString kBrowserStyle =
    QStringLiteral("@page { size: A4; margin: 2cm; }\n"
                   "body { max-width: 17cm; margin: 1.5cm auto; padding: 0 0.5cm; }\n"
                   "img.chart { max-width: 100%; height: auto; break-inside: avoid; }\n");

// Turns a step's chart into markup; the HTML file embeds the image, the PDF
// names a resource of its document.
using ChartMarkup = std::function<QString(int stepNumber, const QImage &chart)>;

QString escaped(const QString &text) {
  return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

// A lesson's text, in the student's language.
QString escaped(const std::string &text) { return escaped(lessonText(text)); }

QString paragraph(const QString &cssClass, const QString &html) {
  return QStringLiteral("<p class=\"%1\">%2</p>\n").arg(cssClass, html);
}

QString labelled(const QString &label, const QString &text) {
  return QStringLiteral("<p>%1: <b>%2</b></p>\n").arg(label, escaped(text));
}

double chartWidthCm(const QImage &chart) {
  const QSizeF size = chart.deviceIndependentSize();
  const double onScreenCm = size.width() / kStandardPixelsPerInch * kCmPerInch;
  return std::min({kChartMaxWidthCm, onScreenCm, kChartMaxHeightCm * size.width() / size.height()});
}

QByteArray pngBytes(const QImage &image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QString embeddedChart(int stepNumber, const QImage &chart) {
  return QStringLiteral("<p><img class=\"chart\" src=\"data:image/png;base64,%1\" "
                        "alt=\"Chart of step %2\" style=\"width: %3cm\"></p>\n")
      .arg(QString::fromLatin1(pngBytes(chart).toBase64()), QString::number(stepNumber),
           QString::number(chartWidthCm(chart), 'f', 1));
}

// A QTextDocument without a paint device of its own turns points into the
// primary screen's logical pixels, and print() scales those to the PDF; the
// page size and the charts' widths are given in the same pixels.
double layoutPixelsPerInch() {
  const QScreen *screen = QGuiApplication::primaryScreen();
  if (!screen || QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
    return kStandardPixelsPerInch;
  return qRound(screen->logicalDotsPerInchY());
}

ChartMarkup documentChart(QTextDocument &document) {
  return [&document](int stepNumber, const QImage &chart) {
    const QString name = QStringLiteral("chart-%1.png").arg(stepNumber);
    document.addResource(QTextDocument::ImageResource, QUrl(name), chart);
    const int width = qRound(chartWidthCm(chart) / kCmPerInch * layoutPixelsPerInch());
    return QStringLiteral("<p><img src=\"%1\" width=\"%2\"></p>\n")
        .arg(name, QString::number(width));
  };
}

QString headingHtml(const WorksheetContent &content) {
  const QString student = QString::fromStdString(content.record.student);
  return QStringLiteral("<h1>%1</h1>\n").arg(escaped(content.experiment.title)) +
         labelled(QCoreApplication::translate("guide::Worksheet", "Name"),
                  student.trimmed().isEmpty() ? kMissing : student) +
         labelled(QCoreApplication::translate("guide::Worksheet", "Date"),
                  QLocale().toString(content.date, QLocale::LongFormat));
}

QString choicesHtml(const experiments::Question &question) {
  QStringList choices;
  for (const std::string &choice : question.choices)
    choices << escaped(choice);
  return paragraph(QStringLiteral("choices"),
                   QCoreApplication::translate("guide::Worksheet", "Choices: ") +
                       choices.join(QCoreApplication::translate("guide::Worksheet", " \u00b7 ")));
}

QString stepHtml(const WorksheetContent &content, std::size_t index, const ChartMarkup &chart) {
  const experiments::Step &step = content.experiment.steps[index];
  const experiments::StepRecord recorded =
      index < content.record.steps.size() ? content.record.steps[index] : experiments::StepRecord{};
  const WorksheetStep extra = index < content.steps.size() ? content.steps[index] : WorksheetStep{};
  const int number = int(index) + 1;

  QString html =
      QStringLiteral("<h2>%1. %2</h2>\n").arg(QString::number(number), escaped(step.title));
  if (step.question) {
    html += paragraph(QStringLiteral("question"), escaped(step.question->text));
    if (!step.question->choices.empty())
      html += choicesHtml(*step.question);
  }
  if (step.question || recorded.answer)
    html += labelled(QCoreApplication::translate("guide::Worksheet", "Your answer"),
                     valueText(recorded.answer));
  if (step.measurement || recorded.measured)
    html += labelled(QCoreApplication::translate("guide::Worksheet", "Measured"),
                     valueText(recorded.measured));
  if (content.experiment.checksOn && !extra.verdict.isEmpty())
    html += paragraph(QStringLiteral("verdict"), escaped(extra.verdict));
  if (!extra.chart.isNull())
    html += chart(number, extra.chart);
  return html;
}

QString documentHtml(const WorksheetContent &content, const QString &extraStyle,
                     const ChartMarkup &chart) {
  QString title = lessonText(content.experiment.title);
  if (!content.record.student.empty())
    title += QStringLiteral(" \u2014 ") + QString::fromStdString(content.record.student);
  QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
                                "<meta charset=\"utf-8\">\n<title>%1</title>\n"
                                "<style>\n%2%3</style>\n</head>\n<body>\n")
                     .arg(escaped(title), kStyle, extraStyle);
  html += headingHtml(content);
  for (std::size_t index = 0; index < content.experiment.steps.size(); ++index)
    html += stepHtml(content, index, chart);
  return html + QStringLiteral("</body>\n</html>\n");
}

QString failure(const QString &path, const QString &reason) {
  return QCoreApplication::translate("guide::Worksheet",
                                     "The worksheet could not be written to %1: %2")
      .arg(QDir::toNativeSeparators(path), reason);
}

// Renames the finished file over its final place, or reports why not.
QString committed(QSaveFile &file, const QString &path) {
  if (file.commit())
    return {};
  return failure(path, file.errorString());
}

QPageLayout a4Layout() {
  const QMarginsF margins(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm);
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins,
                     QPageLayout::Millimeter);
}

// The document's pages are the paper's printable area in layout pixels, so
// that print() keeps the sizes the markup gives.
QSizeF layoutPageSize(const QPageLayout &layout) {
  const QSizeF millimetres = layout.paintRect(QPageLayout::Millimeter).size();
  return millimetres / kMmPerInch * layoutPixelsPerInch();
}

void printDocument(const WorksheetContent &content, QPdfWriter &writer) {
  writer.setPageLayout(a4Layout());
  writer.setTitle(lessonText(content.experiment.title));
  writer.setCreator(QCoreApplication::applicationName());
  QTextDocument document;
  document.setDocumentMargin(0);
  document.setPageSize(layoutPageSize(writer.pageLayout()));
  document.setHtml(documentHtml(content, {}, documentChart(document)));
  document.print(&writer);
}

} // namespace

QString valueText(const std::optional<experiments::Value> &value) {
  if (!value || (value->number && !std::isfinite(*value->number)))
    return kMissing;
  // A chosen answer is recorded as the lesson writes it, and shown in the
  // student's language.
  const std::string written = experiments::formatValue(*value);
  const QString text = value->number ? QString::fromStdString(written) : lessonText(written);
  return text.isEmpty() ? kMissing : text;
}

QString worksheetHtml(const WorksheetContent &content) {
  return documentHtml(content, kBrowserStyle, embeddedChart);
}

QString writeWorksheetHtml(const WorksheetContent &content, const QString &path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return failure(path, file.errorString());
  const QByteArray bytes = worksheetHtml(content).toUtf8();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return failure(path, reason);
  }
  return committed(file, path);
}

QString writeWorksheetPdf(const WorksheetContent &content, const QString &path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return failure(path, file.errorString());
  {
    // The PDF is complete once its writer is gone.
    QPdfWriter writer(&file);
    printDocument(content, writer);
  }
  return committed(file, path);
}

} // namespace guide

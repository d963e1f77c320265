#include "worksheet.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace {

using experiments::Value;

// Written into the chart so that its decoded copy can be told from any other
// image.
const QColor kChartMark(200, 30, 40);

// A melting experiment of three steps: a measured plateau with a number
// question and a check, a choice question without a measurement, and a step
// that only explains.
experiments::Experiment meltingExperiment() {
  experiments::Experiment experiment;
  experiment.title = "Melting argon";
  experiments::Step plateau;
  plateau.title = "Heat the crystal";
  plateau.measurement = experiments::Measurement{experiments::MeasureKind::Plateau, {60, 100}};
  plateau.question = experiments::Question{
      experiments::AnswerKind::Number, "At what temperature does the crystal melt?", "K", {}};
  plateau.checks.push_back(experiments::Check{});
  experiments::Step phase;
  phase.title = "Look at the atoms";
  phase.question = experiments::Question{experiments::AnswerKind::Choice,
                                         "What phase is left above the plateau?",
                                         "",
                                         {"solid", "liquid"}};
  experiments::Step closing;
  closing.title = "Cool it down again";
  experiment.steps = {plateau, phase, closing};
  return experiment;
}

experiments::Record meltingRecord() {
  experiments::Record record;
  record.student = "Ada Lovelace";
  record.steps.resize(3);
  record.steps[0].measured = Value{1958.734, "K", ""};
  record.steps[0].answer = Value{1950.0, "K", ""};
  record.steps[1].answer = Value{std::nullopt, "", "liquid <b>surely</b>"};
  return record;
}

QImage markedChart() {
  QImage chart(320, 200, QImage::Format_RGB32);
  chart.fill(Qt::white);
  QPainter painter(&chart);
  painter.fillRect(QRect(20, 20, 100, 60), kChartMark);
  return chart;
}

std::vector<guide::WorksheetStep> meltingSteps() {
  return {{QStringLiteral("Checked: within 5 % of the measured 1,959 K"), markedChart()},
          {QStringLiteral("Look again: the atoms still wander"), QImage()}};
}

QByteArray fileBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// The date is written in the program's locale; the cases below are written
// for US English.
class Worksheet : public testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  void TearDown() override { QLocale::setDefault(savedLocale_); }

  experiments::Experiment experiment_ = meltingExperiment();
  experiments::Record record_ = meltingRecord();
  guide::WorksheetContent content_{experiment_, record_, meltingSteps(), QDate(2025, 3, 14)};

private:
  QLocale savedLocale_;
};

TEST_F(Worksheet, ValuesAreWrittenWithTheirUnitsOrADash) {
  EXPECT_EQ(guide::valueText(Value{1958.734, "K", ""}), QStringLiteral("1,959 K"));
  EXPECT_EQ(guide::valueText(Value{std::nullopt, "", "solid and liquid"}),
            QStringLiteral("solid and liquid"));
  const QString dash = QStringLiteral("\u2014");
  EXPECT_EQ(guide::valueText(std::nullopt), dash);
  EXPECT_EQ(guide::valueText(Value{}), dash);
  EXPECT_EQ(guide::valueText(Value{std::numeric_limits<double>::quiet_NaN(), "K", ""}), dash);
  EXPECT_EQ(guide::valueText(Value{std::numeric_limits<double>::infinity(), "K", ""}), dash);
}

TEST_F(Worksheet, HtmlHoldsTheStudentsWork) {
  const QString html = guide::worksheetHtml(content_);
  EXPECT_TRUE(html.contains(QStringLiteral("<h1>Melting argon</h1>")));
  EXPECT_TRUE(html.contains(QStringLiteral("Ada Lovelace")));
  EXPECT_TRUE(html.contains(QStringLiteral("March 14, 2025")));
  EXPECT_TRUE(html.contains(QStringLiteral("1. Heat the crystal")));
  EXPECT_TRUE(html.contains(QStringLiteral("3. Cool it down again")));
  EXPECT_TRUE(html.contains(QStringLiteral("At what temperature does the crystal melt?")));
  EXPECT_TRUE(html.contains(QStringLiteral("What phase is left above the plateau?")));
  EXPECT_TRUE(html.contains(QStringLiteral("solid \u00b7 liquid")));
  EXPECT_TRUE(html.contains(QStringLiteral("Your answer: <b>1,950 K</b>")));
  EXPECT_TRUE(html.contains(QStringLiteral("Measured: <b>1,959 K</b>")));
  EXPECT_TRUE(html.contains(QStringLiteral("Checked: within 5 % of the measured 1,959 K")));
  EXPECT_TRUE(html.contains(QStringLiteral("Look again: the atoms still wander")));
  // The choice step measures nothing and the last step asks nothing.
  EXPECT_EQ(html.count(QStringLiteral("Measured:")), 1);
  EXPECT_EQ(html.count(QStringLiteral("Your answer:")), 2);
}

TEST_F(Worksheet, HtmlEscapesWhatTheStudentTyped) {
  record_.student = "<script>alert(1)</script>";
  record_.steps[1].answer = Value{std::nullopt, "", "first line & \"quoted\"\nsecond line"};
  const QString html = guide::worksheetHtml(content_);
  EXPECT_FALSE(html.contains(QStringLiteral("<script>")));
  EXPECT_TRUE(html.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt;")));
  EXPECT_TRUE(html.contains(QStringLiteral("first line &amp; &quot;quoted&quot;<br>second line")));

  record_.steps[1].answer = Value{std::nullopt, "", "liquid <b>surely</b>"};
  const QString bold = guide::worksheetHtml(content_);
  EXPECT_FALSE(bold.contains(QStringLiteral("<b>surely")));
  EXPECT_TRUE(bold.contains(QStringLiteral("liquid &lt;b&gt;surely&lt;/b&gt;")));
}

TEST_F(Worksheet, HtmlEmbedsTheChartAsPng) {
  const QString html = guide::worksheetHtml(content_);
  EXPECT_EQ(html.count(QStringLiteral("<img")), 1);
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("src=\"data:image/png;base64,([A-Za-z0-9+/=]+)\""))
          .match(html);
  ASSERT_TRUE(match.hasMatch());
  const QImage decoded =
      QImage::fromData(QByteArray::fromBase64(match.captured(1).toLatin1()), "PNG");
  ASSERT_FALSE(decoded.isNull());
  EXPECT_EQ(decoded.size(), markedChart().size());
  EXPECT_EQ(decoded.pixelColor(50, 50), kChartMark);
}

// A wide chart spans 16 cm, a small one keeps its size on screen (96 pixels
// to the inch) rather than blur, and a tall one is narrowed to stay 20 cm
// high.
TEST_F(Worksheet, ChartsAreSizedToThePage) {
  content_.steps = {{{}, QImage(1000, 500, QImage::Format_RGB32)},
                    {{}, QImage(192, 100, QImage::Format_RGB32)},
                    {{}, QImage(600, 1200, QImage::Format_RGB32)}};
  const QString html = guide::worksheetHtml(content_);
  EXPECT_TRUE(html.contains(QStringLiteral("alt=\"Chart of step 1\" style=\"width: 16.0cm\"")));
  EXPECT_TRUE(html.contains(QStringLiteral("alt=\"Chart of step 2\" style=\"width: 5.1cm\"")));
  EXPECT_TRUE(html.contains(QStringLiteral("alt=\"Chart of step 3\" style=\"width: 10.0cm\"")));
}

TEST_F(Worksheet, StepsPastTheRecordShowNothingRecorded) {
  record_.steps.resize(1);
  content_.steps.clear();
  const QString html = guide::worksheetHtml(content_);
  EXPECT_TRUE(html.contains(QStringLiteral("Your answer: <b>\u2014</b>")));
  EXPECT_TRUE(html.contains(QStringLiteral("Measured: <b>1,959 K</b>")));
  EXPECT_FALSE(html.contains(QStringLiteral("<img")));
  EXPECT_FALSE(html.contains(QStringLiteral("Look again")));
}

TEST_F(Worksheet, VerdictsAreLeftOutWhenChecksAreOff) {
  experiment_.checksOn = false;
  const QString html = guide::worksheetHtml(content_);
  EXPECT_FALSE(html.contains(QStringLiteral("Checked:")));
  EXPECT_FALSE(html.contains(QStringLiteral("Look again")));
  EXPECT_TRUE(html.contains(QStringLiteral("Your answer: <b>1,950 K</b>")));
}

TEST_F(Worksheet, PdfIsAnA4DocumentWithTheStudentsWork) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("worksheet.pdf"));
  ASSERT_EQ(guide::writeWorksheetPdf(content_, path), QString());
  const QByteArray bytes = fileBytes(path);
  ASSERT_TRUE(bytes.startsWith("%PDF"));
  const QString raw = QString::fromLatin1(bytes);
  EXPECT_TRUE(raw.contains(
      QRegularExpression(QStringLiteral("/MediaBox \\[0 0 595(\\.0+)? 842(\\.0+)?\\]"))));
  EXPECT_EQ(raw.count(QStringLiteral("/Subtype /Image")), 1);
  if (pdftotext.isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";

  QProcess process;
  process.start(pdftotext, {path, QStringLiteral("-")});
  ASSERT_TRUE(process.waitForFinished());
  ASSERT_EQ(process.exitCode(), 0);
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QStringLiteral("Ada Lovelace")));
  EXPECT_TRUE(text.contains(QStringLiteral("Melting argon")));
  EXPECT_TRUE(text.contains(QStringLiteral("liquid <b>surely</b>")));
  EXPECT_TRUE(text.contains(QStringLiteral("Measured: 1,959 K")));
  EXPECT_TRUE(text.contains(QStringLiteral("Look again: the atoms still wander")));
}

TEST_F(Worksheet, WritesIntoAMissingFolderFailAndLeaveNoFile) {
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("gone/worksheet"));
  using Writer = QString (*)(const guide::WorksheetContent &, const QString &);
  for (const Writer write : {Writer(guide::writeWorksheetHtml), Writer(guide::writeWorksheetPdf)}) {
    const QString message = write(content_, path);
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
  }
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// A name at the file system's limit leaves no room for the temporary file
// beside it, so the write fails after the file was found to exist; root
// ignores permissions, a name's length it cannot.
TEST_F(Worksheet, FailedWritesKeepTheFileThatWasThere) {
  constexpr int kLongestName = 255;
  const QTemporaryDir folder;
  const QString path = folder.filePath(QString(kLongestName, QLatin1Char('w')));
  const QByteArray earlier = "an earlier worksheet";
  writeFile(path, earlier);
  using Writer = QString (*)(const guide::WorksheetContent &, const QString &);
  for (const Writer write : {Writer(guide::writeWorksheetHtml), Writer(guide::writeWorksheetPdf)}) {
    const QString message = write(content_, path);
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
    EXPECT_EQ(fileBytes(path), earlier);
  }
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(Worksheet, WritesReplaceAnEarlierWorksheet) {
  const QTemporaryDir folder;
  const QString html = folder.filePath(QStringLiteral("worksheet.html"));
  const QString pdf = folder.filePath(QStringLiteral("worksheet.pdf"));
  writeFile(html, "an earlier worksheet");
  writeFile(pdf, "an earlier worksheet");
  ASSERT_EQ(guide::writeWorksheetHtml(content_, html), QString());
  ASSERT_EQ(guide::writeWorksheetPdf(content_, pdf), QString());
  EXPECT_EQ(QString::fromUtf8(fileBytes(html)), guide::worksheetHtml(content_));
  EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

} // namespace

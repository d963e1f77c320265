#include "experiment_window.h"

#include "answer_input.h"
#include "experiments/checks.h"
#include "lesson_language.h"
#include "measurement.h"
#include "verdict_text.h"
#include "worksheet_export.h"

#include <QAccessible>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace guide {

namespace {

// A lesson's text, in the student's language, as markup.
QString asHtml(const std::string &text) { return lessonText(text).toHtmlEscaped(); }

// Shows the text in a readout label and lets a screen reader hear it: the
// label's description holds the text (a reader reads it after the label's
// name; setting it tells a reader it changed, which AT-SPI passes on), and
// with alert the change is also raised as an alert, which the Windows and
// macOS bridges announce at once.
void showReadout(QLabel *label, const QString &text, bool alert) {
  label->setText(text);
  label->setAccessibleDescription(text);
  if (alert && !text.isEmpty()) {
    QAccessibleEvent changed(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&changed);
  }
}

// A readout the student can reach with Tab, read and copy.
void makeReadable(QLabel *label) {
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->setFocusPolicy(Qt::StrongFocus);
}

QString entryText(const ExperimentEntry &entry) {
  QString text = entry.title;
  if (entry.minutes > 0)
    text += ExperimentWindow::tr(" (about %1 min)").arg(entry.minutes);
  if (!entry.shipped)
    text += ExperimentWindow::tr(" — your own");
  return text;
}

} // namespace

ExperimentWindow::ExperimentWindow(Stage &stage, const QStringList &shippedFolders, QWidget *parent)
    : QWidget(parent, Qt::Window), session_(stage), shippedFolders_(shippedFolders) {
  setWindowTitle(tr("Experiments"));
  setAccessibleName(windowTitle());
  pages = new QStackedWidget(this);
  pages->addWidget(createListPage());
  pages->addWidget(createStepPage());
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(pages);
  observeTimer_ = new QTimer(this);
  observeTimer_->setInterval(kObserveMs);
  connectControls();
  showList();
  resize(480, 500);
}

QWidget *ExperimentWindow::createListPage() {
  auto *page = new QWidget(this);
  auto *label = new QLabel(tr("&Choose an experiment:"), page);
  list = new QListWidget(page);
  list->setAccessibleName(tr("Experiments"));
  label->setBuddy(list);
  startButton = new QPushButton(tr("&Start"), page);
  startButton->setDefault(true);
  startButton->setToolTip(tr("Start the chosen experiment"));
  openButton = new QPushButton(tr("&Open Experiment File…"), page);
  openButton->setToolTip(tr("Open an experiment file from any folder"));
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(openButton);
  buttons->addStretch();
  buttons->addWidget(startButton);
  auto *layout = new QVBoxLayout(page);
  layout->addWidget(label);
  layout->addWidget(list, 1);
  layout->addLayout(buttons);
  return page;
}

QWidget *ExperimentWindow::createStepPage() {
  auto *page = new QWidget(this);
  heading = new QLabel(page);
  heading->setWordWrap(true);
  heading->setTextFormat(Qt::RichText);
  text = new QTextBrowser(page);
  text->setAccessibleName(tr("Step text"));
  text->setOpenLinks(false);
  setUpAgain = new QPushButton(tr("Set &up again"), page);
  setUpAgain->setToolTip(tr("Do this step's set-up again: load its scenario, set "
                            "the thermostat, the lid and the graphs"));
  answer = new AnswerInput(page);
  checkButton = new QPushButton(tr("C&heck"), page);
  checkButton->setToolTip(tr("Check your answer and the measurement"));
  feedback = new QLabel(page);
  feedback->setWordWrap(true);
  feedback->setAccessibleName(tr("Feedback"));
  makeReadable(feedback);
  problem = new QLabel(page);
  problem->setWordWrap(true);
  problem->setStyleSheet(QStringLiteral("font-weight: bold"));
  problem->setAccessibleName(tr("Message"));
  back = new QPushButton(tr("< &Back"), page);
  back->setAccessibleName(tr("Back"));
  back->setToolTip(tr("The step before"));
  next = new QPushButton(tr("&Next >"), page);
  next->setAccessibleName(tr("Next"));
  next->setToolTip(tr("The next step"));
  chooseButton = new QPushButton(tr("&All Experiments"), page);
  chooseButton->setToolTip(tr("Back to the list of experiments"));
  worksheetButton = new QPushButton(tr("&Worksheet…"), page);
  worksheetButton->setToolTip(tr("Write the worksheet to hand in, as PDF or a web page"));
  auto *nav = new QHBoxLayout;
  nav->addWidget(chooseButton);
  nav->addWidget(worksheetButton);
  nav->addStretch();
  nav->addWidget(back);
  nav->addWidget(next);
  auto *checkRow = new QHBoxLayout;
  checkRow->addWidget(feedback, 1);
  checkRow->addWidget(checkButton, 0, Qt::AlignTop);
  auto *layout = new QVBoxLayout(page);
  layout->addWidget(heading);
  layout->addWidget(text, 1);
  layout->addWidget(setUpAgain, 0, Qt::AlignLeft);
  layout->addWidget(createMeasureRow(page));
  layout->addWidget(answer);
  layout->addLayout(checkRow);
  layout->addWidget(problem);
  layout->addLayout(nav);
  return page;
}

QWidget *ExperimentWindow::createMeasureRow(QWidget *page) {
  auto *row = new QWidget(page);
  measurementLabel = new QLabel(row);
  measurementLabel->setWordWrap(true);
  measureButton = new QPushButton(tr("&Measure"), row);
  measureButton->setToolTip(tr("Take this step's measurement from the running simulation"));
  measured = new QLabel(row);
  measured->setAccessibleName(tr("Measured"));
  makeReadable(measured);
  auto *layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(measurementLabel, 1);
  layout->addWidget(measured);
  layout->addWidget(measureButton);
  return row;
}

void ExperimentWindow::connectControls() {
  connect(startButton, &QPushButton::clicked, this, &ExperimentWindow::startSelected);
  connect(list, &QListWidget::itemActivated, this, &ExperimentWindow::startSelected);
  connect(openButton, &QPushButton::clicked, this, &ExperimentWindow::openRequested);
  connect(setUpAgain, &QPushButton::clicked, this, [this] {
    const QString problem = session_.setUpAgain();
    showStep();
    showProblem(problem);
  });
  connect(measureButton, &QPushButton::clicked, this, &ExperimentWindow::measureClicked);
  connect(answer, &AnswerInput::edited, this, &ExperimentWindow::answerEdited);
  connect(checkButton, &QPushButton::clicked, this, &ExperimentWindow::showVerdicts);
  connect(back, &QPushButton::clicked, this, [this] { goTo(session_.step() - 1); });
  connect(next, &QPushButton::clicked, this, [this] { goTo(session_.step() + 1); });
  connect(chooseButton, &QPushButton::clicked, this, &ExperimentWindow::showList);
  connect(worksheetButton, &QPushButton::clicked, this, &ExperimentWindow::askWorksheet);
  connect(observeTimer_, &QTimer::timeout, this, [this] { session_.observe(); });
}

void ExperimentWindow::showList() {
  entries_ = listExperiments(shippedFolders_);
  list->clear();
  for (const ExperimentEntry &entry : entries_) {
    auto *item = new QListWidgetItem(entryText(entry), list);
    item->setToolTip(entry.summary);
  }
  list->setCurrentRow(0);
  startButton->setEnabled(!entries_.isEmpty());
  pages->setCurrentIndex(0);
  list->setFocus();
}

void ExperimentWindow::startSelected() {
  const int row = list->currentRow();
  if (row >= 0 && row < entries_.size())
    start(QFileInfo(entries_[row].path).completeBaseName());
}

bool ExperimentWindow::start(const QString &name) {
  const ExperimentEntry entry = findExperiment(listExperiments(shippedFolders_), name);
  if (entry.path.isEmpty()) {
    showList();
    return false;
  }
  return openFile(entry.path);
}

bool ExperimentWindow::openFile(const QString &path) {
  const Opened opened = openExperiment(path, shippedFolders_);
  if (!opened.problem.isEmpty()) {
    showProblem(tr("This experiment cannot be opened: %1").arg(opened.problem));
    if (!session_.isOpen())
      pages->setCurrentIndex(0);
    return false;
  }
  begin(opened.experiment, QFileInfo(opened.path).absolutePath());
  if (!opened.note.isEmpty())
    showProblem(opened.note);
  return true;
}

void ExperimentWindow::begin(experiments::Experiment experiment, const QString &folder) {
  const QString setUpProblem = session_.open(std::move(experiment), folder);
  observeTimer_->start();
  pages->setCurrentIndex(1);
  showStep();
  showProblem(setUpProblem);
}

void ExperimentWindow::goTo(int step) {
  answerEdited();
  const QString setUpProblem = session_.goTo(step);
  showStep();
  showProblem(setUpProblem);
}

void ExperimentWindow::showStep() {
  const experiments::Step &step = session_.currentStep();
  heading->setText(tr("<b>%1</b><br>Step %2 of %3: %4")
                       .arg(asHtml(session_.experiment().title))
                       .arg(session_.step() + 1)
                       .arg(session_.stepCount())
                       .arg(asHtml(step.title)));
  showStepText();
  measurementLabel->parentWidget()->setVisible(step.measurement.has_value());
  if (step.measurement)
    measurementLabel->setText(
        tr("The program measures %1.").arg(measurementName(*step.measurement)));
  showMeasured();
  answer->setVisible(step.question.has_value());
  if (step.question)
    answer->ask(*step.question, session_.record().steps[std::size_t(session_.step())].answer);
  checkButton->setVisible(!step.checks.empty() && session_.experiment().checksOn);
  showReadout(feedback, QString(), false);
  back->setEnabled(session_.step() > 0);
  // A step that could not be set up (its scenario is missing) is not left
  // forward: Set up again tries once more.
  next->setEnabled(session_.step() + 1 < session_.stepCount() && session_.setUpProblem().isEmpty());
}

void ExperimentWindow::showStepText() {
  const experiments::Step &step = session_.currentStep();
  QString html;
  for (const std::string &paragraph : step.paragraphs)
    html += QStringLiteral("<p>%1</p>").arg(asHtml(paragraph));
  if (!step.picture.empty()) {
    const QString picture = QDir(session_.folder()).filePath(QString::fromStdString(step.picture));
    html += QStringLiteral("<p><img src=\"%1\" width=\"360\"></p>")
                .arg(QUrl::fromLocalFile(picture).toString().toHtmlEscaped());
  }
  text->setHtml(html);
}

void ExperimentWindow::showMeasured() {
  const auto &value = session_.record().steps[std::size_t(session_.step())].measured;
  showReadout(measured,
              value ? QString::fromStdString(experiments::formatValue(*value))
                    : tr("not measured yet"),
              false);
}

void ExperimentWindow::showVerdicts() {
  const int step = session_.step();
  const std::vector<experiments::Verdict> verdicts = session_.verdicts(step);
  QStringList lines;
  for (std::size_t k = 0; k < verdicts.size(); ++k)
    lines << verdictText(session_.currentStep().checks[k], verdicts[k]);
  showReadout(feedback, lines.join(QLatin1Char('\n')), true);
}

void ExperimentWindow::showProblem(const QString &text) {
  problem->setVisible(!text.isEmpty());
  showReadout(problem, text, true);
}

void ExperimentWindow::measureClicked() {
  const QString what = session_.measure();
  showMeasured();
  showProblem(what);
  if (what.isEmpty())
    showVerdicts();
}

void ExperimentWindow::askWorksheet() {
  if (session_.record().student.empty()) {
    bool given = false;
    const QString name =
        QInputDialog::getText(this, tr("Worksheet"), tr("Your name for the worksheet:"),
                              QLineEdit::Normal, QString(), &given);
    if (!given)
      return;
    session_.setStudent(name.trimmed());
  }
  const QString suggested = QStringLiteral("%1 - %2.pdf")
                                .arg(lessonText(session_.experiment().title),
                                     QString::fromStdString(session_.record().student))
                                .replace(QLatin1Char('/'), QLatin1Char('-'));
  const QString path =
      QFileDialog::getSaveFileName(this, tr("Export Worksheet"), QDir::home().filePath(suggested),
                                   tr("PDF (*.pdf);;Web page (*.html)"));
  if (!path.isEmpty())
    writeWorksheet(path);
}

bool ExperimentWindow::writeWorksheet(const QString &path) {
  answerEdited();
  const QString failed = exportWorksheet(session_, path);
  showProblem(failed.isEmpty()
                  ? tr("The worksheet was written to %1.").arg(QDir::toNativeSeparators(path))
                  : failed);
  return failed.isEmpty();
}

void ExperimentWindow::answerEdited() {
  if (session_.isOpen() && session_.currentStep().question)
    session_.answer(answer->answer());
}

} // namespace guide

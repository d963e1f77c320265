// The Experiments window, beside the main window (or on a projector): the
// list of guided experiments, then one step at a time with its text, the
// set-up the program performs, the measurement it takes, the student's
// answer and the checks' feedback, and the worksheet to hand in.
#pragma once

#include "experiment_library.h"
#include "experiment_session.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QTimer;

namespace guide {

class AnswerInput;

class ExperimentWindow : public QWidget {
  Q_OBJECT

public:
  // The phases of the materials are followed this often while an
  // experiment is open.
  static constexpr int kObserveMs = 250;

  ExperimentWindow(Stage &stage, const QStringList &shippedFolders, QWidget *parent);

  // Opens an experiment file from anywhere (File > Open Experiment…, a file
  // dropped on the window); false, after saying why, when it cannot be read:
  // the experiment and the scenario running go on as they were.
  bool openFile(const QString &path);
  // Starts a listed experiment, named by its title or its file name.
  bool start(const QString &name);
  ExperimentSession &session() { return session_; }
  // Asks the student's name (once) and where to write the worksheet, then
  // writes it.
  void askWorksheet();
  // Writes the worksheet (PDF, or HTML for a .html name) and says so;
  // false, after saying why, when it could not be written.
  bool writeWorksheet(const QString &path);
  // Reads the experiment folders again.
  void showList();

  QStackedWidget *pages = nullptr;
  QListWidget *list = nullptr;
  QPushButton *startButton = nullptr;
  QPushButton *openButton = nullptr;
  QLabel *heading = nullptr;
  QTextBrowser *text = nullptr;
  QPushButton *setUpAgain = nullptr;
  QLabel *measurementLabel = nullptr;
  QPushButton *measureButton = nullptr;
  QLabel *measured = nullptr;
  AnswerInput *answer = nullptr;
  QPushButton *checkButton = nullptr;
  QLabel *feedback = nullptr;
  QLabel *problem = nullptr;
  QPushButton *back = nullptr;
  QPushButton *next = nullptr;
  QPushButton *chooseButton = nullptr;
  QPushButton *worksheetButton = nullptr;

signals:
  // Open… was pressed: the main window asks for the file.
  void openRequested();

private:
  QWidget *createListPage();
  QWidget *createStepPage();
  QWidget *createMeasureRow(QWidget *page);
  void connectControls();
  void startSelected();
  void begin(experiments::Experiment experiment, const QString &folder);
  void showStep();
  void showStepText();
  void showMeasured();
  void showVerdicts();
  void showProblem(const QString &text);
  void goTo(int step);
  void measureClicked();
  void answerEdited();

  ExperimentSession session_;
  QStringList shippedFolders_;
  QList<ExperimentEntry> entries_;
  QTimer *observeTimer_ = nullptr;
};

} // namespace guide

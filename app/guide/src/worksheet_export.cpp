#include "worksheet_export.h"

#include "verdict_text.h"
#include "worksheet.h"

namespace guide {

namespace {

std::vector<WorksheetStep> worksheetSteps(const ExperimentSession &session) {
  std::vector<WorksheetStep> steps;
  for (int step = 0; step < session.stepCount(); ++step) {
    const auto &checks = session.experiment().steps[std::size_t(step)].checks;
    const std::vector<experiments::Verdict> verdicts = session.verdicts(step);
    QStringList sentences;
    for (std::size_t k = 0; k < verdicts.size(); ++k)
      sentences << verdictText(checks[k], verdicts[k]);
    steps.push_back({sentences.join(QLatin1Char(' ')), session.chart(step)});
  }
  return steps;
}

} // namespace

QString exportWorksheet(const ExperimentSession &session, const QString &path) {
  const WorksheetContent content{session.experiment(), session.record(), worksheetSteps(session)};
  const bool html = path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) ||
                    path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive);
  return html ? writeWorksheetHtml(content, path) : writeWorksheetPdf(content, path);
}

} // namespace guide

// The worksheet a student hands in after a guided experiment: their name,
// the experiment's title and date, and per step its question, the answer,
// the value the program measured, the check's outcome and the step's chart.
// It is written as a self-contained HTML file (charts embedded as PNG data)
// and as an A4 PDF laid out from the same document.
#pragma once

#include "experiments/experiment.h"
#include "experiments/record.h"

#include <QDate>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace guide {

// What the worksheet shows of a step beyond the experiment and the record.
struct WorksheetStep {
  // The check's outcome as a sentence ("Checked: within 5 % of the measured
  // 1,959 K", "Look again: …"); empty when the step has no check. Left out
  // when the experiment has its checks off.
  QString verdict;
  // The chart the step refers to, or a null image.
  QImage chart;
};

// Everything one worksheet holds. The record and the steps follow the
// experiment's steps in order; where either is shorter, the steps past its
// end show no answer, measurement, verdict or chart.
struct WorksheetContent {
  const experiments::Experiment &experiment;
  const experiments::Record &record;
  std::vector<WorksheetStep> steps;
  QDate date = QDate::currentDate();
};

// A recorded value as the worksheet writes it: experiments::formatValue's
// number with its unit ("1,959 K", "45.2 %") or text, and "—" when there is
// no value, it is empty, or its number is not finite.
QString valueText(const std::optional<experiments::Value> &value);

// The whole worksheet as one HTML document. Every text in it, the student's
// name and answers first of all, is escaped.
QString worksheetHtml(const WorksheetContent &content);

// Write the HTML worksheet, or the same document as an A4 PDF, to `path`.
// The file is written beside its final place and renamed over it only when
// complete, so a failed write leaves no partial file and keeps an existing
// one. Returns an empty string on success, else a message that names the file
// and what went wrong.
QString writeWorksheetHtml(const WorksheetContent &content, const QString &path);
QString writeWorksheetPdf(const WorksheetContent &content, const QString &path);

} // namespace guide

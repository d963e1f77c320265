#include "verdict_text.h"

#include "lesson_language.h"

#include <QCoreApplication>

namespace guide {

using experiments::Outcome;
using experiments::Relation;

namespace {

QString shown(std::optional<double> number, const std::string &unit) {
  if (!number)
    return QCoreApplication::translate("guide::Verdict", "—");
  return QString::fromStdString(experiments::formatValue({number, unit, {}}));
}

// What was compared: "1,959 K lies between 1,861 K and 2,057 K".
QString comparison(const experiments::Check &check, const experiments::Verdict &verdict, bool met) {
  const QString subject = shown(verdict.subject, verdict.unit);
  switch (check.relation) {
  case Relation::Within:
    return (met ? QCoreApplication::translate("guide::Verdict", "%1 lies between %2 and %3")
                : QCoreApplication::translate("guide::Verdict",
                                              "%1 does not lie between %2 and %3"))
        .arg(subject, shown(verdict.low, verdict.unit), shown(verdict.high, verdict.unit));
  case Relation::Above:
    return (met ? QCoreApplication::translate("guide::Verdict", "%1 is above %2")
                : QCoreApplication::translate("guide::Verdict", "%1 is not above %2"))
        .arg(subject, shown(verdict.target, verdict.unit));
  case Relation::Below:
    return (met ? QCoreApplication::translate("guide::Verdict", "%1 is below %2")
                : QCoreApplication::translate("guide::Verdict", "%1 is not below %2"))
        .arg(subject, shown(verdict.target, verdict.unit));
  case Relation::Is:
    return (met ? QCoreApplication::translate("guide::Verdict", "it is %1")
                : QCoreApplication::translate("guide::Verdict", "it is not %1"))
        .arg(lessonText(check.text));
  }
  return {};
}

QString missing(const experiments::Check &check, const experiments::Verdict &verdict) {
  if (!verdict.subject && check.subject == experiments::Subject::Answer && verdict.text.empty())
    return QCoreApplication::translate("guide::Verdict", "Give your answer first.");
  if (check.target == experiments::TargetKind::Step)
    return QCoreApplication::translate(
               "guide::Verdict", "This needs the measurement of step %1: go back and take it.")
        .arg(check.step);
  return QCoreApplication::translate("guide::Verdict",
                                     "Take the measurement first: press Measure.");
}

} // namespace

QString verdictText(const experiments::Check &check, const experiments::Verdict &verdict) {
  switch (verdict.outcome) {
  case Outcome::Passed:
    return QCoreApplication::translate("guide::Verdict", "Right: %1.")
        .arg(comparison(check, verdict, true));
  case Outcome::Failed: {
    const QString hint =
        check.hint.empty() ? QCoreApplication::translate(
                                 "guide::Verdict", "Read the step again and look at what it shows.")
                           : lessonText(check.hint);
    return QCoreApplication::translate("guide::Verdict", "Not yet: %1. %2")
        .arg(comparison(check, verdict, false), hint);
  }
  case Outcome::NotRecorded:
    return missing(check, verdict);
  case Outcome::NoFacts:
    return QCoreApplication::translate(
        "guide::Verdict", "The scenario's material card does not give the figure this is "
                          "checked against, so it cannot be checked.");
  }
  return {};
}

} // namespace guide

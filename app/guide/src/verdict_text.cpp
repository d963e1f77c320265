#include "verdict_text.h"

namespace guide {

using experiments::Outcome;
using experiments::Relation;

namespace {

QString shown(std::optional<double> number, const std::string &unit) {
  if (!number)
    return QStringLiteral("—");
  return QString::fromStdString(experiments::formatValue({number, unit, {}}));
}

// What was compared: "1,959 K lies between 1,861 K and 2,057 K".
QString comparison(const experiments::Check &check, const experiments::Verdict &verdict,
                   bool met) {
  const QString subject = shown(verdict.subject, verdict.unit);
  switch (check.relation) {
  case Relation::Within:
    return (met ? QStringLiteral("%1 lies between %2 and %3")
                : QStringLiteral("%1 does not lie between %2 and %3"))
        .arg(subject, shown(verdict.low, verdict.unit), shown(verdict.high, verdict.unit));
  case Relation::Above:
    return (met ? QStringLiteral("%1 is above %2") : QStringLiteral("%1 is not above %2"))
        .arg(subject, shown(verdict.target, verdict.unit));
  case Relation::Below:
    return (met ? QStringLiteral("%1 is below %2") : QStringLiteral("%1 is not below %2"))
        .arg(subject, shown(verdict.target, verdict.unit));
  case Relation::Is:
    return (met ? QStringLiteral("it is %1") : QStringLiteral("it is not %1"))
        .arg(QString::fromStdString(check.text));
  }
  return {};
}

QString missing(const experiments::Check &check, const experiments::Verdict &verdict) {
  if (!verdict.subject && check.subject == experiments::Subject::Answer && verdict.text.empty())
    return QStringLiteral("Give your answer first.");
  if (check.target == experiments::TargetKind::Step)
    return QStringLiteral("This needs the measurement of step %1: go back and take it.")
        .arg(check.step);
  return QStringLiteral("Take the measurement first: press Measure.");
}

} // namespace

QString verdictText(const experiments::Check &check, const experiments::Verdict &verdict) {
  switch (verdict.outcome) {
  case Outcome::Passed:
    return QStringLiteral("Right: %1.").arg(comparison(check, verdict, true));
  case Outcome::Failed: {
    const QString hint = check.hint.empty()
                             ? QStringLiteral("Read the step again and look at what it shows.")
                             : QString::fromStdString(check.hint);
    return QStringLiteral("Not yet: %1. %2").arg(comparison(check, verdict, false), hint);
  }
  case Outcome::NotRecorded:
    return missing(check, verdict);
  case Outcome::NoFacts:
    return QStringLiteral("The scenario's material card does not give the figure this is "
                          "checked against, so it cannot be checked.");
  }
  return {};
}

} // namespace guide

// The words of a lesson file, shared by its reader and its writer so that
// each is spelled in one place.
#pragma once

#include "experiments/experiment.h"

#include <array>
#include <string_view>

namespace experiments::names {

template <typename Kind> struct Word {
  Kind kind;
  std::string_view text; // one or more words separated by single spaces
};

// "do = ..." begins with one of these.
inline constexpr std::array kActions = {
    Word<ActionKind>{ActionKind::Load, "load"},
    Word<ActionKind>{ActionKind::Thermostat, "thermostat"},
    Word<ActionKind>{ActionKind::Release, "release"},
    Word<ActionKind>{ActionKind::Insulate, "insulate"},
    Word<ActionKind>{ActionKind::Ramp, "ramp"},
    Word<ActionKind>{ActionKind::Lid, "lid"},
    Word<ActionKind>{ActionKind::HoldPressure, "hold pressure"},
    Word<ActionKind>{ActionKind::Speed, "speed"},
    Word<ActionKind>{ActionKind::Pause, "pause"},
    Word<ActionKind>{ActionKind::Run, "run"},
    Word<ActionKind>{ActionKind::Open, "open"},
    Word<ActionKind>{ActionKind::Chart, "chart"},
    Word<ActionKind>{ActionKind::Unit, "unit"},
};

// "measure = ..." is one of these, followed by its arguments.
inline constexpr std::array kMeasures = {
    Word<MeasureKind>{MeasureKind::Temperature, "temperature"},
    Word<MeasureKind>{MeasureKind::Plateau, "plateau"},
    Word<MeasureKind>{MeasureKind::LatentHeat, "latent heat"},
    Word<MeasureKind>{MeasureKind::Pressure, "pressure"},
    Word<MeasureKind>{MeasureKind::Volume, "volume"},
    Word<MeasureKind>{MeasureKind::Moving, "moving"},
    Word<MeasureKind>{MeasureKind::Vapour, "vapour"},
    Word<MeasureKind>{MeasureKind::Phase, "phase"},
    Word<MeasureKind>{MeasureKind::Potential, "potential"},
    Word<MeasureKind>{MeasureKind::WellDepth, "well depth"},
    Word<MeasureKind>{MeasureKind::WellDistance, "well distance"},
    Word<MeasureKind>{MeasureKind::DistancePeak, "distance peak"},
};

inline constexpr std::array kAnswers = {
    Word<AnswerKind>{AnswerKind::Number, "number"},
    Word<AnswerKind>{AnswerKind::Choice, "choice"},
    Word<AnswerKind>{AnswerKind::Text, "text"},
};

inline constexpr std::array kSubjects = {
    Word<Subject>{Subject::Answer, "answer"},
    Word<Subject>{Subject::Measured, "measured"},
};

inline constexpr std::array kRelations = {
    Word<Relation>{Relation::Within, "within"},
    Word<Relation>{Relation::Above, "above"},
    Word<Relation>{Relation::Below, "below"},
    Word<Relation>{Relation::Is, "is"},
};

// The targets named by words; a Number target is a number, a Text target
// follows "is".
inline constexpr std::array kTargets = {
    Word<TargetKind>{TargetKind::Measured, "measured"},
    Word<TargetKind>{TargetKind::Step, "step"},
    Word<TargetKind>{TargetKind::MeltingPoint, "melting point"},
    Word<TargetKind>{TargetKind::RealMeltingPoint, "real melting point"},
    Word<TargetKind>{TargetKind::RealBoilingPoint, "real boiling point"},
};

// The windows "do = open" opens and the charts "do = chart" shows.
inline constexpr std::array<std::string_view, 3> kWindows = {"lab", "large-view", "interactions"};
inline constexpr std::array<std::string_view, 5> kCharts = {"temperature", "energy", "pressure",
                                                            "heating-curve", "phase-diagram"};

// The text of a kind, from its table.
template <typename Kind, std::size_t N>
constexpr std::string_view textOf(const std::array<Word<Kind>, N> &table, Kind kind) {
  for (const Word<Kind> &word : table)
    if (word.kind == kind)
      return word.text;
  return {};
}

// Between a factor and the target it multiplies: "2 x step 3".
inline constexpr std::string_view kTimes = "x";
inline constexpr std::string_view kTimesSign = "\u00D7";
// Between a tolerance and its target: "within 5 % of 300 K".
inline constexpr std::string_view kOf = "of";
// After a ramp's length: "1000 steps".
inline constexpr std::string_view kSteps = "steps";
// Between the choices of "ask = choice A | B".
inline constexpr char kChoiceSeparator = '|';

} // namespace experiments::names

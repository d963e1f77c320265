// A guided experiment: a lesson in steps that the program sets up, measures
// and checks as a student goes. It is read from a plain text file (see
// experiment_reader.h for the format); nothing in it can do more than the
// program's own controls can.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace experiments {

// What the program does when a step opens, in the order given.
enum class ActionKind {
  Load,         // text: a scenario file (beside the experiment, else a shipped one)
  Thermostat,   // numbers[0]: hold the atoms at this temperature (kelvin)
  Release,      // hand the temperature back to the scenario's own clamp
  Insulate,     // no heat in or out: the atoms keep their total energy
  Ramp,         // numbers: from, to (kelvin), steps
  Lid,          // numbers[0]: the box height as a percentage of the file's
  HoldPressure, // numbers[0]: kilopascals the lid holds by moving itself
  Speed,        // numbers[0]: steps per tick, 1 to 50
  Pause,
  Run,
  Open,  // text: a window, "lab", "large-view" or "interactions"
  Chart, // text: a Lab chart, "temperature", "energy", "pressure",
         // "heating-curve" or "phase-diagram"
  Unit,  // text: the temperature unit, "K", "°C" or "°F"
};

struct Action {
  ActionKind kind = ActionKind::Pause;
  std::vector<double> numbers;
  std::string text;

  bool operator==(const Action &) const = default;
};

// What the program measures itself when the student asks it to.
enum class MeasureKind {
  Temperature,  // measured temperature, mean over the last 2,000 steps (K)
  Plateau,      // the melting plateau of the heating curve between two temperatures (K)
  LatentHeat,   // the energy taken up over that plateau (kJ/mol)
  Pressure,     // the walls' pressure over the gauge's window (kPa)
  Volume,       // the room inside the walls' skins, where the atoms move freely (nm³)
  Moving,       // share of a material's atoms that wander (%)
  Vapour,       // share of a material's atoms with almost no neighbours (%)
  Phase,        // the phases of a material side by side (text)
  Potential,    // potential energy per atom (kJ/mol)
  WellDepth,    // depth of the pair energy between two materials (kJ/mol)
  WellDistance, // distance of that energy's minimum (Å)
  DistancePeak, // the most common distance between neighbours of two materials (Å)
};

struct Measurement {
  MeasureKind kind = MeasureKind::Temperature;
  // Plateau and LatentHeat: the window, kelvin (from, to). Moving, Vapour,
  // Phase: the material. WellDepth, WellDistance, DistancePeak: the two
  // materials.
  std::vector<double> arguments;

  bool operator==(const Measurement &) const = default;
};

// The unit the program records a measurement in: "K", "kJ/mol", "kPa", "%"
// or "Å"; empty for Phase, which is recorded as a phase name
// (analysis::phaseMixName).
std::string_view measuredUnit(MeasureKind kind);

// What the student answers.
enum class AnswerKind { Number, Choice, Text };

struct Question {
  AnswerKind kind = AnswerKind::Text;
  std::string text;                 // the question as the student reads it
  std::string unit;                 // Number: the unit the answer is in
  std::vector<std::string> choices; // Choice: the options, in order

  bool operator==(const Question &) const = default;
};

// What a check compares.
enum class Subject { Answer, Measured };

// What it compares with: a number in a unit, a value recorded at another
// step, or a figure of a material's card, each times a factor; a choice or
// phase text; or a bound.
enum class TargetKind {
  Number,           // value in unit
  Measured,         // this step's measurement
  Step,             // the measurement recorded at step `step` (1-based)
  MeltingPoint,     // the model's measured melting point of `material` (K)
  RealMeltingPoint, // the real substance's, from the card (K)
  RealBoilingPoint, // the real substance's, from the card (K)
  Text,             // an exact choice or phase name
};

enum class Relation {
  Within, // |subject − target| ≤ tolerance
  Above,  // subject > target
  Below,  // subject < target
  Is,     // subject equals the text
};

struct Check {
  Subject subject = Subject::Answer;
  Relation relation = Relation::Within;
  TargetKind target = TargetKind::Number;
  double factor = 1.0; // the target is factor × the figure named
  double value = 0.0;  // Number
  std::string unit;    // Number: the value's unit
  int step = 0;        // Step
  int material = 0;    // MeltingPoint, RealMeltingPoint, RealBoilingPoint
  std::string text;    // Text
  double tolerance = 0.0;
  bool percent = false;      // the tolerance is a percentage of the target
  std::string toleranceUnit; // otherwise its unit
  // What to look at again when the check fails; the program also says
  // what it compared.
  std::string hint;

  bool operator==(const Check &) const = default;
};

struct Step {
  std::string title;
  std::vector<std::string> paragraphs;
  std::string picture; // an image beside the experiment file, or empty
  std::vector<Action> actions;
  std::optional<Measurement> measurement;
  std::optional<Question> question;
  std::vector<Check> checks;

  bool operator==(const Step &) const = default;
};

struct Experiment {
  std::string title;
  std::string summary;
  int minutes = 0;      // how long it takes at the default speed; 0 unknown
  bool checksOn = true; // off: answers are recorded, never judged
  std::vector<Step> steps;

  bool operator==(const Experiment &) const = default;
};

} // namespace experiments

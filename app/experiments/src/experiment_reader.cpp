#include "experiments/experiment_reader.h"

#include "check_fit.h"
#include "step_lines.h"
#include "text_lines.h"
#include "words.h"

#include <array>
#include <fstream>

namespace experiments {

namespace {

// The head's keys come first, up to Checks.
enum class Key {
  Experiment,
  Summary,
  Minutes,
  Checks,
  Step,
  Text,
  Picture,
  Do,
  Measure,
  Ask,
  Question,
  Check,
  Hint,
};

struct KeyName {
  Key key;
  std::string_view name;
};

constexpr std::array kKeys = {
    KeyName{Key::Experiment, "experiment"},
    KeyName{Key::Summary, "summary"},
    KeyName{Key::Minutes, "minutes"},
    KeyName{Key::Checks, "checks"},
    KeyName{Key::Step, "step"},
    KeyName{Key::Text, "text"},
    KeyName{Key::Picture, "picture"},
    KeyName{Key::Do, "do"},
    KeyName{Key::Measure, "measure"},
    KeyName{Key::Ask, "ask"},
    KeyName{Key::Question, "question"},
    KeyName{Key::Check, "check"},
    KeyName{Key::Hint, "hint"},
};

bool inHead(Key key) { return key <= Key::Checks; }

constexpr long long kMostMinutes = 600;
constexpr std::size_t kMostActions = 50;
constexpr std::size_t kMostChecks = 10;

// Where the parts of the open step were read, for the faults found once the
// step is whole.
struct StepLines {
  int picture = 0;
  int measure = 0;
  int ask = 0;
  int question = 0;
  std::vector<int> checks;
  bool hintMayFollow = false; // the last line read was a check without its hint
};

class ExperimentReader {
public:
  explicit ExperimentReader(const std::string &file) : file_(file) {}

  void readLine(std::string_view line, int number) {
    line_ = number;
    try {
      if (const std::optional<std::string> fault = lineFault(line))
        throw Refusal(*fault);
      const std::string_view text = trimmed(line);
      if (text.empty() || text.front() == '#')
        return;
      const auto equals = text.find('=');
      if (equals == std::string_view::npos)
        throw Refusal("expected \"key = value\", not " + quoted(text));
      readEntry(trimmed(text.substr(0, equals)), trimmed(text.substr(equals + 1)));
    } catch (const Refusal &refusal) {
      fail(number, refusal.what());
    }
  }

  Experiment finish() {
    if (!titled_)
      fail(0, "the file has no \"experiment = TITLE\" line");
    if (experiment_.steps.empty())
      fail(0, "the experiment has no steps");
    closeStep();
    return std::move(experiment_);
  }

private:
  [[noreturn]] void fail(int line, const std::string &reason) const {
    throw ExperimentError(file_, line, reason);
  }

  void readEntry(std::string_view name, std::string_view value) {
    const KeyName *key = nullptr;
    for (const KeyName &known : kKeys)
      if (known.name == name)
        key = &known;
    if (!key)
      throw Refusal("unknown key " + quoted(name));
    if (value.empty())
      throw Refusal(quoted(name) + " has no value");
    if (!titled_ && key->key != Key::Experiment)
      throw Refusal("the file must begin with \"experiment = TITLE\"");
    if (inHead(key->key)) {
      if (!experiment_.steps.empty())
        throw Refusal(quoted(name) + " belongs in the head, before the first step");
      return readHead(*key, value);
    }
    if (key->key == Key::Step)
      return openStep(value);
    if (experiment_.steps.empty())
      throw Refusal(quoted(name) + " comes before the first step");
    readStepPart(key->key, value);
  }

  void readHead(const KeyName &key, std::string_view value) {
    const std::size_t bit = static_cast<std::size_t>(key.key);
    if (headSeen_[bit])
      throw Refusal("duplicate " + quoted(key.name));
    headSeen_[bit] = true;
    switch (key.key) {
    case Key::Experiment:
      titled_ = true;
      experiment_.title = value;
      break;
    case Key::Summary:
      experiment_.summary = value;
      break;
    case Key::Minutes: {
      Words words(value);
      experiment_.minutes = static_cast<int>(words.whole("minutes", 1, kMostMinutes));
      words.finish("minutes");
      break;
    }
    case Key::Checks:
      if (value != "on" && value != "off")
        throw Refusal("checks are \"on\" or \"off\", not " + quoted(value));
      experiment_.checksOn = value == "on";
      break;
    default:
      break;
    }
  }

  void openStep(std::string_view title) {
    if (experiment_.steps.size() == static_cast<std::size_t>(kMostSteps))
      throw Refusal("an experiment has at most " + std::to_string(kMostSteps) + " steps");
    if (!experiment_.steps.empty())
      closeStep();
    experiment_.steps.emplace_back().title = title;
    lines_ = {};
    questionText_.clear();
  }

  // Marks a part that a step has once; the line it was read on.
  static void once(int &seenAt, int line, std::string_view name) {
    if (seenAt != 0)
      throw Refusal("a step has one " + quoted(name) + " line (see line " + std::to_string(seenAt) +
                    ")");
    seenAt = line;
  }

  void readStepPart(Key key, std::string_view value) {
    Step &step = experiment_.steps.back();
    const bool hintMayFollow = lines_.hintMayFollow;
    lines_.hintMayFollow = false;
    switch (key) {
    case Key::Text:
      step.paragraphs.emplace_back(value);
      break;
    case Key::Picture:
      once(lines_.picture, line_, "picture");
      checkBareFileName(value, "picture", {".png", ".jpg"});
      step.picture = value;
      break;
    case Key::Do:
      if (step.actions.size() == kMostActions)
        throw Refusal("a step has at most " + std::to_string(kMostActions) + " actions");
      step.actions.push_back(parseAction(value));
      break;
    case Key::Measure:
      once(lines_.measure, line_, "measure");
      step.measurement = parseMeasurement(value);
      break;
    case Key::Ask:
      once(lines_.ask, line_, "ask");
      step.question = parseAsk(value);
      break;
    case Key::Question:
      once(lines_.question, line_, "question");
      questionText_ = value;
      break;
    case Key::Check:
      if (step.checks.size() == kMostChecks)
        throw Refusal("a step has at most " + std::to_string(kMostChecks) + " checks");
      step.checks.push_back(parseCheck(value));
      lines_.checks.push_back(line_);
      lines_.hintMayFollow = true;
      break;
    case Key::Hint:
      if (!hintMayFollow)
        throw Refusal("a hint belongs right after the check it helps with");
      step.checks.back().hint = value;
      break;
    default:
      break;
    }
  }

  // The faults a step shows only when whole: a question without its text
  // or the other way round, checks that do not fit.
  void closeStep() {
    Step &step = experiment_.steps.back();
    if (lines_.ask != 0 && lines_.question == 0)
      fail(lines_.ask, "\"ask\" needs a \"question = TEXT\" line in its step");
    if (lines_.question != 0 && lines_.ask == 0)
      fail(lines_.question, "\"question\" needs an \"ask\" line in its step");
    if (step.question)
      step.question->text = questionText_;
    const int stepNumber = static_cast<int>(experiment_.steps.size());
    const std::vector<Step> &steps = experiment_.steps;
    for (std::size_t k = 0; k < step.checks.size(); ++k) {
      try {
        checkFits(step.checks[k], step, stepNumber, steps);
      } catch (const Refusal &refusal) {
        fail(lines_.checks[k], refusal.what());
      }
    }
  }

  std::string file_;
  int line_ = 0;
  bool titled_ = false;
  std::array<bool, static_cast<std::size_t>(Key::Checks) + 1> headSeen_{};
  Experiment experiment_;
  StepLines lines_;
  std::string questionText_;
};

} // namespace

ExperimentError::ExperimentError(const std::string &file, int line, const std::string &reason)
    : std::runtime_error(file + (line > 0 ? ", line " + std::to_string(line) : std::string()) +
                         ": " + reason),
      line_(line), reason_(reason) {}

namespace {

// The stream's bytes, up to one beyond the limit, which tells a file at the
// limit from a longer one.
std::string readLimited(std::istream &in, const std::string &fileName) {
  constexpr std::size_t kChunkBytes = 64 * 1024;
  std::string text;
  while (in && text.size() <= kLongestFileBytes) {
    const std::size_t start = text.size();
    text.resize(start + kChunkBytes);
    in.read(text.data() + start, static_cast<std::streamsize>(kChunkBytes));
    text.resize(start + static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad())
    throw ExperimentError(fileName, 0, "the file cannot be read");
  if (text.size() > kLongestFileBytes)
    throw ExperimentError(fileName, 0, "the file is longer than 1 MiB");
  return text;
}

} // namespace

Experiment readExperiment(std::istream &in, const std::string &fileName) {
  const std::string text = readLimited(in, fileName);
  ExperimentReader reader(fileName);
  int number = 0;
  for (const std::string_view line : splitLines(text))
    reader.readLine(line, ++number);
  return reader.finish();
}

Experiment readExperimentFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw ExperimentError(path, 0, "the file cannot be opened");
  return readExperiment(in, path);
}

} // namespace experiments

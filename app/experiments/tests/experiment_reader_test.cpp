// Reading lesson files: a whole lesson with every part, the spellings the
// reader forgives, and every way a file is refused, with its line and reason.
#include "experiments/experiment_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace experiments;

namespace {

const std::string kFile = "lesson.experiment";
const std::string kHead = "experiment = E\nstep = S\n"; // the tested lines start at line 3

Experiment read(const std::string &text) {
  std::istringstream in(text);
  return readExperiment(in, kFile);
}

struct Refused {
  int line = -1;
  std::string what;
};

Refused refusal(const std::string &text) {
  try {
    read(text);
  } catch (const ExperimentError &error) {
    return {error.line(), error.what()};
  }
  return {};
}

// Expects the text refused at the line with a message holding the reason.
void expectRefused(const std::string &text, int line, const std::string &reason) {
  const Refused refused = refusal(text);
  EXPECT_EQ(refused.line, line) << text;
  EXPECT_NE(refused.what.find(reason), std::string::npos) << text << "\n -> " << refused.what;
}

const std::string kMeltingLesson = R"(# Melting quartz
experiment = The melting point
summary = Heat quartz until it melts.
minutes = 12
checks = off

step = Solid quartz
text = Sand is quartz.
text = Its atoms shake about fixed places.
picture = crystal.png
do = load solid.ams
do = thermostat 23 °C
do = unit °C
do = open lab
measure = phase 0
check = measured is solid
hint = Run a little longer.

step = Heat it
do = ramp 1500 K 2500 K 60000 steps
do = chart heating-curve
measure = plateau 1700 K 2300 K
check = measured within 5 % of melting point 0
hint = Let the ramp finish.
ask = number K
question = At what temperature does it melt?
check = answer within 20 K of 0.98 x measured

step = Compare
ask = choice Close to it | Twice as hot
question = How does it compare with the real one?
check = answer is Close to it
)";

} // namespace

TEST(ExperimentReader, ReadsAWholeLesson) {
  const Experiment e = read(kMeltingLesson);
  EXPECT_EQ(e.title, "The melting point");
  EXPECT_EQ(e.summary, "Heat quartz until it melts.");
  EXPECT_EQ(e.minutes, 12);
  EXPECT_FALSE(e.checksOn);
  ASSERT_EQ(e.steps.size(), 3u);

  const Step &first = e.steps[0];
  EXPECT_EQ(first.title, "Solid quartz");
  EXPECT_EQ(first.paragraphs,
            (std::vector<std::string>{"Sand is quartz.", "Its atoms shake about fixed places."}));
  EXPECT_EQ(first.picture, "crystal.png");
  ASSERT_EQ(first.actions.size(), 4u);
  EXPECT_EQ(first.actions[0], (Action{ActionKind::Load, {}, "solid.ams"}));
  EXPECT_EQ(first.actions[1], (Action{ActionKind::Thermostat, {296.0}, ""}));
  EXPECT_EQ(first.actions[2], (Action{ActionKind::Unit, {}, "\u00B0C"}));
  EXPECT_EQ(first.actions[3], (Action{ActionKind::Open, {}, "lab"}));
  EXPECT_EQ(first.measurement, (Measurement{MeasureKind::Phase, {0.0}}));
  EXPECT_FALSE(first.question);
  ASSERT_EQ(first.checks.size(), 1u);
  EXPECT_EQ(first.checks[0].relation, Relation::Is);
  EXPECT_EQ(first.checks[0].target, TargetKind::Text);
  EXPECT_EQ(first.checks[0].text, "solid");
  EXPECT_EQ(first.checks[0].hint, "Run a little longer.");

  const Step &second = e.steps[1];
  EXPECT_EQ(second.actions[0], (Action{ActionKind::Ramp, {1500.0, 2500.0, 60000.0}, ""}));
  EXPECT_EQ(second.actions[1], (Action{ActionKind::Chart, {}, "heating-curve"}));
  EXPECT_EQ(second.measurement, (Measurement{MeasureKind::Plateau, {1700.0, 2300.0}}));
  ASSERT_TRUE(second.question);
  EXPECT_EQ(second.question->kind, AnswerKind::Number);
  EXPECT_EQ(second.question->unit, "K");
  EXPECT_EQ(second.question->text, "At what temperature does it melt?");
  ASSERT_EQ(second.checks.size(), 2u);
  const Check &plateau = second.checks[0];
  EXPECT_EQ(plateau.subject, Subject::Measured);
  EXPECT_EQ(plateau.target, TargetKind::MeltingPoint);
  EXPECT_EQ(plateau.material, 0);
  EXPECT_TRUE(plateau.percent);
  EXPECT_EQ(plateau.tolerance, 5.0);
  EXPECT_EQ(plateau.hint, "Let the ramp finish.");
  const Check &answer = second.checks[1];
  EXPECT_EQ(answer.subject, Subject::Answer);
  EXPECT_EQ(answer.target, TargetKind::Measured);
  EXPECT_EQ(answer.factor, 0.98);
  EXPECT_FALSE(answer.percent);
  EXPECT_EQ(answer.tolerance, 20.0);
  EXPECT_EQ(answer.toleranceUnit, "K");
  EXPECT_TRUE(answer.hint.empty());

  const Step &third = e.steps[2];
  ASSERT_TRUE(third.question);
  EXPECT_EQ(third.question->kind, AnswerKind::Choice);
  EXPECT_EQ(third.question->choices, (std::vector<std::string>{"Close to it", "Twice as hot"}));
  EXPECT_EQ(third.checks[0].text, "Close to it");
}

TEST(ExperimentReader, TakesTheSpellingsTeachersWrite) {
  // CR LF, a byte order mark, blanks and tabs around keys, no final line end,
  // units without the degree sign or glued to the number, check lines
  // before the ask they judge.
  const Experiment e = read("\xEF\xBB\xBF   # comment\r\n\r\nexperiment=E\r\n\tstep =  S \r\n"
                            "check = answer within 1 F of 212F\r\n"
                            "ask = number C\r\nquestion = q\r\n"
                            "do = thermostat -40 F\r\ndo = hold pressure 1 atm\r\n"
                            "do = hold pressure 500Pa\r\ndo = unit F\r\n"
                            "text = Keep # and = in a text\r\n"
                            "do = load Water_2.AMS\r\nmeasure = distance   peak 1 2");
  const Step &s = e.steps.at(0);
  EXPECT_EQ(s.title, "S");
  EXPECT_EQ(s.question->unit, "\u00B0C");
  EXPECT_EQ(s.checks[0].unit, "\u00B0F");
  EXPECT_EQ(s.checks[0].value, 212.0);
  EXPECT_EQ(s.checks[0].toleranceUnit, "\u00B0F");
  EXPECT_DOUBLE_EQ(s.actions[0].numbers[0], 233.0); // -40 °F is -40 °C, 273 K at 0 °C
  EXPECT_DOUBLE_EQ(s.actions[1].numbers[0], 101.325);
  EXPECT_DOUBLE_EQ(s.actions[2].numbers[0], 0.5);
  EXPECT_EQ(s.actions[3].text, "\u00B0F");
  EXPECT_EQ(s.paragraphs[0], "Keep # and = in a text");
  EXPECT_EQ(s.actions[4].text, "Water_2.AMS");
  EXPECT_EQ(s.measurement, (Measurement{MeasureKind::DistancePeak, {1.0, 2.0}}));
}

TEST(ExperimentReader, RefusesFaultsOfTheHeadWithTheirLine) {
  expectRefused("", 0, "lesson.experiment: the file has no \"experiment = TITLE\" line");
  expectRefused("# only a comment\n", 0, "has no \"experiment = TITLE\" line");
  expectRefused("experiment = E\n", 0, "lesson.experiment: the experiment has no steps");
  expectRefused("summary = s\nexperiment = E\n", 1, "must begin with \"experiment = TITLE\"");
  expectRefused("experiment = E\nexperiment = F\n", 2, "duplicate \"experiment\"");
  expectRefused("experiment = E\nminutes = 5\nminutes = 6\n", 3, "duplicate \"minutes\"");
  expectRefused("experiment = E\nminutes = 0\n", 2, "minutes must be a whole number from 1 to 600");
  expectRefused("experiment = E\nminutes = 601\n", 2, "from 1 to 600");
  expectRefused("experiment = E\nminutes = ten\n", 2, "from 1 to 600, not \"ten\"");
  expectRefused("experiment = E\nchecks = maybe\n", 2, "checks are \"on\" or \"off\"");
  expectRefused("experiment = E\ntext = early\n", 2, "\"text\" comes before the first step");
  expectRefused(kHead + "summary = late\n", 3, "\"summary\" belongs in the head");
  expectRefused("experiment =\n", 1, "\"experiment\" has no value");
  expectRefused(kHead + "step =  \n", 3, "\"step\" has no value");
  expectRefused(kHead + "colour = red\n", 3, "unknown key \"colour\"");
  expectRefused(kHead + "Text = keys are lower case\n", 3, "unknown key \"Text\"");
  expectRefused(kHead + "just words\n", 3, "expected \"key = value\"");
}

TEST(ExperimentReader, RefusesBadActionsWithTheirLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"do = jump", "lesson.experiment, line 3: unknown action \"jump\""},
      {"do = hold on", "unknown action \"hold\""},
      {"do = thermostat 3001 K", "thermostat above 3000 K"},
      {"do = thermostat 2800 \u00B0C", "thermostat above 3000 K"},
      {"do = thermostat -300 C", "thermostat below 0 K"},
      {"do = thermostat 300", "thermostat needs a temperature in K, \u00B0C or \u00B0F"},
      {"do = thermostat 300 kPa", "thermostat needs a temperature"},
      {"do = thermostat warm", "thermostat needs a number, not \"warm\""},
      {"do = thermostat nan K", "needs a number, not \"nan\""},
      {"do = thermostat 1e999 K", "needs a number"},
      {"do = thermostat 300Q", "\"300Q\" is not a number with a unit"},
      {"do = ramp 300 K 4000 K 10 steps", "ramp above 3000 K"},
      {"do = ramp 300 K 400 K 0 steps", "from 1 to 100000000, not \"0\""},
      {"do = ramp 300 K 400 K 1e3 steps", "a ramp's length must be a whole number"},
      {"do = ramp 300 K 400 K 10", "a ramp ends with its length in steps"},
      {"do = lid 20 %", "lid below 30 %"},
      {"do = lid 101 %", "lid above 100 %"},
      {"do = lid 80", "the lid is a percentage"},
      {"do = hold pressure 0 kPa", "the held pressure must be above 0"},
      {"do = hold pressure 2e7 kPa", "hold pressure above 10000000 kPa"},
      {"do = hold pressure 5 K", "hold pressure needs a pressure in kPa or atm"},
      {"do = speed 51", "speed must be a whole number from 1 to 50"},
      {"do = speed 2.5", "speed must be a whole number"},
      {"do = open garden", "open takes lab, large-view, interactions, not \"garden\""},
      {"do = chart colour", "chart takes temperature, energy"},
      {"do = unit kPa", "unit takes K, \u00B0C or \u00B0F, not \"kPa\""},
      {"do = load ../water.ams", "load must be a file name beside the experiment"},
      {"do = load C:\\water.ams", "load must be a file name beside the experiment"},
      {"do = load ..water.ams", "load must not hold \"..\""},
      {"do = load water.txt", "load must be a .ams file"},
      {"do = load .ams", "load must be a .ams file"},
      {"do = pause now", "unexpected \"now\" after pause"},
      {"picture = pictures/melt.png", "picture must be a file name beside the experiment"},
      {"picture = melt.gif", "picture must be a .png or .jpg file"},
  };
  for (const auto &[line, reason] : cases)
    expectRefused(kHead + line + "\n", 3, reason);
}

TEST(ExperimentReader, RefusesBadMeasurementsQuestionsAndChecksWithTheirLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"measure = weight", "unknown measurement \"weight\""},
      {"measure = plateau 300 K 200 K", "the window's first temperature must be below its second"},
      {"measure = latent heat 300 K", "the window needs a number"},
      {"measure = moving 16", "a material number must be a whole number from 0 to 15"},
      {"measure = well depth 1", "a material number must be a whole number"},
      {"measure = volume 3", "unexpected \"3\" after volume"},
      {"ask = essay", "unknown answer form \"essay\""},
      {"ask = number pm", "answers can be in K, \u00B0C"},
      {"ask = choice", "2 to 10 choices"},
      {"ask = choice A", "2 to 10 choices"},
      {"ask = choice A | B | C | D | E | F | G | H | I | J | K", "2 to 10 choices"},
      {"ask = choice A | | B", "a choice is empty"},
      {"ask = choice A | B | A", "the choice \"A\" is given twice"},
      {"check = answer near 5", "unknown check \"near\""},
      {"check = student is x", "a check begins with \"answer\" or \"measured\""},
      {"check = answer within -1 % of 5", "a tolerance cannot be below 0"},
      {"check = answer within 5 % 300 K", "\"within\" reads \"within TOLERANCE of TARGET\""},
      {"check = answer above", "the check has no target"},
      {"check = answer above boiling point 0", "unknown target \"boiling\""},
      {"check = answer above 2 x 300 K", "unknown target \"300\""},
      {"check = answer above 2 K x step 1", "a factor is a bare number"},
      {"check = answer above 0 x step 1", "a factor must be above 0"},
      {"check = answer above step 0", "a step number must be a whole number from 1 to 200"},
      {"check = answer above melting point 16", "a material number must be"},
      {"check = answer above 300 K now", "unexpected \"now\" after the check's target"},
      {"hint = look again", "a hint belongs right after the check it helps with"},
  };
  for (const auto &[line, reason] : cases)
    expectRefused(kHead + line + "\n", 3, reason);
  expectRefused(kHead + "check = answer is  \n", 3, "\"is\" needs the text to compare with");
  expectRefused(kHead + "picture = a.png\npicture = b.png\n", 4,
                "a step has one \"picture\" line (see line 3)");
  expectRefused(kHead + "measure = volume\ntext = t\nmeasure = pressure\n", 5,
                "a step has one \"measure\" line");
  expectRefused(kHead + "ask = text\nquestion = q\nask = text\n", 5, "one \"ask\" line");
  expectRefused(kHead + "ask = text\nquestion = q\nquestion = r\n", 5, "one \"question\" line");
  // A hint after another hint, or after a text that followed the check.
  const std::string check = "measure = moving 0\ncheck = measured above 5 %\n";
  expectRefused(kHead + check + "hint = a\nhint = b\n", 6, "a hint belongs right after");
  expectRefused(kHead + check + "text = t\nhint = a\n", 6, "a hint belongs right after");
}

TEST(ExperimentReader, RefusesStepsWhosePartsDoNotFitAtTheFaultyLine) {
  const std::string number = "ask = number K\nquestion = q\n"; // lines 3 and 4
  const std::pair<std::string, std::string> lastLineCases[] = {
      {number + "check = answer above 5 kPa",
       "the answer is a temperature but the target is a pressure"},
      {number + "check = answer within 2 kPa of 300 K",
       "the tolerance is a pressure but the answer is a temperature"},
      {number + "check = answer is hot", "\"is\" compares a text, but the answer is a number"},
      {number + "check = answer above measured",
       "the target \"measured\" needs a \"measure\" line in its step"},
      {"ask = number kPa\nquestion = q\ncheck = answer above melting point 0",
       "the answer is a pressure but the target is a temperature"},
      {"ask = number\nquestion = q\ncheck = answer above 5 K",
       "the answer is a number without a unit but the target is a temperature"},
      {"ask = choice a | b\nquestion = q\ncheck = answer above 3",
       "\"above\" compares numbers, but the answer is a text"},
      {"ask = choice a | b\nquestion = q\ncheck = answer is c", "\"c\" is not one of the choices"},
      {"ask = text\nquestion = q\ncheck = answer within 1 % of 3",
       "\"within\" compares numbers, but the answer is a text"},
      {"measure = phase 0\ncheck = measured is boiling", "\"boiling\" is not a phase"},
      {"measure = temperature\ncheck = measured within 1 % of measured",
       "the measurement is compared with itself"},
      {"measure = volume\ncheck = measured above 300 K",
       "the measurement is a volume but the target is a temperature"},
      {"check = answer above 5 K", "a check on the answer needs an \"ask\" line in its step"},
      {"check = measured above 5 K", "a check on \"measured\" needs a \"measure\" line"},
  };
  for (const auto &[lines, reason] : lastLineCases) {
    const std::string text = kHead + lines + "\n";
    const int last = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    expectRefused(text, last, reason);
    // Found only when the step is whole, the fault still names its line.
    expectRefused(text + "text = more\nstep = next\n", last, reason);
  }
  expectRefused(kHead + "ask = number K\ntext = t\n", 3,
                "\"ask\" needs a \"question = TEXT\" line in its step");
  expectRefused(kHead + "question = Why?\n", 3, "\"question\" needs an \"ask\" line");
}

TEST(ExperimentReader, ChecksReferToEarlierStepsThatMeasure) {
  const std::string steps = "experiment = E\n"
                            "step = one\nmeasure = pressure\n"               // 2-3
                            "step = two\ntext = nothing measured\n"          // 4-5
                            "step = three\nmeasure = phase 1\n"              // 6-7
                            "step = four\nask = number atm\nquestion = q\n"; // 8-10
  const Experiment e = read(steps + "check = answer within 10 % of 2 x step 1\n");
  EXPECT_EQ(e.steps[3].checks[0].step, 1);
  EXPECT_EQ(e.steps[3].checks[0].factor, 2.0);
  expectRefused(steps + "check = answer above step 5\n", 11,
                "check refers to step 5, which comes later");
  expectRefused(steps + "check = answer above step 4\n", 11,
                "check refers to step 4, its own step (write \"measured\")");
  expectRefused(steps + "check = answer above step 2\n", 11,
                "check refers to step 2, which measures nothing");
  expectRefused(steps + "check = answer above step 3\n", 11,
                "the target is a phase, but the answer is a number");
}

TEST(ExperimentReader, KeepsToItsLimits) {
  std::string many = "experiment = E\n";
  for (int k = 0; k < 200; ++k)
    many += "step = s\n";
  EXPECT_EQ(read(many).steps.size(), 200u);
  expectRefused(many + "step = one too many\n", 202, "an experiment has at most 200 steps");

  std::string actions = kHead;
  for (int k = 0; k < 50; ++k)
    actions += "do = run\n";
  EXPECT_EQ(read(actions).steps[0].actions.size(), 50u);
  expectRefused(actions + "do = run\n", 53, "a step has at most 50 actions");

  std::string checks = kHead + "measure = moving 0\n";
  for (int k = 0; k < 10; ++k)
    checks += "check = measured above 5 %\n";
  EXPECT_EQ(read(checks).steps[0].checks.size(), 10u);
  expectRefused(checks + "check = measured above 5 %\n", 14, "a step has at most 10 checks");

  const std::vector<std::string> tenChoices = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
  EXPECT_EQ(read(kHead + "ask = choice a | b | c | d | e | f | g | h | i | j\nquestion = q\n")
                .steps[0]
                .question->choices,
            tenChoices);
}

TEST(ExperimentReader, RefusesHostileBytes) {
  const std::string longest(kLongestLineBytes - 7, 'x'); // "text = " and 3993 bytes
  EXPECT_EQ(read(kHead + "text = " + longest + "\n").steps[0].paragraphs[0], longest);
  expectRefused(kHead + "text = " + longest + "x\n", 3, "the line is longer than 4000 bytes");
  // A comment is a line like any other.
  expectRefused(kHead + "# " + std::string(kLongestLineBytes, '#') + "\n", 3, "longer than");

  expectRefused(kHead + std::string("text = a\0b\n", 11), 3, "the line holds a NUL byte");
  expectRefused(kHead + "text = a\x1B[31m\n", 3, "the line holds a control character");
  expectRefused(kHead + "text = a\rb\n", 3, "the line holds a control character");
  for (const std::string bad : {"\xC3\x28", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                                "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xE2\x82", "\x80"})
    expectRefused(kHead + "text = " + bad + "\n", 3, "the line is not valid UTF-8 text");
  EXPECT_EQ(read(kHead + "text = \u00E5 \u20AC \U0001F9CA\ttab\n").steps[0].paragraphs[0],
            "\u00E5 \u20AC \U0001F9CA\ttab");
}

TEST(ExperimentReader, RefusesAFileLongerThanOneMebibyte) {
  const std::string lesson = "experiment = E\nstep = S\n";
  const std::string commentLine = "#" + std::string(99, '-') + "\n";
  std::string padded = lesson;
  while (padded.size() + commentLine.size() <= kLongestFileBytes)
    padded += commentLine;
  padded += std::string(kLongestFileBytes - padded.size(), '\n');
  ASSERT_EQ(padded.size(), kLongestFileBytes);
  EXPECT_EQ(read(padded).steps.size(), 1u);

  const Refused refused = refusal(padded + "\n");
  EXPECT_EQ(refused.line, 0);
  EXPECT_EQ(refused.what, "lesson.experiment: the file is longer than 1 MiB");
}

TEST(ExperimentReader, NamesAFileThatCannotBeOpened) {
  try {
    readExperimentFile("/no/such/folder/lesson.experiment");
    FAIL() << "a missing file was read";
  } catch (const ExperimentError &error) {
    EXPECT_EQ(std::string(error.what()),
              "/no/such/folder/lesson.experiment: the file cannot be opened");
    EXPECT_EQ(error.line(), 0);
    EXPECT_EQ(error.reason(), "the file cannot be opened");
  }
}

// corvanta-soak [--minutes M] [--step-ms MS]: runs the real window offscreen
// in the shipped resources folder for M minutes (default 10), working it as
// a class does, one step every MS milliseconds (default 1500). Every 10 s it
// prints the resident memory and the drawing layer's live handles. Passes
// (exit 0) when, after the first minute, the memory grew by less than 1 MiB,
// the handle count was the same at every scenario start, and no message box
// came up.
#include "class_routine.h"
#include "frm_orvel_model.h"
#include "message_box.h"
#include "resource_sampler.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <set>

namespace {

constexpr int kSampleMs = 10000;
constexpr qint64 kWarmUpMs = 60000;
constexpr std::int64_t kAllowedGrowthKib = 1024;

struct Record {
  std::int64_t firstRssKib = -1; // the first sample after the warm-up
  std::int64_t lastRssKib = 0;
  std::set<int> handlesAtStarts;
  int messages = 0;
  int steps = 0;
};

bool verdict(const Record &r) {
  if (r.firstRssKib < 0) {
    std::printf("FAIL: the run ended within its first minute; nothing to compare\n");
    return false;
  }
  const std::int64_t growth = r.lastRssKib - r.firstRssKib;
  std::printf("steps %d, resident memory grew %lld KiB after the first minute (allowed %lld), "
              "handle counts at scenario starts: %zu distinct, messages: %d\n",
              r.steps, static_cast<long long>(growth), static_cast<long long>(kAllowedGrowthKib),
              r.handlesAtStarts.size(), r.messages);
  const bool pass = growth < kAllowedGrowthKib && r.handlesAtStarts.size() == 1 && r.messages == 0;
  std::printf("%s\n", pass ? "PASS" : "FAIL");
  return pass;
}

} // namespace

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  const QCommandLineOption minutesOption(QStringLiteral("minutes"),
                                         QStringLiteral("How long to run."), QStringLiteral("M"),
                                         QStringLiteral("10"));
  const QCommandLineOption stepOption(QStringLiteral("step-ms"),
                                      QStringLiteral("Milliseconds between steps."),
                                      QStringLiteral("MS"), QStringLiteral("1500"));
  parser.addOptions({minutesOption, stepOption});
  parser.addHelpOption();
  parser.process(app);
  QDir::setCurrent(QStringLiteral(CORVANTA_RESOURCES));

  Record record;
  scene::setMessageSink([&record](const QString &, const QString &text) {
    ++record.messages;
    std::printf("message: %s\n", qPrintable(text));
  });
  frmOrvelModel window;
  if (!window.Form_Load())
    return 1;
  window.show();
  const auto steps = soak::classRoutine(window);

  QElapsedTimer clock;
  clock.start();
  QTimer actions;
  QObject::connect(&actions, &QTimer::timeout, [&] {
    const soak::ClassStep &step = steps[record.steps++ % steps.size()];
    step.act();
    if (step.startsScenario)
      record.handlesAtStarts.insert(soak::liveHandles());
  });
  const auto sample = [&] {
    const std::int64_t rss = soak::residentKib();
    if (clock.elapsed() >= kWarmUpMs && record.firstRssKib < 0)
      record.firstRssKib = rss;
    record.lastRssKib = rss;
    std::printf("%6lld s  %8lld KiB  %4d handles\n", static_cast<long long>(clock.elapsed() / 1000),
                static_cast<long long>(rss), soak::liveHandles());
    std::fflush(stdout);
  };
  QTimer sampler;
  QObject::connect(&sampler, &QTimer::timeout, sample);
  actions.start(parser.value(stepOption).toInt());
  sampler.start(kSampleMs);
  QTimer::singleShot(parser.value(minutesOption).toInt() * 60000, &app, &QApplication::quit);
  app.exec();
  sample();
  return verdict(record) ? 0 : 1;
}

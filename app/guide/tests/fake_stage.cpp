#include "fake_stage.h"

#include "scenario/mod_dorn_dll.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace {

const std::array<const char *, 3> kWindowNames = {"lab", "large-view", "interactions"};
const std::array<const char *, 5> kChartNames = {"temperature", "energy", "pressure",
                                                 "heating-curve", "phase-diagram"};
const std::array<const char *, 3> kUnitNames = {"°F", "°C", "K"};

constexpr int kChartPictureSize = 16;
constexpr int kChartHueStep = 60;

QString chartName(guide::Chart chart) {
  return QString::fromUtf8(kChartNames.at(std::size_t(chart)));
}

} // namespace

QImage chartPicture(guide::Chart chart) {
  QImage picture(kChartPictureSize, kChartPictureSize, QImage::Format_RGB32);
  picture.fill(QColor::fromHsv(int(chart) * kChartHueStep, 255, 255));
  return picture;
}

FakeStage::FakeStage() { controller_.startUp(); }

QString FakeStage::shippedScenario(const QString &name) {
  return QDir(QStringLiteral(CORVANTA_RESOURCES_DIR)).filePath(name);
}

bool FakeStage::loadScenario(const QString &path) {
  calls << QStringLiteral("load ") + QFileInfo(path).fileName();
  try {
    controller_.load(path.toStdString());
    return true;
  } catch (const ModDornDll::ScenarioError &) {
    return false;
  }
}

void FakeStage::setPaused(bool paused) {
  calls << (paused ? QStringLiteral("pause") : QStringLiteral("run"));
  controller_.setPaused(paused);
}

void FakeStage::setStepsPerTick(int steps) {
  calls << QStringLiteral("speed %1").arg(steps);
  controller_.setStepsPerTick(steps);
}

void FakeStage::setTemperatureUnit(analysis::TemperatureUnit unit) {
  calls << QStringLiteral("unit ") + QString::fromUtf8(kUnitNames.at(std::size_t(unit)));
}

void FakeStage::openWindow(guide::Window window) {
  calls << QStringLiteral("open ") + QString::fromUtf8(kWindowNames.at(std::size_t(window)));
}

void FakeStage::showChart(guide::Chart chart) {
  calls << QStringLiteral("chart ") + chartName(chart);
}

QImage FakeStage::chartImage(guide::Chart chart) {
  calls << QStringLiteral("image ") + chartName(chart);
  return chartPicture(chart);
}

void FakeStage::commanded() { calls << QStringLiteral("commanded"); }

bool FakeStage::run(std::int64_t steps, const std::function<void()> &observe) {
  const std::int64_t end = controller_.step() + steps;
  std::int64_t observed = controller_.step();
  while (controller_.step() < end) {
    if (!controller_.tick())
      return false;
    if (observe && controller_.step() - observed >= kObserveSteps) {
      observe();
      observed = controller_.step();
    }
  }
  if (observe)
    observe();
  return true;
}

#include "run_folder_fixture.h"

#include "message_box.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

const QColor RunFolderTest::kRedSun(220, 30, 20);
const QColor RunFolderTest::kOrangeSun(250, 140, 20);
const QColor RunFolderTest::kYellowSun(250, 230, 40);

namespace {

void writeDisc(const QString &file, int size, const QColor &colour) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(0, 0, size, size);
  painter.end();
  ASSERT_TRUE(image.save(file, "BMP")) << file.toStdString();
}

} // namespace

void RunFolderTest::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("bitmaps")));
  writeDisc(path(QStringLiteral("bitmaps/sun-red.bmp")), 24, kRedSun);
  writeDisc(path(QStringLiteral("bitmaps/sun-orange.bmp")), 24, kOrangeSun);
  writeDisc(path(QStringLiteral("bitmaps/sun-yellow.bmp")), 24, kYellowSun);
  for (int i = 1; i <= 6; ++i)
    writeDisc(path(QStringLiteral("bitmaps/atom%1.bmp").arg(i)), 8,
              QColor::fromHsv(i * 50, 200, 230));
  QImage eye(32, 32, QImage::Format_ARGB32);
  eye.fill(Qt::blue);
  ASSERT_TRUE(eye.save(path(QStringLiteral("bitmaps/eye.ico")), "ICO"));

  const std::pair<const char *, int> scenarios[] = {{"gas.ams", kGasAtoms},
                                                    {"liquid.ams", kLiquidAtoms},
                                                    {"solid.ams", kSolidAtoms},
                                                    {"gas-gas.ams", kGasGasAtoms},
                                                    {"liquid-gas.ams", kLiquidGasAtoms},
                                                    {"solid-liquid.ams", kSolidLiquidAtoms},
                                                    {"solid-gas.ams", kSolidGasAtoms}};
  for (const auto &[file, atoms] : scenarios)
    writeScenario(path(QString::fromLatin1(file)), atoms);

  previousFolder_ = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder_.path()));
  scene::setMessageSink([this](const QString &, const QString &text) { messages << text; });
}

void RunFolderTest::TearDown() {
  window.reset();
  scene::setMessageSink({});
  QDir::setCurrent(previousFolder_);
}

void RunFolderTest::removeFile(const QString &name) const {
  ASSERT_TRUE(QFile::remove(path(name)));
}

void RunFolderTest::writeText(const QString &name, const QByteArray &text) const {
  QFile file(path(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

// Atoms on a 4 x 4 x n grid, 1500 units apart (about the pair distance of
// the default potential), inside a box of 8000 units.
void RunFolderTest::writeScenario(const QString &file, int atoms) {
  QByteArray text;
  auto line = [&text](const QString &content) { text += content.toLatin1() + "\r\n"; };
  line(QStringLiteral("Version = 1"));
  line(QStringLiteral("Number of atoms = %1").arg(atoms));
  line(QStringLiteral("Number of types = 1"));
  line(QStringLiteral("Temperature = 50"));
  line(QStringLiteral("Gravity = 0"));
  line(QStringLiteral("Timestep = 1"));
  line(QStringLiteral("Steps per run = 5"));
  line(QStringLiteral("box min dimensions = 0, 0, 0"));
  line(QStringLiteral("box max dimensions = 8000, 8000, 8000"));
  line(QStringLiteral("Type 0 has mass 1"));
  line(QStringLiteral("Potential functions:"));
  line(QStringLiteral("1024, 2, 1412, 2048"));
  line(QStringLiteral(" x, y, z, vx, vy, vz, mass, type"));
  for (int k = 0; k < atoms; ++k)
    line(QStringLiteral("%1, %2, %3, %4, 0, 0, 0, 1, 0")
             .arg(k)
             .arg(1000 + 1500 * (k % 4))
             .arg(1000 + 1500 * (k / 4 % 4))
             .arg(1000 + 1500 * (k / 16)));
  line(QStringLiteral("**** End Of File ****"));
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(text);
}

frmOrvelModel &RunFolderTest::openWindow() {
  window = std::make_unique<frmOrvelModel>();
  QObject::connect(window.get(), &frmOrvelModel::fatalError, [this] { ++fatalErrors; });
  EXPECT_TRUE(window->Form_Load());
  window->show();
  return *window;
}

#include "picture_box.h"

#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cstring>

namespace scene {
namespace {

// Pictures are held as 0x00RRGGBB pixels, the layout of a colour bitmap; a
// partly transparent picture (an icon) is first laid over the background.
QImage toBitmapPixels(const QImage &source, raster::COLORREF background) {
  QImage pixels(source.size(), QImage::Format_RGB32);
  pixels.fill(QColor::fromRgb(background));
  QPainter painter(&pixels);
  painter.drawImage(0, 0, source);
  painter.end();
  const qsizetype count = qsizetype(pixels.width()) * pixels.height();
  auto *p = reinterpret_cast<std::uint32_t *>(pixels.bits());
  std::transform(p, p + count, p, [](std::uint32_t rgb) { return rgb & 0x00FFFFFFu; });
  return pixels;
}

} // namespace

PictureBox::PictureBox(QWidget *parent, int width, int height, Border border, bool autoSize)
    : QWidget(parent), border_(border), autoSize_(autoSize),
      background_(palette().color(QPalette::Base).rgb() & 0x00FFFFFFu) {
  hdc_ = raster::CreateCompatibleDC(0);
  resizeSurface(width, height);
}

PictureBox::~PictureBox() {
  raster::DeleteDC(hdc_);
  raster::DeleteObject(bitmap_);
}

void PictureBox::resizeSurface(int width, int height) {
  const raster::HBITMAP fresh = raster::CreateColorBitmap(width, height);
  raster::SelectObject(hdc_, fresh);
  if (bitmap_ != 0)
    raster::DeleteObject(bitmap_);
  bitmap_ = fresh;
  drawWidth_ = width;
  drawHeight_ = height;
  resize(width + 2 * borderWidth(), height + 2 * borderWidth());
  clear();
}

void PictureBox::loadPicture(const std::string &path) {
  const QImage loaded(QString::fromStdString(path));
  if (loaded.isNull())
    throw raster::PictureError(
        tr("The picture file %1 is missing or is not a picture that can be read.")
            .arg(QString::fromStdString(path))
            .toStdString());
  setPicture(loaded);
}

void PictureBox::setPicture(const QImage &picture) {
  picture_ = toBitmapPixels(picture, background_);
  if (autoSize_)
    resizeSurface(picture_.width(), picture_.height());
  else
    clear();
}

void PictureBox::clear() {
  raster::FillRect(hdc_, 0, 0, drawWidth_, drawHeight_, background_);
  int width = 0;
  int height = 0;
  std::uint32_t *pixels = raster::BitmapPixels(bitmap_, &width, &height);
  if (pixels == nullptr || picture_.isNull())
    return;
  const int rows = std::min(height, picture_.height());
  const auto rowBytes = std::size_t(std::min(width, picture_.width())) * sizeof(std::uint32_t);
  for (int y = 0; y < rows; ++y)
    std::memcpy(pixels + std::size_t(y) * width, picture_.constScanLine(y), rowBytes);
  update();
}

void PictureBox::setVisible(bool visible) { QWidget::setVisible(visible); }

void PictureBox::refresh() { update(); }

QImage PictureBox::image() const {
  int width = 0;
  int height = 0;
  const std::uint32_t *pixels = raster::BitmapPixels(bitmap_, &width, &height);
  if (pixels == nullptr)
    return {};
  return QImage(reinterpret_cast<const uchar *>(pixels), width, height,
                qsizetype(width) * sizeof(std::uint32_t), QImage::Format_RGB32)
      .copy();
}

void PictureBox::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  int width = 0;
  int height = 0;
  const std::uint32_t *pixels = raster::BitmapPixels(bitmap_, &width, &height);
  if (pixels != nullptr) {
    const QImage view(reinterpret_cast<const uchar *>(pixels), width, height,
                      qsizetype(width) * sizeof(std::uint32_t), QImage::Format_RGB32);
    painter.drawImage(borderWidth(), borderWidth(), view);
  }
  if (border_ == Border::Single) {
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect();
    frame.lineWidth = borderWidth();
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
  }
}

} // namespace scene

// A picture box: a widget whose pixels live in a drawing-layer colour bitmap
// selected into its own memory context. Drawing goes to hDC(); painting only
// copies the bitmap to the screen.
#pragma once

#include "raster/gdi.h"
#include "raster/picture_surface.h"

#include <QImage>
#include <QWidget>

namespace scene {

class PictureBox : public QWidget, public raster::PictureSurface {
  Q_OBJECT

public:
  enum class Border { None, Single };

  // A box of width x height drawing pixels; autoSize makes it take the size
  // of every picture loaded into it.
  PictureBox(QWidget *parent, int width, int height, Border border, bool autoSize);
  ~PictureBox() override;
  PictureBox(const PictureBox &) = delete;
  PictureBox &operator=(const PictureBox &) = delete;

  // raster::PictureSurface
  void loadPicture(const std::string &path) override;
  void setVisible(bool visible) override;
  void refresh() override;
  raster::HDC hDC() const override { return hdc_; }
  double scaleWidth() const override { return drawWidth_; }
  double scaleHeight() const override { return drawHeight_; }

  // Makes the image the box's picture (from a file or a resource path).
  void setPicture(const QImage &picture);
  // Clears what was drawn: the background colour with the picture over it.
  void clear();
  raster::COLORREF backgroundColour() const { return background_; }
  // Width of the frame around the drawing area, in pixels.
  int borderWidth() const { return border_ == Border::Single ? 2 : 0; }
  // The drawing surface as an image (a copy), for checks and screenshots.
  QImage image() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  void resizeSurface(int width, int height);

  Border border_;
  bool autoSize_;
  raster::COLORREF background_;
  raster::HDC hdc_ = 0;
  raster::HBITMAP bitmap_ = 0;
  int drawWidth_ = 0;
  int drawHeight_ = 0;
  QImage picture_; // XRGB pixels of the loaded picture, black where it has none
};

} // namespace scene

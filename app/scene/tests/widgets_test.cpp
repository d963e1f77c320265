// The window's building blocks: number patterns, picture boxes, the keyed
// image list and the panel status bar.
#include "image_list.h"
#include "number_format.h"
#include "panel_status_bar.h"
#include "picture_box.h"

#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using scene::formatNumber;
using scene::PictureBox;

TEST(NumberPatterns, PadIntegerDigitsAndFixDecimals) {
  EXPECT_EQ(formatNumber(98.52f, 2, 1), "98.5");
  EXPECT_EQ(formatNumber(0.0, 2, 1), "00.0");
  EXPECT_EQ(formatNumber(50.0956, 2, 1), "50.1");
  EXPECT_EQ(formatNumber(110.0, 2, 1), "110.0");
  EXPECT_EQ(formatNumber(7.254, 2, 2), "07.25");
  EXPECT_EQ(formatNumber(0.01234, 1, 3), "0.012");
  EXPECT_EQ(formatNumber(-3.5, 2, 1), "-03.5");
}

class PictureBoxTest : public testing::Test {
protected:
  QString writeImage(const QString &name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixelColor(0, 0, Qt::black);
    const QString file = folder.filePath(name);
    EXPECT_TRUE(image.save(file));
    return file;
  }
  QTemporaryDir folder;
};

TEST_F(PictureBoxTest, LoadingSizesTheBoxToThePictureAndKeepsPureBlack) {
  PictureBox box(nullptr, 25, 25, PictureBox::Border::None, true);
  box.loadPicture(writeImage(QStringLiteral("p.bmp"), {12, 7}, QColor(10, 20, 30)).toStdString());
  EXPECT_EQ(box.scaleWidth(), 12);
  EXPECT_EQ(box.scaleHeight(), 7);
  EXPECT_EQ(box.size(), QSize(12, 7));
  int width = 0;
  int height = 0;
  const std::uint32_t *pixels =
      raster::BitmapPixels(raster::GetSelectedBitmap(box.hDC()), &width, &height);
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(width, 12);
  EXPECT_EQ(pixels[0], 0x000000u); // black stays exactly black: the sprites' transparent colour
  EXPECT_EQ(pixels[1], raster::RGB(10, 20, 30));
}

TEST_F(PictureBoxTest, ClearRemovesDrawingButKeepsThePicture) {
  PictureBox box(nullptr, 40, 30, PictureBox::Border::Single, false);
  EXPECT_EQ(box.size(), QSize(44, 34)); // the border lies outside the drawing area
  box.loadPicture(writeImage(QStringLiteral("p.png"), {20, 10}, Qt::green).toStdString());
  EXPECT_EQ(box.scaleWidth(), 40); // no auto-size: the box keeps its size
  raster::DrawLine(box.hDC(), 0, 20, 39, 20, raster::RGB(255, 0, 0));
  EXPECT_EQ(box.image().pixel(5, 20) & 0xFFFFFF, 0xFF0000u);
  box.clear();
  const QImage cleared = box.image();
  EXPECT_EQ(cleared.pixel(5, 20) & 0xFFFFFF, box.backgroundColour());
  EXPECT_EQ(cleared.pixel(5, 5) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(PictureBoxTest, MissingPictureNamesTheFileAndKeepsTheBox) {
  PictureBox box(nullptr, 25, 25, PictureBox::Border::None, true);
  const std::string missing = folder.filePath(QStringLiteral("none.bmp")).toStdString();
  try {
    box.loadPicture(missing);
    FAIL() << "no error for a missing picture";
  } catch (const raster::PictureError &error) {
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos);
  }
  EXPECT_EQ(box.scaleWidth(), 25);
}

TEST(KeyedImageList, AddressesPicturesFromOne) {
  scene::KeyedImageList list;
  QPixmap first(4, 4);
  first.fill(Qt::red);
  list.add(QStringLiteral("Summer"), first);
  list.add(QStringLiteral("Winter"), QPixmap(2, 2));
  EXPECT_EQ(list.key(1), "Summer");
  EXPECT_EQ(list.key(2), "Winter");
  EXPECT_EQ(list.picture(1).cacheKey(), first.cacheKey());
  EXPECT_THROW(list.picture(0), std::out_of_range);
  EXPECT_THROW(list.key(3), std::out_of_range);
}

TEST(PanelStatusBar, PanelsAreAddressedFromOne) {
  scene::PanelStatusBar bar(nullptr);
  bar.addPanel(QStringLiteral("A"), QStringLiteral("first"), 96);
  bar.addPanel(QStringLiteral("B"), QStringLiteral("second"), 75);
  bar.setPanelText(2, QStringLiteral("FPS: 10.00"));
  EXPECT_EQ(bar.panelText(1), "A");
  EXPECT_EQ(bar.panelText(2), "FPS: 10.00");
  EXPECT_EQ(bar.panel(2)->width(), 75);
  EXPECT_EQ(bar.panel(1)->toolTip(), "first");
  EXPECT_EQ(bar.panel(3), nullptr);
  bar.setPanelText(0, QStringLiteral("ignored"));
  EXPECT_EQ(bar.panelText(0), QString());
}

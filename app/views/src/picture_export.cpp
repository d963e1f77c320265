#include "picture_export.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>
#include <QImageWriter>
#include <QMessageBox>

namespace views {

QString savePicture(const QImage &picture, const QString &path) {
  if (picture.isNull())
    return QCoreApplication::translate("views::PictureExport", "There is no picture to save.");
  QImageWriter writer(path, "png");
  if (writer.write(picture))
    return {};
  return writer.errorString();
}

void exportPicture(QWidget *parent, const QImage &picture, const QString &fileName) {
  const QString title = QCoreApplication::translate("views::PictureExport", "Export Picture");
  const QString path = QFileDialog::getSaveFileName(
      parent, title, fileName,
      QCoreApplication::translate("views::PictureExport", "PNG pictures (*.png)"));
  if (path.isEmpty())
    return;
  if (const QString problem = savePicture(picture, path); !problem.isEmpty())
    QMessageBox::warning(parent, title,
                         QCoreApplication::translate("views::PictureExport",
                                                     "The picture cannot be saved as %1:\n%2")
                             .arg(path, problem));
}

} // namespace views

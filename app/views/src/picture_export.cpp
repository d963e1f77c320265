#include "picture_export.h"

#include <QFileDialog>
#include <QImage>
#include <QImageWriter>
#include <QMessageBox>

namespace views {

QString savePicture(const QImage &picture, const QString &path) {
  if (picture.isNull())
    return QStringLiteral("There is no picture to save.");
  QImageWriter writer(path, "png");
  if (writer.write(picture))
    return {};
  return writer.errorString();
}

void exportPicture(QWidget *parent, const QImage &picture, const QString &fileName) {
  const QString path = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Export Picture"), fileName, QStringLiteral("PNG pictures (*.png)"));
  if (path.isEmpty())
    return;
  if (const QString problem = savePicture(picture, path); !problem.isEmpty())
    QMessageBox::warning(
        parent, QStringLiteral("Export Picture"),
        QStringLiteral("The picture cannot be saved as %1:\n%2").arg(path, problem));
}

} // namespace views

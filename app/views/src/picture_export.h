// Saving a view as a PNG picture, as it stands on screen.
#pragma once

#include <QString>

class QImage;
class QWidget;

namespace views {

// Writes the picture as PNG; an empty result, or what went wrong.
QString savePicture(const QImage &picture, const QString &path);

// Asks where to save the picture (suggesting fileName), saves it, and tells
// the user when that fails.
void exportPicture(QWidget *parent, const QImage &picture, const QString &fileName);

} // namespace views

#pragma once

#include <QImage>

// The main window's landscape: sky with a cloud, the sea with its horizon,
// a beach at the lower left and a rock headland at the right. No sun: the
// program draws its own over the sky. 542 x 314, RGB888.
QImage renderLandscape();

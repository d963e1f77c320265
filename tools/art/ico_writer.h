#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// Encodes one or more square images as a Windows icon file: an icon
// directory followed by one 32-bit BGRA bitmap with its AND mask per image,
// which every icon reader understands. Sizes from 1 to 256 pixels.
QByteArray encodeIco(const std::vector<QImage> &images);

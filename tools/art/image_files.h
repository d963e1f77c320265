#pragma once

#include "art_catalog.h"

#include <QDir>
#include <QString>

// Writes one picture under `folder`, creating its sub-folder when needed.
// On failure returns false and sets `error` to a message naming the file
// and what went wrong.
bool writeArtPiece(const ArtPiece &piece, const QDir &folder, QString *error);

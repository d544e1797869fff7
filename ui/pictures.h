#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Loads a resource picture, taking its "@2x" variant when the screen has twice the pixels.
// A missing resource gives a null pixmap, which a label simply does not show.
QPixmap loadPicture(const QString& path, qreal devicePixelRatio);

// An icon from ":/icons/<stem>-<size>.png" for the sizes that exist.
QIcon loadIcon(const QString& stem, std::initializer_list<int> sizes);

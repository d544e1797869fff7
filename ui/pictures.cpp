#include "ui/pictures.h"

#include <QFile>

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        const QString doubled = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
        if (QFile::exists(doubled)) {
            QPixmap pixmap(doubled);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(path);
}

QIcon loadIcon(const QString& stem, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) {
        const QString file = QStringLiteral(":/icons/%1-%2.png").arg(stem).arg(size);
        if (QFile::exists(file)) {
            icon.addFile(file, QSize(size, size));
        }
    }
    return icon;
}

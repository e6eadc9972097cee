// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/picture.h"

#include <QPainter>
#ifdef ABACOLO_PNG_PICTURES
#include <QImage>
#else
#include <QSvgRenderer>
#endif

namespace abacolo {

QString pictureResource(const QString& drawing) {
#ifdef ABACOLO_PNG_PICTURES
    QString png = drawing;
    if (png.endsWith(QStringLiteral(".svg")))
        png.replace(png.size() - 4, 4, QStringLiteral(".png"));
    return png;
#else
    return drawing;
#endif
}

QIcon windowIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/it.abacolo.Abacolo.png").arg(size),
                     QSize(size, size));
    return icon;
}

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), m_resource(resource) {
    setFocusPolicy(Qt::NoFocus);
}

void Picture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_cache.size() != pixels || m_cache.devicePixelRatio() != ratio) {
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
#ifdef ABACOLO_PNG_PICTURES
        // The rendering made for the nearest density, scaled to the exact size like the SVG would be.
        QString file = pictureResource(m_resource);
        if (ratio > 1)
            file.insert(file.size() - 4, QStringLiteral("@2x"));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(pixels)), QImage(file));
#else
        QSvgRenderer renderer(m_resource);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
#endif
        painter.end();
        pixmap.setDevicePixelRatio(ratio);
        m_cache = pixmap;
        ++m_renders;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}

} // namespace abacolo

#include "app/runtime/picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace abacolo {

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), m_resource(resource) {
    setFocusPolicy(Qt::NoFocus);
}

void Picture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_cache.size() != pixels || m_cache.devicePixelRatio() != ratio) {
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        QSvgRenderer renderer(m_resource);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        painter.end();
        pixmap.setDevicePixelRatio(ratio);
        m_cache = pixmap;
        ++m_renders;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}

} // namespace abacolo

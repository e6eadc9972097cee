// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/picture.h"

#include <QIconEngine>
#include <QPainter>
#ifdef ABACOLO_PNG_PICTURES
#include <QImage>
#else
#include <QSvgRenderer>
#endif

namespace abacolo {
namespace {

// A button's picture: the drawing rendered for each size the button asks for, and kept.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(const QString& drawing) : m_renderings(drawing) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect.topLeft(), m_renderings.at((QSizeF(rect.size()) * ratio).toSize(), ratio));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return m_renderings.at(size, 1.0);
    }
    QIconEngine* clone() const override { return new PictureIconEngine(m_renderings.drawing()); }

private:
    Renderings m_renderings;
};

} // namespace

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

QPixmap Renderings::at(QSize size, qreal ratio) {
    const QPair<int, int> key(size.width(), size.height());
    auto kept = m_kept.constFind(key);
    if (kept != m_kept.constEnd() && kept->devicePixelRatio() == ratio)
        return *kept;
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
#ifdef ABACOLO_PNG_PICTURES
    // The rendering made for the nearest density (the designed size, or twice it for a picture shown
    // larger: on a dense display or in full screen), scaled to the exact size like the SVG would be.
    QString file = pictureResource(m_drawing);
    const QImage designed(file);
    if (size.width() > designed.width())
        file.insert(file.size() - 4, QStringLiteral("@2x"));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), QImage(file));
#else
    QSvgRenderer renderer(m_drawing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
#endif
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    m_kept.insert(key, pixmap);
    ++m_renders;
    return pixmap;
}

QIcon pictureIcon(const QString& drawing) {
    return QIcon(new PictureIconEngine(drawing));
}

QIcon windowIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/it.abacolo.Abacolo.png").arg(size),
                     QSize(size, size));
    return icon;
}

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), m_renderings(resource) {
    setFocusPolicy(Qt::NoFocus);
}

void Picture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_renderings.at((QSizeF(size()) * ratio).toSize(), ratio));
}

} // namespace abacolo

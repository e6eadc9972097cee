// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/picture.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#ifndef ABACOLO_PNG_PICTURES
#include <QSvgRenderer>
#endif

namespace abacolo {
namespace {

constexpr int windowIconSizes[] = {16, 32, 48, 64};

// How work that can be done ahead of its use is started: on a thread of its own, or, where the program
// has no threads (in the browser), when its result is first asked for.
#if QT_CONFIG(thread)
constexpr std::launch ahead = std::launch::async;
#else
constexpr std::launch ahead = std::launch::deferred;
#endif

// A reader of a PNG compiled in, and of nothing else: a reader free to guess would load and ask every
// image plugin.
class PngReader : public QImageReader {
public:
    explicit PngReader(const QString& file) : QImageReader(file, "png") { setAutoDetectImageFormat(false); }
};

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

// The drawing at `size` device pixels. Painting on an image, it may run on any thread.
QImage rendered(const QString& drawing, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
#ifdef ABACOLO_PNG_PICTURES
    // The rendering made for the nearest density (the designed size, or twice it for a picture shown
    // larger: on a dense display or in full screen), scaled to the exact size like the SVG would be.
    // The designed size is read from the file's header: decoding the picture only to learn its size
    // would double the work for every picture shown larger.
    QString file = pictureResource(drawing);
    if (size.width() > PngReader(file).size().width())
        file.insert(file.size() - 4, QStringLiteral("@2x"));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), PngReader(file).read());
#else
    QSvgRenderer renderer(drawing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
#endif
    painter.end();
    return image;
}

// The window icon's sizes, read into images.
QList<QImage> iconImages() {
    QList<QImage> images;
    for (const int size : windowIconSizes) {
        const QString file = QStringLiteral(":/icons/%1x%1/apps/it.abacolo.Abacolo.png").arg(size);
        images.append(PngReader(file).read());
    }
    return images;
}

// The window icon, its images read on another thread (where there are threads): a window asks for them
// only when it is shown, by when the reading has long been done. Then they make an ordinary icon, which
// chooses and scales.
class WindowIconEngine : public QIconEngine {
public:
    WindowIconEngine() : m_reading(std::async(ahead, iconImages).share()) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    // Known without waiting for the images.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : windowIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new WindowIconEngine(*this); }
    QString key() const override { return QStringLiteral("abacolo-window"); }

private:
    QIcon& icon() {
        if (m_icon.isNull()) {
            for (const QImage& image : m_reading.get())
                m_icon.addPixmap(QPixmap::fromImage(image));
        }
        return m_icon;
    }

    std::shared_future<QList<QImage>> m_reading;
    QIcon m_icon;
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

void Renderings::prepare(QSize size, qreal ratio) {
    if (m_prepared.valid() || m_kept.contains({size.width(), size.height()}))
        return;
    m_preparedSize = size;
    m_preparedRatio = ratio;
    m_prepared = std::async(ahead, rendered, m_drawing, size);
    ++m_renders;
}

QPixmap Renderings::at(QSize size, qreal ratio) {
    const QPair<int, int> key(size.width(), size.height());
    auto kept = m_kept.constFind(key);
    if (kept != m_kept.constEnd() && kept->devicePixelRatio() == ratio)
        return *kept;
    QPixmap pixmap;
    if (m_prepared.valid() && m_preparedSize == size && m_preparedRatio == ratio) {
        pixmap = QPixmap::fromImage(m_prepared.get());
    } else {
        pixmap = QPixmap::fromImage(rendered(m_drawing, size));
        ++m_renders;
    }
    pixmap.setDevicePixelRatio(ratio);
    m_kept.insert(key, pixmap);
    return pixmap;
}

QIcon pictureIcon(const QString& drawing) {
    return QIcon(new PictureIconEngine(drawing));
}

QIcon windowIcon() {
    return QIcon(new WindowIconEngine);
}

Picture::Picture(const QString& resource, QSize size, QWidget* parent)
    : QWidget(parent), m_renderings(resource) {
    setFocusPolicy(Qt::NoFocus);
    resize(size);
    const qreal ratio = devicePixelRatioF();
    m_renderings.prepare((QSizeF(size) * ratio).toSize(), ratio);
}

void Picture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_renderings.at((QSizeF(size()) * ratio).toSize(), ratio));
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/picture.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QtEndian>

#include <cstring>

#if !defined(ABACOLO_PNG_PICTURES) && !defined(ABACOLO_PIXEL_PICTURES)
#include <QSvgRenderer>
#endif

namespace abacolo {
namespace {

constexpr int windowIconSizes[] = {16, 32, 48, 64};
// The bytes before a pixel rendering's pixels: "ABPX", the width and the height; and its longest side.
constexpr qsizetype pixelHeader = 12;
constexpr quint32 pixelSideLimit = 16384;

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

#if defined(ABACOLO_PNG_PICTURES)
constexpr char renderingSuffix[] = ".png";
// A rendering's size, from the PNG's header: decoding the picture only to learn its size would double
// the work for every picture shown larger than designed.
QSize renderingSize(const QString& file) {
    return PngReader(file).size();
}
QImage renderingImage(const QString& file) {
    return PngReader(file).read();
}
#elif defined(ABACOLO_PIXEL_PICTURES)
constexpr char renderingSuffix[] = ".pixels";
// A rendering stored as its pixels, read with no decoding at all: its resource is stored uncompressed.
QByteArray renderingData(const QString& file) {
    return QResource(file).uncompressedData();
}
QSize renderingSize(const QString& file) {
    return pixelPictureSize(renderingData(file));
}
QImage renderingImage(const QString& file) {
    return pixelPicture(renderingData(file));
}
#endif

// The drawing at `size` device pixels. Painting on an image, it may run on any thread.
QImage rendered(const QString& drawing, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
#if defined(ABACOLO_PNG_PICTURES) || defined(ABACOLO_PIXEL_PICTURES)
    // The rendering made for the nearest density (the designed size, or twice it for a picture shown
    // larger: on a dense display or in full screen), scaled to the exact size like the SVG would be.
    QString file = pictureResource(drawing);
    if (size.width() > renderingSize(file).width())
        file.insert(file.lastIndexOf(u'.'), QStringLiteral("@2x"));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), renderingImage(file));
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
#if defined(ABACOLO_PNG_PICTURES) || defined(ABACOLO_PIXEL_PICTURES)
    QString file = drawing;
    if (file.endsWith(QStringLiteral(".svg")))
        file.replace(file.size() - 4, 4, QLatin1StringView(renderingSuffix));
    return file;
#else
    return drawing;
#endif
}

QSize pixelPictureSize(QByteArrayView data) {
    if (data.size() < pixelHeader || std::memcmp(data.data(), "ABPX", 4) != 0)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(data.data() + 4);
    const quint32 height = qFromLittleEndian<quint32>(data.data() + 8);
    // The header must describe exactly the pixels that follow it; the product is taken in 64 bits, so
    // no pair of sizes can wrap around to match.
    if (width == 0 || height == 0 || width > pixelSideLimit || height > pixelSideLimit ||
        quint64(width) * height * 4 != quint64(data.size() - pixelHeader))
        return {};
    return QSize(int(width), int(height));
}

QImage pixelPicture(QByteArrayView data) {
    const QSize size = pixelPictureSize(data);
    if (size.isEmpty())
        return {};
    // Blue, green, red and alpha bytes are a little-endian 0xAARRGGBB: a copy on a little-endian
    // machine (the browser's), a swap on any other.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    qFromLittleEndian<quint32>(data.data() + pixelHeader, qsizetype(size.width()) * size.height(),
                               image.bits());
    return image;
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

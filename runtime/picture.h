// SPDX-License-Identifier: GPL-3.0-or-later
// The program's drawings: a fixed picture and the icon of a picture button, each rendered once for
// every size it is shown at and kept, so a picture is drawn sharp at the designed size and in full
// screen alike; and the one place that knows in which form the build compiled the drawings in.
#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <future>

namespace abacolo {

// The resource to load for a drawing named by its SVG path (":/art/lizard.svg"): that SVG itself, or,
// in a build without Qt SVG, the PNG rendered from it at build time (":/art/lizard.png", its size; a
// "@2x" file of twice the size beside it, taken where the picture is shown larger than designed), or
// its pixels (":/art/lizard.pixels", the same renderings stored as pixels).
QString pictureResource(const QString& drawing);

// A rendering stored as pixels (".pixels", the browser's form): "ABPX", its width and its height as
// 32-bit little-endian numbers, then its rows of premultiplied blue, green, red and alpha bytes, made at
// build time by resources/art-pixels.py. A transfer's compression packs these smaller than PNG, and
// nothing is decoded when they are shown. The size is empty and the image null when the data is not
// such a rendering.
QSize pixelPictureSize(QByteArrayView data);
QImage pixelPicture(QByteArrayView data);

// The drawing's renderings, one for each size in device pixels, made when first asked for and kept.
class Renderings {
public:
    explicit Renderings(QString drawing) : m_drawing(std::move(drawing)) {}

    const QString& drawing() const { return m_drawing; }
    // Starts rendering the size a picture will first be shown at on another thread, while its screen is
    // still being built: the first paint finds it made (or waits for the rest). Without threads (in the
    // browser) the first paint renders it.
    void prepare(QSize size, qreal ratio);
    // The drawing at `size` device pixels, for a display of `ratio` device pixels per pixel.
    QPixmap at(QSize size, qreal ratio);
    // Renderings made, a prepared one included.
    int renderCount() const { return m_renders; }

private:
    QString m_drawing;
    QHash<QPair<int, int>, QPixmap> m_kept;
    std::future<QImage> m_prepared;
    QSize m_preparedSize;
    qreal m_preparedRatio = 1;
    int m_renders = 0;
};

// An icon drawn from a drawing, rendered once for each size a button asks for.
QIcon pictureIcon(const QString& drawing);

// The program's window icon, from the PNG sizes of the icon theme compiled in (16 to 64 pixels), read
// on another thread from the moment it is made until a window first asks for it.
QIcon windowIcon();

class Picture : public QWidget {
    Q_OBJECT
public:
    // A picture of `size` pixels, its first rendering started at once (see Renderings::prepare).
    Picture(const QString& resource, QSize size, QWidget* parent = nullptr);

    QString resource() const { return m_renderings.drawing(); }
    // How many times the drawing has been rendered, the rendering made ahead included: once per size
    // and pixel ratio, not per paint, and none wasted.
    int renderCount() const { return m_renderings.renderCount(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Renderings m_renderings;
};

} // namespace abacolo

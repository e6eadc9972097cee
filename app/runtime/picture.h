// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed picture drawn from an SVG resource, rendered once for its size and kept; and the one place that
// knows in which form the build compiled the drawings in.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace abacolo {

// The resource to load for a drawing named by its SVG path (":/art/lizard.svg"): that SVG itself, or,
// in a build without Qt SVG, the PNG rendered from it at build time (":/art/lizard.png", its size; a
// "@2x" file of twice the size beside it, which QIcon takes on dense screens).
QString pictureResource(const QString& drawing);

// The program's window icon, from the PNG sizes of the icon theme compiled in (16 to 256 pixels).
QIcon windowIcon();

class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(const QString& resource, QWidget* parent = nullptr);

    QString resource() const { return m_resource; }
    // How many times the drawing has been rendered: once per size and pixel ratio, not per paint.
    int renderCount() const { return m_renders; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    QPixmap m_cache;
    int m_renders = 0;
};

} // namespace abacolo

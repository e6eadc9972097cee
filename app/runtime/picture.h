// A fixed picture drawn from an SVG resource, rendered once for its size and kept.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace abacolo {

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

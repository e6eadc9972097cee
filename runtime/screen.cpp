// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/screen.h"

#include "runtime/digitpad.h"
#include "runtime/formbuilder.h"
#include "runtime/picture.h"
#include "runtime/platform.h"
#include "runtime/screenseam.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace abacolo {

Screen::Screen(ScreenHost& host, ScreenId id, const FormSpec& form)
    : QWidget(nullptr), m_host(host), m_id(id) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QString::fromUtf8(form.title));
    m_designedSize = QSize(pixels(form.clientWidth), pixels(form.clientHeight));
    setFixedSize(m_designedSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toColor(form.background));
    setPalette(palette);
    // In full screen the background fills the margins around the scaled screen too.
    setAutoFillBackground(true);

    auto* fullScreen = new QAction(this);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    fullScreen->setShortcutContext(Qt::WindowShortcut);
    addAction(fullScreen);
    connect(fullScreen, &QAction::triggered, this, [this] {
        if (!m_host.seam().takeFullScreenKey())
            m_host.setFullScreen(!m_host.isFullScreen());
    });
}

void Screen::addControls(std::span<const ControlSpec> table) {
    for (const ControlSpec& row : table)
        addControl(row);
}

QWidget* Screen::addControl(const ControlSpec& row) {
    if (row.kind == Kind::Line) {
        m_lines.push_back(pixelLine(row));
        return nullptr;
    }
    QWidget* widget = buildControl(row, this);
    m_controls.insert(widget->objectName(), widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    m_placed.push_back({widget, widget->geometry(), widget->font(), button ? button->iconSize() : QSize()});
    if (row.tab >= 0 && widget->focusPolicy() != Qt::NoFocus)
        m_tabbed.emplace_back(row.tab, widget);
    return widget;
}

void Screen::finishTabOrder() {
    std::stable_sort(m_tabbed.begin(), m_tabbed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < m_tabbed.size(); ++i) {
        // A tab index names one control: two with the same index would take the order of the table.
        if (m_tabbed[i - 1].first == m_tabbed[i].first)
            qFatal("The screen \"%s\" gives the tab index %d to both %s and %s", qPrintable(windowTitle()),
                   m_tabbed[i].first, qPrintable(m_tabbed[i - 1].second->objectName()),
                   qPrintable(m_tabbed[i].second->objectName()));
        QWidget::setTabOrder(m_tabbed[i - 1].second, m_tabbed[i].second);
    }
}

QList<QWidget*> Screen::tabOrder() const {
    QList<QWidget*> order;
    for (const auto& entry : m_tabbed)
        order.append(entry.second);
    return order;
}

void Screen::setCancelButton(QPushButton* button) {
    m_cancel = button;
}

void Screen::keyPressEvent(QKeyEvent* event) {
    // Esc reaches the screen when the control with the focus has no use for it, as in a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && m_cancel != nullptr &&
        !m_cancel->isHidden() && m_cancel->isEnabled()) {
        m_cancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QWidget* Screen::control(const QString& name) const {
    QWidget* found = m_controls.value(name, nullptr);
    if (found == nullptr)
        qFatal("The screen \"%s\" has no control named %s", qPrintable(windowTitle()), qPrintable(name));
    return found;
}

QLineEdit* Screen::box(const QString& name) const {
    return qobject_cast<QLineEdit*>(control(name));
}

QLabel* Screen::label(const QString& name) const {
    return qobject_cast<QLabel*>(control(name));
}

QPushButton* Screen::button(const QString& name) const {
    return qobject_cast<QPushButton*>(control(name));
}

QString Screen::text(const QString& name) const {
    QWidget* widget = control(name);
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* caption = qobject_cast<const QLabel*>(widget))
        return caption->text();
    return {};
}

void Screen::setText(const QString& name, const QString& text) {
    QWidget* widget = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
    else if (auto* caption = qobject_cast<QLabel*>(widget))
        caption->setText(text);
}

void Screen::addDigitPad() {
    if (m_pad == nullptr)
        m_pad = new DigitPad(this);
}

void Screen::applyFit(const Fit& fit) {
    for (const Placed& placed : m_placed) {
        placed.widget->setGeometry(scaled(placed.rect, fit));
        QFont font = placed.font;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * fit.factor);
        else
            font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * fit.factor))));
        placed.widget->setFont(font);
        if (auto* button = qobject_cast<QAbstractButton*>(placed.widget); button && placed.iconSize.isValid())
            button->setIconSize(placed.iconSize * fit.factor);
    }
    if (m_pad != nullptr)
        m_pad->place(fit.pad, fit.key, fit.gap);
    m_fit = fit;
    update();
}

void Screen::setFullScreen(bool on, const QRect& display) {
    if (on == m_fullScreen && (!on || display == m_filled))
        return;
    const bool entering = on && !m_fullScreen;
    m_fullScreen = on;
    m_filled = on ? display : QRect();
    if (entering) {
        // The frame goes while the screen fills the display; it is kept to centre the screen by its
        // outer size when the frame comes back.
        learnFrame();
        m_centreWhenFramed = false;
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (on) {
        // Entering, or filling a display that took another size.
        applyFit(fitScreen(display.size(), m_designedSize, m_pad != nullptr));
        // On the display it fills: the window system makes a window full screen on the display it is on.
        setGeometry(display);
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        applyFit(Fit{});
        setFixedSize(m_designedSize);
        if (const std::optional<QMargins> frame = m_host.windowFrame()) {
            placeCentred(display, m_designedSize.grownBy(*frame));
        } else {
            // The frame comes back with the window manager: centred again by the outer size once it is
            // known.
            centre(display);
            m_centreWhenFramed = frameGeometry().size() == size();
        }
    }
}

void Screen::showScreen() {
    const QRect display = m_host.display();
    if (m_host.isFullScreen() != m_fullScreen || (m_fullScreen && display != m_filled))
        setFullScreen(m_host.isFullScreen(), display);
    else if (!m_fullScreen && !isVisible() && m_host.seam().displayOf(*this) != display)
        // Loaded while the program stood on another display: it opens where the pupil is.
        centre(display);
    m_host.screenShown(m_id);
    m_host.seam().titleShown(windowTitle());
    const bool first = !m_shownBefore;
    m_shownBefore = true;
    show();
    raise();
    activateWindow();
    if (first) {
        for (const auto& entry : m_tabbed) {
            QWidget* widget = entry.second;
            if (!widget->isHidden() && widget->isEnabled()) {
                widget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    platform::screenShown();
}

void Screen::hideScreen() {
    m_host.screenHidden(*this);
    hide();
}

void Screen::prepareUnload() {
    for (QTimer* timer : findChildren<QTimer*>())
        timer->stop();
}

void Screen::setLeftTwips(double twips) {
    m_left = twips;
    m_centreWhenFramed = false;
    applyPosition();
}

void Screen::setTopTwips(double twips) {
    m_top = twips;
    m_centreWhenFramed = false;
    applyPosition();
}

void Screen::applyPosition() {
    // Qt places windows in whole pixels; the twips are kept as computed.
    const QPoint outer(static_cast<int>(std::lround(m_left / twipsPerPixel)),
                       static_cast<int>(std::lround(m_top / twipsPerPixel)));
    const std::optional<QMargins> frame = m_host.windowFrame();
    if (frame && m_shownBefore) {
        // Back from full screen, or hidden, Qt does not always know the frame the window will have
        // again (none, or one half drawn), and would place the client area by it: the client area is
        // placed inside the frame the window manager gives. (A window never shown is placed with its
        // frame by the window manager.)
        setGeometry(QRect(outer + QPoint(frame->left(), frame->top()), size()));
        return;
    }
    move(outer);
}

double Screen::outerWidthTwips() const {
    return double(frameGeometry().width()) * twipsPerPixel;
}

double Screen::outerHeightTwips() const {
    return double(frameGeometry().height()) * twipsPerPixel;
}

void Screen::centre(const QRect& display) {
    const bool frameUnknown = !m_shownBefore && frameGeometry().size() == size();
    placeCentred(display, frameGeometry().size());
    m_centreWhenFramed = frameUnknown;
}

void Screen::placeCentred(const QRect& display, QSize outer) {
    m_display = display;
    m_left = double(display.x()) * twipsPerPixel +
             (double(display.width()) * twipsPerPixel - double(outer.width()) * twipsPerPixel) / 2;
    m_top = double(display.y()) * twipsPerPixel +
            (double(display.height()) * twipsPerPixel - double(outer.height()) * twipsPerPixel) / 2;
    m_centreWhenFramed = false;
    // One move to the new place: the window manager gets no half-way place to act on.
    applyPosition();
}

void Screen::learnFrame() {
    // Learnt once, from the first window framed; Qt's idea of the frame is not always right while a
    // window leaves full screen.
    if (m_host.windowFrame() || m_fullScreen || !isVisible() || frameGeometry().size() == size())
        return;
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    m_host.setWindowFrame(QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                   outer.right() - inner.right(), outer.bottom() - inner.bottom()));
}

bool Screen::event(QEvent* event) {
    const QEvent::Type type = event->type();
    // Other events go straight through: one of them (a deferred delete) may end this screen.
    if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
        return QWidget::event(event);
    const bool handled = QWidget::event(event);
    learnFrame();
    // The window manager has framed the window (on showing it, or by moving the client area into the
    // frame): the outer size is known now, and nothing else has placed the window yet.
    if (m_centreWhenFramed && !m_fullScreen && isVisible() && frameGeometry().size() != size())
        centre(m_display);
    return handled;
}

void Screen::closeEvent(QCloseEvent* event) {
    // The window frame's close button does what the screen's own exit button does, which hides or
    // discards the screen itself.
    event->ignore();
    frameClosed();
}

void Screen::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_lines.empty())
        return;
    QPainter painter(this);
    if (m_fit == Fit{}) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        for (const QLine& line : m_lines)
            painter.drawLine(line);
        return;
    }
    // Scaled: the lines keep their place in the grid, and their width grows with it.
    painter.setPen(QPen(palette().color(QPalette::WindowText), m_fit.factor));
    for (const QLine& line : m_lines)
        painter.drawLine(
            QLineF(line.p1() * m_fit.factor + m_fit.offset, line.p2() * m_fit.factor + m_fit.offset));
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/screen.h"

#include "app/runtime/formbuilder.h"
#include "app/runtime/picture.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace abacolo {

Screen::Screen(Registry& registry, ScreenId id, const FormSpec& form)
    : QWidget(nullptr), m_registry(registry), m_id(id) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QString::fromUtf8(form.title));
    setWindowIcon(abacolo::windowIcon());
    setFixedSize(pixels(form.clientWidth), pixels(form.clientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toColor(form.background));
    setPalette(palette);
    setAutoFillBackground(true);
}

void Screen::addControls(std::span<const ControlSpec> table) {
    for (const ControlSpec& row : table) {
        if (row.kind == Kind::Line) {
            m_lines.push_back(pixelLine(row));
            continue;
        }
        QWidget* widget = buildControl(row, this);
        m_controls.insert(widget->objectName(), widget);
        if (row.tab >= 0 && widget->focusPolicy() != Qt::NoFocus)
            m_tabbed.emplace_back(row.tab, widget);
    }
}

void Screen::finishTabOrder() {
    std::stable_sort(m_tabbed.begin(), m_tabbed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < m_tabbed.size(); ++i)
        QWidget::setTabOrder(m_tabbed[i - 1].second, m_tabbed[i].second);
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
    if (found == nullptr) {
        qWarning("The screen \"%s\" has no control named %s", qPrintable(windowTitle()), qPrintable(name));
        Q_ASSERT_X(false, "Screen::control", "no control of that name");
    }
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

void Screen::showScreen() {
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
}

void Screen::hideScreen() {
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
    move(static_cast<int>(std::lround(m_left / twipsPerPixel)),
         static_cast<int>(std::lround(m_top / twipsPerPixel)));
}

double Screen::outerWidthTwips() const {
    return double(frameGeometry().width()) * twipsPerPixel;
}

double Screen::outerHeightTwips() const {
    return double(frameGeometry().height()) * twipsPerPixel;
}

void Screen::centre(QSize display) {
    const bool frameUnknown = !m_shownBefore && frameGeometry().size() == size();
    m_display = display;
    setLeftTwips((double(display.width()) * twipsPerPixel - outerWidthTwips()) / 2);
    setTopTwips((double(display.height()) * twipsPerPixel - outerHeightTwips()) / 2);
    m_centreWhenFramed = frameUnknown;
}

bool Screen::event(QEvent* event) {
    const QEvent::Type type = event->type();
    // Other events go straight through: one of them (a deferred delete) may end this screen.
    if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
        return QWidget::event(event);
    const bool handled = QWidget::event(event);
    // The window manager has framed the window (on showing it, or by moving the client area into the
    // frame): the outer size is known now, and nothing else has placed the window yet.
    if (m_centreWhenFramed && isVisible() && frameGeometry().size() != size())
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
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const QLine& line : m_lines)
        painter.drawLine(line);
}

} // namespace abacolo

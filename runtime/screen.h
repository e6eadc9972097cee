// SPDX-License-Identifier: GPL-3.0-or-later
// The base of the eight screens: a top-level window built from its design table, with the runtime
// behaviour every screen shares: show with first-show focus, hide, centring in twips, controls found by
// name, grid lines painted on the form, and Esc pressing the screen's cancel button.
#pragma once

#include "runtime/controltable.h"
#include "runtime/fit.h"
#include "runtime/screenhost.h"

#include <QFont>
#include <QHash>
#include <QLine>
#include <QWidget>

#include <span>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace abacolo {

class DigitPad;

class Screen : public QWidget {
    Q_OBJECT
public:
    // The registry is the host of every screen.
    Screen(ScreenHost& host, ScreenId id, const FormSpec& form);

    ScreenId id() const { return m_id; }

    // Runs once, right after the screen is created by its first reference.
    virtual void Form_Load() {}

    // Makes the screen visible and brings it to the front; on its first showing the control with the
    // lowest tab index that can take the focus gets it.
    void showScreen();
    void hideScreen();

    // Called by the registry just before the screen is discarded: stops its timers.
    virtual void prepareUnload();

    // A control by its name; a name the screen has not is a programming error that stops the program,
    // naming the screen and the control.
    QWidget* control(const QString& name) const;
    QLineEdit* box(const QString& name) const;
    QLabel* label(const QString& name) const;
    QPushButton* button(const QString& name) const;

    // The text of a text box or the caption of a label.
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& text);

    // Position and outer size in twips.
    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }
    void setLeftTwips(double twips);
    void setTopTwips(double twips);
    double outerWidthTwips() const;
    double outerHeightTwips() const;

    // Left = (display width - outer width) / 2, then Top likewise, on the display (a rectangle of the
    // desktop, in pixels); negative results are applied too. Where the window manager's frame is known
    // only once the window is shown, the screen is centred again by its outer size as soon as the frame
    // is known, on that first showing only.
    void centre(const QRect& display);

    // Controls in tab order (the focus chain the pupil walks with Tab).
    QList<QWidget*> tabOrder() const;

    // Full screen (F11 on any screen, for the whole program) on the display: the designed screen scaled
    // by the largest factor that fits it and centred, with the digit pad beside it where the screen has
    // one. Off, the screen has its designed size again, centred on the display by its outer size, the
    // frame as it was before full screen.
    void setFullScreen(bool on, const QRect& display);
    bool isFullScreenLayout() const { return m_fullScreen; }
    const Fit& fit() const { return m_fit; }

protected:
    Registry& registry() const { return m_host.registry(); }

    void addControls(std::span<const ControlSpec> table);
    // Adds one control; nullptr for a grid line, which the screen paints itself.
    QWidget* addControl(const ControlSpec& row);
    // Chains the focus through the controls by their tab indices; call once all controls exist. Two
    // controls that take the focus with one tab index stop the program.
    void finishTabOrder();
    // Esc presses this button. No button of the program is a default button, so Enter never
    // presses one.
    void setCancelButton(QPushButton* button);

    // Gives the screen a digit pad for full screen (the exercise screens have one).
    void addDigitPad();

    // What closing the window through its frame does; the screens say it in terms of their buttons.
    virtual void frameClosed() = 0;

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyPosition();
    void applyFit(const Fit& fit);
    void placeCentred(const QRect& display, QSize outer);
    // Tells the registry the window manager's frame, where Qt knows it.
    void learnFrame();

    // A control as the table placed it, to be scaled in full screen.
    struct Placed {
        QWidget* widget;
        QRect rect; // pixels
        QFont font;
        QSize iconSize;
    };

    ScreenHost& m_host;
    ScreenId m_id;
    QHash<QString, QWidget*> m_controls;
    std::vector<std::pair<int, QWidget*>> m_tabbed;
    std::vector<Placed> m_placed;
    std::vector<QLine> m_lines; // as designed, in pixels
    QSize m_designedSize;
    Fit m_fit;
    bool m_fullScreen = false;
    DigitPad* m_pad = nullptr;
    QRect m_display; // the display the screen was centred on
    QRect m_filled;  // the display the screen fills in full screen
    double m_left = 0;
    double m_top = 0;
    bool m_shownBefore = false;
    // Centred before the frame was known, and not placed since: centred again once it is known.
    bool m_centreWhenFramed = false;
    QPushButton* m_cancel = nullptr;
};

} // namespace abacolo

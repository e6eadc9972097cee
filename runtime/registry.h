// SPDX-License-Identifier: GPL-3.0-or-later
// The registry of screens: one instance of each, created and loaded (Form_Load) on first reference,
// hidden; unloading discards it and the next reference loads a fresh one. It also holds what every
// screen shares: the random generator and the seam to the system. Screens reach one another only
// through it, by name, and through the small typed records of exercisescreen and scorescreen. Asking it
// for a screen it cannot make, or for what a screen does not offer, is a programming error: it stops
// the program with a message that names what was asked for, in every build.
#pragma once

#include "numeric/generator.h"
#include "numeric/level.h"
#include "runtime/screenhost.h"

#include <QMargins>
#include <QRect>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace abacolo {

class ExerciseRecord;
class Screen;
class ScoreHandOff;
class ScreenSeam;

class Registry : public ScreenHost {
public:
    using Factory = std::function<std::unique_ptr<Screen>(Registry&)>;

    // `seam` must outlive the registry.
    explicit Registry(ScreenSeam& seam);
    virtual ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // How a screen is made; tests may put another in its place before it is first referenced.
    void setFactory(ScreenId id, Factory factory);
    // The screens that have a factory, in the order they were given one.
    std::vector<ScreenId> screenIds() const;

    // The screen's single instance, loaded (hidden) first if it is not loaded: its Form_Load runs.
    Screen& screen(ScreenId id);
    bool isLoaded(ScreenId id) const;
    // Discards the screen; the next reference loads a fresh one. Safe from the screen's own handlers.
    void unload(ScreenId id);
    // Closes every screen, shown or hidden, and ends the program.
    void end();

    // An exercise screen's record, and the score screen's hand-off; both load their screen first. A
    // screen that does not offer what is asked of it stops the program, naming the screen.
    ExerciseRecord& record(ScreenId id);
    ScoreHandOff& scoreHandOff(ScreenId id);

    // Full screen belongs to the program, not to one screen: it is set for every screen on view, and a
    // screen shown later opens as it says. It fills the display the program stands on when it is set,
    // and leaving it gives the screens their designed size on that same display. It is off at start and
    // kept nowhere.
    bool isFullScreen() const override { return m_fullScreen; }
    void setFullScreen(bool on) override;

    // The display the program stands on, where a screen loaded or shown next is centred: the one in
    // full screen; otherwise the one that holds the screen on view shown last, or that held the last
    // screen hidden; the primary display at the start of a run and when that display has gone.
    QRect display() const override;
    // A display changed its size or went away (`now` empty). A program in full screen on a display that
    // changed size fills it anew; on one that went away, it leaves full screen on a display that remains,
    // and a screen that stood only on it is centred on the primary display.
    void displayChanged(const QRect& was, const QRect& now);

    // The window manager's frame around a screen, as the screens learn it; all have the same. A screen
    // back from full screen is placed by it before Qt knows its frame again.
    std::optional<QMargins> windowFrame() const override { return m_frame; }
    void setWindowFrame(const QMargins& frame) override { m_frame = frame; }

    // What the screens tell the registry as they come and go, for display().
    void screenShown(ScreenId id) override;
    void screenHidden(const Screen& screen) override;

    Registry& registry() override { return *this; }
    Generator& generator() { return m_generator; }
    // The range and the carrying the teacher chose for the whole run; the screens loaded from then on
    // draw and title themselves by it.
    const Level& level() const { return m_level; }
    void setLevel(const Level& level) { m_level = level; }
    ScreenSeam& seam() override { return m_seam; }

private:
    struct Slot {
        Factory factory;
        Screen* instance = nullptr;
    };
    Slot& slot(ScreenId id);
    // Calls `act` on every loaded screen that is on view, in the order the screens were given a factory.
    void forEachShownScreen(const std::function<void(Screen&)>& act);

    ScreenSeam& m_seam;
    Generator m_generator;
    Level m_level;
    std::map<ScreenId, Slot> m_slots;
    std::vector<ScreenId> m_order;
    std::vector<ScreenId> m_shown; // in the order they were last shown, the latest last
    QRect m_display;               // as display() says when no screen is on view
    std::optional<QMargins> m_frame;
    bool m_fullScreen = false;
};

} // namespace abacolo

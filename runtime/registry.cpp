// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/registry.h"

#include "runtime/exerciserecord.h"
#include "runtime/scorehandoff.h"
#include "runtime/screen.h"
#include "runtime/screenseam.h"

#include <algorithm>

namespace abacolo {

Registry::Registry(ScreenSeam& seam) : m_seam(seam) {
    m_seam.setDisplayChangedHandler([this](const QRect& was, const QRect& now) { displayChanged(was, now); });
}

Registry::~Registry() {
    m_seam.setDisplayChangedHandler({});
    for (auto& [id, entry] : m_slots) {
        delete entry.instance;
        entry.instance = nullptr;
    }
}

void Registry::setFactory(ScreenId id, Factory factory) {
    if (m_slots.find(id) == m_slots.end())
        m_order.push_back(id);
    m_slots[id].factory = std::move(factory);
}

std::vector<ScreenId> Registry::screenIds() const {
    return m_order;
}

Registry::Slot& Registry::slot(ScreenId id) {
    const auto found = m_slots.find(id);
    if (found == m_slots.end())
        qFatal("The program has no screen %s (number %d)", screenName(id), static_cast<int>(id));
    return found->second;
}

Screen& Registry::screen(ScreenId id) {
    Slot& entry = slot(id);
    if (entry.instance == nullptr) {
        entry.instance = entry.factory(*this).release();
        entry.instance->Form_Load();
    }
    return *entry.instance;
}

bool Registry::isLoaded(ScreenId id) const {
    const auto found = m_slots.find(id);
    return found != m_slots.end() && found->second.instance != nullptr;
}

void Registry::unload(ScreenId id) {
    Slot& entry = slot(id);
    Screen* instance = entry.instance;
    if (instance == nullptr)
        return;
    entry.instance = nullptr;
    instance->prepareUnload();
    screenHidden(*instance);
    instance->hide();
    // The screen may be running one of its own handlers: Qt deletes it once that has returned.
    instance->deleteLater();
}

void Registry::setFullScreen(bool on) {
    if (on && !m_fullScreen)
        m_display = display();
    m_fullScreen = on;
    forEachShownScreen([this, on](Screen& shown) { shown.setFullScreen(on, m_display); });
}

void Registry::forEachShownScreen(const std::function<void(Screen&)>& act) {
    for (ScreenId id : m_order) {
        Screen* instance = m_slots[id].instance;
        if (instance != nullptr && instance->isVisible())
            act(*instance);
    }
}

QRect Registry::display() const {
    if (!m_fullScreen) {
        for (auto id = m_shown.rbegin(); id != m_shown.rend(); ++id) {
            const auto found = m_slots.find(*id);
            if (found != m_slots.end() && found->second.instance != nullptr &&
                found->second.instance->isVisible())
                return m_seam.displayOf(*found->second.instance);
        }
    }
    return m_seam.hasDisplay(m_display) ? m_display : m_seam.primaryDisplay();
}

void Registry::screenShown(ScreenId id) {
    std::erase(m_shown, id);
    m_shown.push_back(id);
}

void Registry::screenHidden(const Screen& screen) {
    if (screen.isVisible() && !m_fullScreen)
        m_display = m_seam.displayOf(screen);
}

void Registry::displayChanged(const QRect& was, const QRect& now) {
    if (!now.isEmpty()) {
        if (m_display != was)
            return;
        // The display the program stands on took another size: in full screen every screen on view
        // fills it anew; a screen shown later fits itself to it.
        m_display = now;
        if (m_fullScreen)
            forEachShownScreen([&now](Screen& shown) { shown.setFullScreen(true, now); });
        return;
    }
    const QList<QRect> displays = m_seam.displays();
    if (m_fullScreen && !displays.contains(m_display)) {
        // The board went away under the program: back to the designed size, on the display that now
        // holds each screen.
        m_fullScreen = false;
        forEachShownScreen([this](Screen& shown) { shown.setFullScreen(false, m_seam.displayOf(shown)); });
        m_display = display();
        return;
    }
    forEachShownScreen([this, &displays](Screen& shown) {
        const QRect frame = shown.frameGeometry();
        if (std::none_of(displays.begin(), displays.end(),
                         [&frame](const QRect& d) { return d.intersects(frame); }))
            shown.centre(m_seam.primaryDisplay());
    });
}

void Registry::end() {
    for (ScreenId id : m_order)
        unload(id);
    m_seam.endProgram();
}

ExerciseRecord& Registry::record(ScreenId id) {
    auto* record = dynamic_cast<ExerciseRecord*>(&screen(id));
    if (record == nullptr)
        qFatal("The screen %s has no exercise record", screenName(id));
    return *record;
}

ScoreHandOff& Registry::scoreHandOff(ScreenId id) {
    auto* handOff = dynamic_cast<ScoreHandOff*>(&screen(id));
    if (handOff == nullptr)
        qFatal("The screen %s has no score hand-off", screenName(id));
    return *handOff;
}

} // namespace abacolo

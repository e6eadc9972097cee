// SPDX-License-Identifier: GPL-3.0-or-later
// The system's warning sound. On Linux it is the desktop sound theme's alert (the "bell" event, the
// sound the user chose for the system bell), played through libcanberra away from the screens' thread,
// so that it never delays a check; where that cannot play, and on other systems, the toolkit's beep; in
// the browser, a tone of the page's own.
#pragma once

#include <functional>
#include <memory>

namespace abacolo {

class AlertSound {
public:
    // What plays the alerts on the alert thread (libcanberra in the program).
    class Backend {
    public:
        virtual ~Backend() = default;
        // Plays one alert; false when it could not be played.
        virtual bool play() = 0;
    };
    // Makes the backend on the alert thread, at the first alert; nullptr when nothing can play.
    using MakeBackend = std::function<std::unique_ptr<Backend>()>;

    AlertSound();
    // Where the program is built with libcanberra: alerts played by the backend `make` returns, on a
    // thread started at the first alert; each alert it cannot play calls `fallback` on the thread of
    // the application object instead.
    AlertSound(MakeBackend make, std::function<void()> fallback);
    ~AlertSound();
    AlertSound(const AlertSound&) = delete;
    AlertSound& operator=(const AlertSound&) = delete;

    // Returns at once; the sound follows.
    void play();

private:
    struct Player;
    std::shared_ptr<Player> m_player;
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The system's warning sound. On Linux it is the desktop sound theme's alert (the "bell" event, the
// sound the user chose for the system bell), played through libcanberra away from the screens' thread,
// so that it never delays a check; where that cannot play, and on other systems, the toolkit's beep.
#pragma once

#include <memory>

namespace abacolo {

class AlertSound {
public:
    AlertSound();
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

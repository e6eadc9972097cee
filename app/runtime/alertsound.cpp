// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/alertsound.h"

#include <QApplication>
#include <QMetaObject>

#ifdef ABACOLO_HAVE_CANBERRA
#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#endif

namespace abacolo {

#ifdef ABACOLO_HAVE_CANBERRA

// Plays the alerts on a thread of its own: reaching the sound server, or failing to, may take a while.
// The thread outlives the program's own objects if it is still busy when the program ends.
struct AlertSound::Player {
    std::mutex mutex;
    std::condition_variable wake;
    int pending = 0;
    bool started = false;
    bool stopping = false;

    void run() {
        // Reached once, for the first alert: nothing of the sound is prepared before it is needed.
        ca_context* context = nullptr;
        bool usable =
            ca_context_create(&context) == CA_SUCCESS &&
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Abacolo", CA_PROP_APPLICATION_ID,
                                    "it.abacolo.Abacolo", nullptr) == CA_SUCCESS &&
            ca_context_open(context) == CA_SUCCESS;
        for (;;) {
            int alerts = 0;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return pending > 0 || stopping; });
                if (stopping)
                    break;
                alerts = pending;
                pending = 0;
            }
            int unplayed = 0;
            for (int i = 0; i < alerts; ++i) {
                if (!usable ||
                    ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                    "Sbagliato! Ripeti", nullptr) != CA_SUCCESS)
                    ++unplayed;
            }
            // No sound server or no sound theme: the toolkit's beep, on the screens' thread, while
            // the program still runs.
            std::lock_guard lock(mutex);
            const auto beep = [] { QApplication::beep(); };
            for (int i = 0; i < unplayed && !stopping; ++i)
                QMetaObject::invokeMethod(qApp, beep, Qt::QueuedConnection);
        }
        if (context != nullptr)
            ca_context_destroy(context);
    }
};

AlertSound::AlertSound() : m_player(std::make_shared<Player>()) {}

AlertSound::~AlertSound() {
    std::lock_guard lock(m_player->mutex);
    m_player->stopping = true;
    m_player->wake.notify_one();
}

void AlertSound::play() {
    std::lock_guard lock(m_player->mutex);
    if (!m_player->started) {
        m_player->started = true;
        std::thread([player = m_player] { player->run(); }).detach();
    }
    ++m_player->pending;
    m_player->wake.notify_one();
}

#else

struct AlertSound::Player {};

AlertSound::AlertSound() = default;
AlertSound::~AlertSound() = default;

void AlertSound::play() {
    QApplication::beep();
}

#endif

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The warning sound on Linux: the sound theme's alert through libcanberra, on a thread of its own.
#include "runtime/alertsound.h"
#include "runtime/feedback.h"

#include <QApplication>
#include <QMetaObject>

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace abacolo {

namespace {

// The sound theme's alert through libcanberra, on a context that can play or not.
class Canberra final : public AlertSound::Backend {
public:
    Canberra(ca_context* context, bool usable) : m_context(context), m_usable(usable) {}
    ~Canberra() override {
        if (m_context != nullptr)
            ca_context_destroy(m_context);
    }

    bool play() override {
        return m_usable && ca_context_play(m_context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                           retryMessage, nullptr) == CA_SUCCESS;
    }

private:
    ca_context* m_context;
    bool m_usable;
};

} // namespace

// Plays the alerts on a thread of its own: reaching the sound server, or failing to, may take a while.
// The thread outlives the program's own objects if it is still busy when the program ends.
struct AlertSound::Player {
    std::mutex mutex;
    std::condition_variable wake;
    int pending = 0;
    bool started = false;
    bool stopping = false;
    MakeBackend make;
    std::function<void()> fallback;

    // The program's backend, made on the alert thread.
    static std::unique_ptr<Backend> canberra() {
        // Reached once, for the first alert: nothing of the sound is prepared before it is needed.
        ca_context* context = nullptr;
        bool usable =
            ca_context_create(&context) == CA_SUCCESS &&
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, ABACOLO_PRODUCT_NAME,
                                    CA_PROP_APPLICATION_ID, ABACOLO_APP_ID, nullptr) == CA_SUCCESS &&
            ca_context_open(context) == CA_SUCCESS;
        return std::make_unique<Canberra>(context, usable);
    }

    void run() {
        const std::unique_ptr<Backend> backend = make();
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
                if (backend == nullptr || !backend->play())
                    ++unplayed;
            }
            // No sound server or no sound theme: the fallback (the toolkit's beep), on the screens'
            // thread, while the program still runs.
            std::lock_guard lock(mutex);
            for (int i = 0; i < unplayed && !stopping; ++i)
                QMetaObject::invokeMethod(qApp, fallback, Qt::QueuedConnection);
        }
    }
};

AlertSound::AlertSound() : AlertSound(&Player::canberra, [] { QApplication::beep(); }) {}

AlertSound::AlertSound(MakeBackend make, std::function<void()> fallback)
    : m_player(std::make_shared<Player>()) {
    m_player->make = std::move(make);
    m_player->fallback = std::move(fallback);
}

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

} // namespace abacolo

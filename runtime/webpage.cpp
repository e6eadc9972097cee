// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/webpage.h"

#include <emscripten.h>
#include <emscripten/val.h>

#include <string>
#include <utility>

namespace abacolo::web {
namespace {

using emscripten::val;

const char* const liveRegionId = "abacolo-annunci";

val document() {
    return val::global("document");
}

val element(const char* tag) {
    return document().call<val>("createElement", std::string(tag));
}

void setStyle(val& node, const char* css) {
    node.call<void>("setAttribute", std::string("style"), std::string(css));
}

void keepSystemKeyboardClosed() {
    // Qt reads the keys through a hidden text field of its own, which it would focus with every control
    // (the screen reader's copy, webreader.cpp, takes that focus, but gives it back where it cannot be
    // made); on a touch panel that would open the system's keyboard over the screen. "none" leaves a
    // physical keyboard as it is.
    val fields = document().call<val>("querySelectorAll", std::string("body > input"));
    const int count = fields["length"].as<int>();
    for (int i = 0; i < count; ++i)
        fields[i].call<void>("setAttribute", std::string("inputmode"), std::string("none"));
}

void prepareLiveRegion() {
    if (!document().call<val>("getElementById", std::string(liveRegionId)).isNull())
        return;
    val region = element("div");
    region.set("id", std::string(liveRegionId));
    region.call<void>("setAttribute", std::string("aria-live"), std::string("assertive"));
    region.call<void>("setAttribute", std::string("aria-atomic"), std::string("true"));
    // Heard, not seen: out of sight without leaving the accessibility tree.
    setStyle(region, "position: absolute; width: 1px; height: 1px; margin: -1px; padding: 0; border: 0; "
                     "overflow: hidden; clip-path: inset(50%); white-space: nowrap;");
    document()["body"].call<void>("appendChild", region);
}

// True for the first announcement of a turn of the page (a tap, a key, a timer), false for the others
// made before the turn ends.
bool firstSaidInThisTurn() {
    // clang-format off
    return EM_ASM_INT({
        if (globalThis.abacoloSayingThisTurn)
            return 0;
        globalThis.abacoloSayingThisTurn = true;
        queueMicrotask(() => { globalThis.abacoloSayingThisTurn = false; });
        return 1;
    }) != 0;
    // clang-format on
}

// The page's own panel, which links the licences and the sources, and its line; a page without one
// (Qt's own) gets a panel of the start menu's colour.
std::pair<val, val> panelAndLine() {
    val page = document();
    val panel = page.call<val>("getElementById", std::string("status"));
    val line = page.call<val>("getElementById", std::string("message"));
    if (panel.isNull() || line.isNull()) {
        panel = element("div");
        setStyle(panel, "position: fixed; inset: 0; z-index: 10; display: flex; flex-direction: column; "
                        "align-items: center; justify-content: center; gap: 1.5rem; background: #ffff80; "
                        "font: 1.5rem sans-serif; color: #000;");
        line = element("p");
        panel.call<void>("appendChild", line);
        page["body"].call<void>("appendChild", panel);
    }
    return {panel, line};
}

} // namespace

void preparePage() {
    prepareLiveRegion();
    keepSystemKeyboardClosed();
}

void announce(const QString& text) {
    prepareLiveRegion();
    val region = document().call<val>("getElementById", std::string(liveRegionId));
    // A new paragraph in place of what was said before: a screen reader speaks an added node even when
    // its text is the one it spoke before (a second "Sbagliato! Ripeti"). What is said within one turn
    // of the page stays together (the praise, and at once the new problem): the browser tells the
    // screen reader what the region holds once the turn is over, and a paragraph replaced before then
    // would never be heard.
    if (firstSaidInThisTurn())
        region.set("textContent", std::string());
    val paragraph = element("p");
    paragraph.set("textContent", text.toStdString());
    region.call<void>("appendChild", paragraph);
}

void setTitle(const QString& title) {
    document().set("title", title.toStdString());
}

void playTone() {
    // A soft 440 Hz triangle of a quarter second, faded in and out so that it does not click. One audio
    // context for the page, made at the first alert, when the pupil has touched the page already.
    // clang-format off
    EM_ASM({
        const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
        if (!Context)
            return;
        const audio = globalThis.abacoloAudio || (globalThis.abacoloAudio = new Context());
        if (audio.state === "suspended")
            audio.resume();
        const start = audio.currentTime;
        const tone = audio.createOscillator();
        const volume = audio.createGain();
        tone.type = "triangle";
        tone.frequency.value = 440;
        volume.gain.setValueAtTime(0.0001, start);
        volume.gain.exponentialRampToValueAtTime(0.4, start + 0.02);
        volume.gain.exponentialRampToValueAtTime(0.0001, start + 0.25);
        tone.connect(volume);
        volume.connect(audio.destination);
        tone.start(start);
        tone.stop(start + 0.26);
    });
    // clang-format on
}

void toggleBrowserFullScreen() {
    val page = document();
    if (!page["fullscreenElement"].isNull())
        page.call<val>("exitFullscreen");
    else if (!page["documentElement"]["requestFullscreen"].isUndefined())
        page["documentElement"].call<val>("requestFullscreen");
}

void showEnded() {
    val again = element("button");
    again.set("type", std::string("button"));
    again.set("textContent", std::string("Ricomincia"));
    again.call<void>("setAttribute", std::string("onclick"), std::string("location.reload()"));
    setStyle(again, "font: inherit; padding: 0.6em 1.4em; min-width: 48px; min-height: 48px;");
    auto [panel, line] = panelAndLine();
    line.set("textContent", std::string("Abacolo è chiuso."));
    // No screen is on view: the tab is named after the program.
    setTitle(QStringLiteral("Abacolo"));
    line.call<void>("after", again);
    panel.set("hidden", false);
    again.call<void>("focus");
}

std::string pageQuery() {
    return val::global("location")["search"].as<std::string>();
}

void showRefused(const QString& line) {
    auto [panel, text] = panelAndLine();
    text.set("textContent", line.toStdString());
    // The page's links to every choice, which it keeps out of sight while the program runs; and the
    // program's own place, which holds nothing now, left out.
    val choices = document().call<val>("getElementById", std::string("choices"));
    if (!choices.isNull())
        choices.set("hidden", false);
    val screen = document().call<val>("getElementById", std::string("screen"));
    if (!screen.isNull())
        screen.set("hidden", true);
    panel.call<void>("setAttribute", std::string("data-refused"), std::string("1"));
    panel.set("hidden", false);
}

} // namespace abacolo::web

// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen asks of the program around it: the registry it belongs to, and what all screens share
// as windows (full screen, the display the program stands on, the window manager's frame). The registry
// is the host; the screens know only this face of it, so the registry may know the screens.
#pragma once

#include "runtime/screenid.h"

#include <QMargins>
#include <QRect>

#include <optional>

namespace abacolo {

class Registry;
class Screen;
class ScreenSeam;

class ScreenHost {
public:
    // The registry, through which a screen reaches the others by name.
    virtual Registry& registry() = 0;
    virtual ScreenSeam& seam() = 0;

    // Full screen belongs to the program, not to one screen.
    virtual bool isFullScreen() const = 0;
    virtual void setFullScreen(bool on) = 0;
    // The display the program stands on, where a screen loaded or shown next is centred.
    virtual QRect display() const = 0;

    // The window manager's frame around a screen, as the screens learn it; all have the same.
    virtual std::optional<QMargins> windowFrame() const = 0;
    virtual void setWindowFrame(const QMargins& frame) = 0;

    // What the screens tell the host as they come and go.
    virtual void screenShown(ScreenId id) = 0;
    virtual void screenHidden(const Screen& screen) = 0;

protected:
    ~ScreenHost() = default;
};

} // namespace abacolo

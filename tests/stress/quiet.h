// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps long stress runs' logs readable: drops the offscreen platform's notice, printed on every
// showing of a screen, that it cannot raise windows. Every other message goes through as before.
#pragma once

namespace abacolo::stress {

void dropRaiseNotices();

} // namespace abacolo::stress

// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told beyond Qt's own interfaces: every screen is a window that carries its
// title, and a spoken label is a notification, spoken when it is shown again.
#pragma once

namespace abacolo {

// Installs the interfaces of the screens and the spoken labels; call before any screen is built.
void installAccessibleInterfaces();

} // namespace abacolo

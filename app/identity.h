// SPDX-License-Identifier: GPL-3.0-or-later
// The program's name and version as the system sees them: the same record the Windows executable
// carries (product "Abacolo", version "1.00").
#pragma once

namespace abacolo {

inline constexpr char productName[] = "Abacolo";
inline constexpr char internalName[] = "Quadrello";
inline constexpr char productVersion[] = ABACOLO_VERSION;
inline constexpr char desktopId[] = "it.abacolo.Abacolo";

// Sets the application object's name, version and desktop entry.
void describeApplication();

} // namespace abacolo

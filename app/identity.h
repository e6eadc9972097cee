// SPDX-License-Identifier: GPL-3.0-or-later
// The program's name and version as the system sees them: the same record the Windows executable
// carries. The name, the version and the application id come from the build (CMakeLists.txt).
#pragma once

namespace abacolo {

inline constexpr char productName[] = ABACOLO_PRODUCT_NAME;
inline constexpr char internalName[] = "Quadrello";
inline constexpr char productVersion[] = ABACOLO_VERSION;
inline constexpr char desktopId[] = ABACOLO_APP_ID;

// Sets the application object's name, version and desktop entry.
void describeApplication();

} // namespace abacolo

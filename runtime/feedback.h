// SPDX-License-Identifier: GPL-3.0-or-later
// The two answers a check gives the pupil: the exercise screens show them, and the warning sound that
// comes with the second names it to the sound server.
#pragma once

namespace abacolo {

inline constexpr char praiseMessage[] = "Complimenti! Vai avanti";
inline constexpr char retryMessage[] = "Sbagliato! Ripeti";

} // namespace abacolo

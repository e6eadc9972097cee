// SPDX-License-Identifier: GPL-3.0-or-later
// What the teacher asks for when starting Abacolo: the range and the carrying for the whole run, read
// from the command line (abacolo --entro 99 --senza-cambio) or from the page's address in the browser
// (?entro=99&cambio=no). Anything it does not know is refused with one line that names what it knows,
// and then nothing starts. Nothing of it is kept.
#pragma once

#include "numeric/level.h"

#include <span>
#include <string>
#include <string_view>

namespace abacolo {

struct TeacherChoice {
    enum class Outcome { Run, Help, Refused };
    Outcome outcome = Outcome::Run;
    Level level;      // what to run with, when the outcome is Run
    std::string text; // the help, or the one line of the refusal (without a line end)
};

// The program's status after the help, and after a refusal.
inline constexpr int helpStatus = 0;
inline constexpr int refusedStatus = 2;

// The arguments after the program's name, the toolkit's own options already taken out:
// --entro 99|999|9999 (or --entro=99), --senza-cambio, --help (or -h).
TeacherChoice fromArguments(std::span<const std::string_view> arguments);

// The page address's query, with or without its "?": entro=99|999|9999 and cambio=si|no; letters in
// either case, percent-encoded or not.
TeacherChoice fromQuery(std::string_view query);

} // namespace abacolo

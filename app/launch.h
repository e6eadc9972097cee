// SPDX-License-Identifier: GPL-3.0-or-later
// The start of a run as the teacher asked for it: on the desktop from the command line, in the browser
// from the page's address. The help and a refusal are answered here, where the teacher sees them (the
// terminal; on Windows without one, a message box; the page), and then no screen is made.
#pragma once

#include "app/teacherchoice.h"

#include <optional>
#include <string>

namespace abacolo {

struct Launch {
    std::optional<Level> level; // none: the program ends at once with `status`
    int status = 0;
};

// After the application object exists, which has taken the toolkit's own options out of argv.
Launch readLaunch(int argc, char* argv[]);

// What each platform's own file gives (launch_*.cpp, answer_*.cpp, chosen by CMake): the teacher's
// choice from where that platform takes it, and the answer shown where the teacher reads it.
TeacherChoice askedAtStart(int argc, char* argv[]);
void answerTeacher(const std::string& text, bool refusal);

} // namespace abacolo

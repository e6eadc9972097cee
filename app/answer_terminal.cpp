// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux the answer goes to the terminal: the help on standard output, a refusal on standard error.
#include "app/launch.h"

#include <cstdio>

namespace abacolo {

void answerTeacher(const std::string& text, bool refusal) {
    std::FILE* stream = refusal ? stderr : stdout;
    std::fputs(text.c_str(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace abacolo

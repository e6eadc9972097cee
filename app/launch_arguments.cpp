// SPDX-License-Identifier: GPL-3.0-or-later
// On the desktop the teacher chooses on the command line, or in a launcher that passes the options.
#include "app/launch.h"

#include <vector>

namespace abacolo {

TeacherChoice askedAtStart(int argc, char* argv[]) {
    std::vector<std::string_view> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return fromArguments(arguments);
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/launch.h"

namespace abacolo {

Launch readLaunch(int argc, char* argv[]) {
    const TeacherChoice choice = askedAtStart(argc, argv);
    switch (choice.outcome) {
    case TeacherChoice::Outcome::Run:
        break;
    case TeacherChoice::Outcome::Help:
        answerTeacher(choice.text, false);
        return {std::nullopt, helpStatus};
    case TeacherChoice::Outcome::Refused:
        answerTeacher(choice.text, true);
        return {std::nullopt, refusedStatus};
    }
    return {choice.level, 0};
}

} // namespace abacolo

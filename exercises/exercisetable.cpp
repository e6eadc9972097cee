// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercisetable.h"

#include <QtGlobal>

namespace abacolo {

const char* screenName(ScreenId id) {
    switch (id) {
    case ScreenId::frminizio:
        return "frminizio";
    case ScreenId::frmscelta:
        return "frmscelta";
#define ABACOLO_SCREEN_NAME(screen, code, title, factory)                                                    \
    case ScreenId::screen:                                                                                   \
        return #screen;
        ABACOLO_EXERCISES(ABACOLO_SCREEN_NAME)
#undef ABACOLO_SCREEN_NAME
    case ScreenId::frmpunteggio:
        return "frmpunteggio";
    }
    return "(unknown screen)";
}

const Exercise& exerciseOf(ScreenId screen) {
    for (const Exercise& exercise : exercises)
        if (exercise.screen == screen)
            return exercise;
    qFatal("%s is not an exercise screen", screenName(screen));
}

} // namespace abacolo

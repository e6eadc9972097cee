// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercisetable.h"

#include <QtGlobal>

namespace abacolo {

const Exercise& exerciseOf(ScreenId screen) {
    for (const Exercise& exercise : exercises)
        if (exercise.screen == screen)
            return exercise;
    qFatal("%s is not an exercise screen", screenName(screen));
}

} // namespace abacolo

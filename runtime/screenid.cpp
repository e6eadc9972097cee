// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/screenid.h"

namespace abacolo {

const char* screenName(ScreenId id) {
    switch (id) {
    case ScreenId::frminizio:
        return "frminizio";
    case ScreenId::frmscelta:
        return "frmscelta";
    case ScreenId::frmaddizioni:
        return "frmaddizioni";
    case ScreenId::frmsottrazioni:
        return "frmsottrazioni";
    case ScreenId::frmmoltiplicazioni:
        return "frmmoltiplicazioni";
    case ScreenId::frmmoltiplicazioni2:
        return "frmmoltiplicazioni2";
    case ScreenId::frmdivisioni:
        return "frmdivisioni";
    case ScreenId::frmpunteggio:
        return "frmpunteggio";
    }
    return "(unknown screen)";
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/spokenlabel.h"

#include <QAccessible>

namespace abacolo {

void SpokenLabel::announce() {
    // The label is a notification (accessibility.cpp): shown again, it is spoken again with its name,
    // the text it shows. Orca speaks it so under Qt 6.4 and Qt 6.8 alike (Debian 12 and 13).
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace abacolo

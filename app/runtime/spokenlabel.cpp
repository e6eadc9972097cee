// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/spokenlabel.h"

#include <QAccessible>
#include <QtGlobal>

namespace abacolo {

void SpokenLabel::announce() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, text());
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
#else
    // The label is a notification (accessibility.cpp): shown again, it is spoken again with its name,
    // the text it shows.
    QAccessibleEvent event(this, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&event);
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"

#include <QGuiApplication>

// No display name is set: the platform would append it to every window title.

namespace abacolo {

void describeApplication() {
    QCoreApplication::setApplicationName(QString::fromLatin1(productName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(productVersion));
    QCoreApplication::setOrganizationName(QString::fromLatin1(productName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
}

} // namespace abacolo

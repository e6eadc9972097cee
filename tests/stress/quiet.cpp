// SPDX-License-Identifier: GPL-3.0-or-later
// The message filter of the stress tests.
#include "quiet.h"

#include <QString>
#include <QtGlobal>

namespace abacolo::stress {
namespace {

QtMessageHandler previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message == QLatin1String("This plugin does not support raise()"))
        return;
    if (previous != nullptr)
        previous(type, context, message);
}

} // namespace

void dropRaiseNotices() {
    previous = qInstallMessageHandler(filter);
}

} // namespace abacolo::stress

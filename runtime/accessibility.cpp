// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/accessibility.h"

#include "runtime/screen.h"
#include "runtime/spokenlabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace abacolo {
namespace {

// A spoken label: a notification whose name is the label's text.
class SpokenLabelInterface : public QAccessibleWidget {
public:
    explicit SpokenLabelInterface(SpokenLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const SpokenLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// Qt asks once for every class of an object's hierarchy, the object's own class first; answering for
// that one puts these interfaces ahead of Qt's own (a plain widget's "client", a label's static text).
QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* label = qobject_cast<SpokenLabel*>(object))
        return new SpokenLabelInterface(label);
    // A screen is a window: a screen reader reads its title as the window's name.
    if (auto* screen = qobject_cast<Screen*>(object))
        return new QAccessibleWidget(screen, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recorder.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

namespace abacolo::test {

QList<QRect> RecordingSeam::displays() const {
    return QList<QRect>{QRect(QPoint(), display)} + others;
}

QRect RecordingSeam::displayOf(const QWidget& window) const {
    const QPoint centre = window.frameGeometry().center();
    for (const QRect& candidate : displays())
        if (candidate.contains(centre))
            return candidate;
    return primaryDisplay();
}

TestProgram::TestProgram(std::uint64_t seed) {
    // A control asked for by a name its screen does not have fails the test that asked.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("has no control named")));
    program.generator().seed(seed);
    program.generator().setClock([] { return std::uint64_t{0}; });
}

TestProgram::~TestProgram() {
    flushDeletions();
}

std::vector<ScreenId> allScreens() {
    RecordingSeam seam;
    return Program(seam).screenIds();
}

void flushDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void type(Screen& screen, const char* box, const QString& text) {
    QLineEdit* edit = screen.box(QString::fromLatin1(box));
    QVERIFY2(edit != nullptr, box);
    edit->setText(text);
}

void click(Screen& screen, const char* button) {
    QPushButton* push = screen.button(QString::fromLatin1(button));
    QVERIFY2(push != nullptr, button);
    QVERIFY2(!push->isHidden(), button);
    QTest::mouseClick(push, Qt::LeftButton);
}

} // namespace abacolo::test

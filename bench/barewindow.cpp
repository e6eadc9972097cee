// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: the barest Qt Widgets program, one empty window as large as
// the start menu, started and measured by scripts/bench beside Abacolo.
#include <QApplication>
#include <QWidget>

namespace {

constexpr int startMenuWidth = 441; // pixels, the start menu's client area
constexpr int startMenuHeight = 393;

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra vuota"));
    window.resize(startMenuWidth, startMenuHeight);
    window.show();
    return QApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks of the start-up benchmark, started and measured by scripts/bench beside Abacolo: the
// barest Qt Widgets program, one empty window as large as the start menu; and, with --button, the same
// window with one captioned button. A window with text has to load its fonts as any program with text
// must, so the second is the fair floor for a program whose first screen is all captions. In the
// browser (scripts/web) it is always the window with the button, shown full screen as the program is
// in its page.
#include <QApplication>
#include <QFontDatabase>
#include <QPushButton>
#include <QWidget>

namespace {

constexpr int startMenuWidth = 441; // pixels, the start menu's client area
constexpr int startMenuHeight = 393;
// The browser's build fills its page (bench/CMakeLists.txt says which build this is).
constexpr bool fillsThePage = ABACOLO_BARE_FILLS_PAGE != 0;

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The browser's Qt leaves its face to the program (the program's build says so).
    if (fillsThePage)
        QFontDatabase::addApplicationFont(QStringLiteral(":/toolkit/DejaVuSans.ttf"));
    const bool withButton = fillsThePage || QApplication::arguments().contains(QStringLiteral("--button"));
    QWidget window;
    window.setWindowTitle(withButton ? QStringLiteral("Finestra con pulsante")
                                     : QStringLiteral("Finestra vuota"));
    window.resize(startMenuWidth, startMenuHeight);
    if (withButton) {
        auto* button = new QPushButton(QStringLiteral("&Esci"), &window);
        button->setGeometry(24, 24, 97, 25);
    }
    if (fillsThePage)
        window.showFullScreen();
    else
        window.show();
    return QApplication::exec();
}

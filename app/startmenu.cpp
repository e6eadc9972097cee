// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startmenu.h"

#include "runtime/exerciserecord.h"
#include "runtime/registry.h"
#include "runtime/screenseam.h"

#include <QPushButton>

#include <string_view>

namespace abacolo {
namespace {

// The designed title names the designed range; another range the teacher chose takes its place.
constexpr FormSpec form{"Metto in colonna e calcolo entro il 9.999", 6615, 5895, {255, 255, 128}};
constexpr char withoutCarrying[] = ", senza cambio";

constexpr ControlSpec controls[] = {
    {.name = "Picture1",
     .kind = Kind::Picture,
     .place = {240, 240, 6135, 3135},
     .text = ":/art/lizard.svg",
     .tab = 5,
     .accessible = "Una lucertola viola a pois verdi sogna il nome Abacolo"},
    {.name = "cmdadd",
     .kind = Kind::PictureButton,
     .place = {360, 3720, 1095, 1095},
     .text = ":/art/sign-plus.svg",
     .tab = 2,
     .accessible = "Addizione"},
    {.name = "cmdsott",
     .kind = Kind::PictureButton,
     .place = {1920, 3720, 1095, 1095},
     .text = ":/art/sign-minus.svg",
     .tab = 1,
     .accessible = "Sottrazione"},
    {.name = "cmdmolt",
     .kind = Kind::PictureButton,
     .place = {3480, 3720, 1095, 1095},
     .text = ":/art/sign-times.svg",
     .tab = 3,
     .accessible = "Moltiplicazione"},
    {.name = "cmddiv",
     .kind = Kind::PictureButton,
     .place = {5040, 3720, 1095, 1095},
     .text = ":/art/sign-colon.svg",
     .tab = 4,
     .accessible = "Divisione"},
    {.name = "cmdesci", .kind = Kind::Button, .place = {2880, 5280, 975, 375}, .text = "&Esci", .tab = 0},
    {.name = "Image1",
     .kind = Kind::Picture,
     .place = {5280, 5640, 1230, 165},
     .text = ":/art/decoration.svg",
     .accessible = "Una piccola decorazione"},
};

} // namespace

std::string startMenuTitle(const Level& level) {
    std::string_view designed = form.title;
    designed.remove_suffix(std::string_view(nameOf(Range::upTo9999).shown).size());
    std::string title(designed);
    title += nameOf(level.range).shown;
    if (!level.carrying)
        title += withoutCarrying;
    return title;
}

StartMenu::StartMenu(Registry& registry) : Screen(registry, ScreenId::frminizio, form) {
    setWindowTitle(QString::fromStdString(startMenuTitle(registry.level())));
    addControls(controls);
    finishTabOrder();
    connect(button(QStringLiteral("cmdadd")), &QPushButton::clicked, this, &StartMenu::cmdadd_Click);
    connect(button(QStringLiteral("cmdsott")), &QPushButton::clicked, this, &StartMenu::cmdsott_Click);
    connect(button(QStringLiteral("cmdmolt")), &QPushButton::clicked, this, &StartMenu::cmdmolt_Click);
    connect(button(QStringLiteral("cmddiv")), &QPushButton::clicked, this, &StartMenu::cmddiv_Click);
    connect(button(QStringLiteral("cmdesci")), &QPushButton::clicked, this, &StartMenu::cmdesci_Click);
    setCancelButton(button(QStringLiteral("cmdesci")));
}

void StartMenu::Form_Load() {
    centre(registry().display());
}

void StartMenu::cmdadd_Click() {
    registry().screen(ScreenId::frmaddizioni).showScreen();
    hideScreen();
    registry().record(ScreenId::frmsottrazioni).resetCode();
    registry().record(ScreenId::frmaddizioni).resetCode();
}

void StartMenu::cmdsott_Click() {
    registry().screen(ScreenId::frmsottrazioni).showScreen();
    hideScreen();
    registry().record(ScreenId::frmsottrazioni).resetCode();
    registry().record(ScreenId::frmaddizioni).resetCode();
}

void StartMenu::cmdmolt_Click() {
    registry().screen(ScreenId::frmscelta).showScreen();
}

void StartMenu::cmddiv_Click() {
    registry().screen(ScreenId::frmdivisioni).showScreen();
    registry().unload(ScreenId::frminizio);
}

void StartMenu::cmdesci_Click() {
    registry().end();
}

void StartMenu::frameClosed() {
    cmdesci_Click();
}

} // namespace abacolo

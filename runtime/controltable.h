// SPDX-License-Identifier: GPL-3.0-or-later
// One screen's controls as data, a row per control: name, kind, place in twips, caption,
// colour, font, alignment, tab index and visibility. buildControl (formbuilder.h) makes the widgets.
#pragma once

#include <optional>

namespace abacolo {

constexpr int twipsPerPixel = 15; // 1440 twips per inch at 96 pixels per inch

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

namespace colours {
constexpr Rgb blue{0, 0, 255};
constexpr Rgb green{0, 192, 0};
constexpr Rgb darkGreen{0, 128, 0};
constexpr Rgb red{255, 0, 0};
constexpr Rgb black{0, 0, 0};
} // namespace colours

struct FontSpec {
    const char* family = nullptr; // nullptr: the toolkit's default font
    double points = 0;
    bool bold = false;
    bool italic = false;
};

namespace fonts {
constexpr FontSpec toolkit{};
constexpr FontSpec digits{"MS Sans Serif", 12, true, false};
constexpr FontSpec operation{"MS Sans Serif", 13.5, false, false};
constexpr FontSpec message{"Comic Sans MS", 18, true, false};
} // namespace fonts

enum class Kind {
    TextBox,   // a digit box or other text box the pupil types into
    HiddenBox, // a text box that holds a value for other screens and is never shown
    Label,
    SpokenLabel, // a label whose new text a screen reader speaks by itself when the screen says so
    Button,
    PictureButton, // a button that shows only a picture; `text` is the picture's resource path
    Picture,       // a fixed picture; `text` is its resource path
    Line,          // a grid line; its place holds the two end points
};

enum class Align { Left, Centre, Right };

// Left, Top, Width, Height in twips; a line gives its end points x1, y1, x2, y2.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlSpec {
    const char* name = "";
    Kind kind = Kind::Label;
    Place place{};
    const char* text = "";       // caption, initial text, or the picture's resource path
    std::optional<Rgb> colour{}; // text colour; none keeps the default
    FontSpec font = fonts::toolkit;
    Align align = Align::Centre;
    int tab = -1; // tab index; -1 for controls that never take the focus
    bool visible = true;
    // What a screen reader says besides the visible text: the name of a control without text, a
    // picture's description, or the role of a label whose text is its name ("Operazione").
    const char* accessible = nullptr;
    bool border = false; // a single-line border around a label
};

struct FormSpec {
    const char* title = "";
    int clientWidth = 0; // twips
    int clientHeight = 0;
    Rgb background{};
};

} // namespace abacolo

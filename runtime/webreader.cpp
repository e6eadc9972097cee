// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/webreader.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>
#include <vector>

namespace abacolo::web {
namespace {

using emscripten::val;

// One element of a screen's copy and the control it stands for.
struct Item {
    QPointer<QWidget> control;
    val element;
    int number; // the element's data-control, by which a press from the screen reader finds the control
};

struct Copy {
    QPointer<QWidget> screen;
    val group;
    std::vector<Item> items;
};

std::vector<Copy>& copies() {
    static std::vector<Copy> all;
    return all;
}

int nextNumber() {
    static int number = 0;
    return ++number;
}

val document() {
    return val::global("document");
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

void setAttribute(val& element, const char* name, const std::string& value) {
    element.call<void>("setAttribute", std::string(name), value);
}

// The toolkit draws each window into a block of the page inside its screen's shadow tree: found by the
// window's number and, where that block is not the one on view, by the title the block shows.
val windowBlockOf(QWidget* screen) {
    QWindow* window = screen->windowHandle();
    if (window == nullptr)
        return val::null();
    const std::string id = "qt-window-" + std::to_string(window->winId());
    const std::string title = utf8(screen->windowTitle());
    val hosts = document().call<val>("querySelectorAll", std::string("#qt-shadow-container"));
    val found = val::null();
    const int count = hosts["length"].as<int>();
    for (int i = 0; i < count && found.isNull(); ++i) {
        val root = hosts[i]["shadowRoot"];
        if (root.isNull() || root.isUndefined())
            continue;
        val blocks = root.call<val>("querySelectorAll", std::string(".qt-window"));
        const int blockCount = blocks["length"].as<int>();
        val byId = val::null();
        for (int j = 0; j < blockCount; ++j) {
            val block = blocks[j];
            const bool onView = block["style"]["display"].as<std::string>() != "none";
            val name = block.call<val>("querySelector", std::string(".window-name"));
            if (block["id"].as<std::string>() == id) {
                byId = block;
                if (onView)
                    break;
            } else if (onView && !name.isNull() && name["textContent"].as<std::string>() == title) {
                found = block;
            }
        }
        if (!byId.isNull() && (found.isNull() || byId["style"]["display"].as<std::string>() != "none"))
            found = byId;
    }
    if (found.isNull())
        return val::null();
    // The canvas, hidden from screen readers, is editable so that it gets the clipboard's events, and
    // so focusable: Tab must not reach it. The toolkit's own offer to switch its accessibility on, an
    // English button, would be read out among the program's controls: the copy takes its place.
    val canvas = found.call<val>("querySelector", std::string("canvas"));
    if (!canvas.isNull())
        setAttribute(canvas, "tabindex", "-1");
    val offers = found.call<val>("querySelectorAll", std::string(".qt-window-a11y-container > button"));
    const int offerCount = offers["length"].as<int>();
    for (int i = 0; i < offerCount; ++i)
        offers[i].call<void>("remove");
    return found;
}

// The window the pupil is at: the keys typed on the copy go to it.
val& currentBlock() {
    static val block = val::null();
    return block;
}

// The copies lie in one part of the page of their own, beneath the program's screen, which a screen
// reader treats as an application: every key goes to the program, none is taken for the screen
// reader's reading of a document. A window that hides takes nothing of it along, so the screen reader
// follows the focus from one screen's copy to the next, and the copy of the screen left is hidden
// only once the focus is in the next (otherwise the screen reader, losing the control it was at,
// would go to the next one silently).
val readerRoot() {
    static val root = val::null();
    if (!root.isNull())
        return root;
    root = document().call<val>("createElement", std::string("div"));
    root.set("id", std::string("abacolo-lettore"));
    setAttribute(root, "role", "application");
    setAttribute(root, "aria-label", "Abacolo");
    setAttribute(root, "style",
                 "position: fixed; inset: 0; z-index: -1; overflow: hidden; pointer-events: none;");
    root.call<void>("addEventListener", std::string("keydown"), val::module_property("abacoloReaderKey"));
    root.call<void>("addEventListener", std::string("keyup"), val::module_property("abacoloReaderKey"));
    document()["body"].call<void>("appendChild", root);
    return root;
}

// Under the control it stands for, where a finger exploring the page finds it, and out of sight: the
// screen covers it, and it is transparent and lets every touch through.
void place(val& element, QWidget* control, QWidget* screen) {
    const QPoint origin = control->mapTo(screen, QPoint(0, 0));
    val style = element["style"];
    style.set("left", std::to_string(origin.x()) + "px");
    style.set("top", std::to_string(origin.y()) + "px");
    style.set("width", std::to_string(control->width()) + "px");
    style.set("height", std::to_string(control->height()) + "px");
}

const char* const itemStyle = "position: absolute; margin: 0; padding: 0; border: 0; opacity: 0; "
                              "pointer-events: none; overflow: hidden; font-size: 1px;";

// The element for a control, by the role the desktop gives it; none for what the desktop's screen
// reader hears otherwise (the spoken label, which the live region says) or for plain containers.
val elementFor(QAccessibleInterface* control) {
    switch (control->role()) {
    case QAccessible::Button: {
        // Not a <button>: the keys pressed on it belong to the program, and a <button> would press
        // itself once more on Space or Enter. A screen reader's own press still arrives as a click.
        val element = document().call<val>("createElement", std::string("div"));
        setAttribute(element, "role", "button");
        element.call<void>("addEventListener", std::string("click"),
                           val::module_property("abacoloReaderPressed"));
        return element;
    }
    case QAccessible::EditableText: {
        val element = document().call<val>("createElement", std::string("input"));
        setAttribute(element, "type", "text");
        // The digit pad types, and a physical keyboard: the system's keyboard stays closed.
        setAttribute(element, "inputmode", "none");
        setAttribute(element, "autocomplete", "off");
        setAttribute(element, "spellcheck", "false");
        // What is typed goes to the program, which writes the box's text here itself.
        element.call<void>("addEventListener", std::string("beforeinput"),
                           val::module_property("abacoloReaderKeepValue"));
        return element;
    }
    case QAccessible::StaticText:
    case QAccessible::Graphic: {
        val element = document().call<val>("createElement", std::string("div"));
        if (control->role() == QAccessible::Graphic)
            setAttribute(element, "role", "img");
        return element;
    }
    default:
        return val::null();
    }
}

// Name, value, description and state as the desktop's accessibility gives them now.
void update(Item& item, QWidget* screen) {
    QWidget* control = item.control;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    if (face == nullptr)
        return;
    val& element = item.element;
    const QString name = face->text(QAccessible::Name);
    const QString description = face->text(QAccessible::Description);
    const QAccessible::State state = face->state();
    switch (face->role()) {
    case QAccessible::EditableText:
        setAttribute(element, "aria-label", utf8(name));
        element.set("value", utf8(face->text(QAccessible::Value)));
        break;
    case QAccessible::Graphic:
        if (name.isEmpty())
            element.call<void>("removeAttribute", std::string("aria-label"));
        else
            setAttribute(element, "aria-label", utf8(name));
        break;
    default:
        element.set("textContent", utf8(name));
        break;
    }
    if (description.isEmpty() || description == name)
        element.call<void>("removeAttribute", std::string("aria-description"));
    else
        setAttribute(element, "aria-description", utf8(description));
    if (state.disabled)
        setAttribute(element, "aria-disabled", "true");
    else
        element.call<void>("removeAttribute", std::string("aria-disabled"));
    element.set("hidden", bool(state.invisible) || !control->isVisibleTo(screen));
    place(element, control, screen);
}

void addItems(Copy& copy, QAccessibleInterface* parent) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child == nullptr)
            continue;
        auto* control = qobject_cast<QWidget*>(child->object());
        val element = control != nullptr ? elementFor(child) : val::null();
        if (element.isNull()) {
            addItems(copy, child);
            continue;
        }
        const int number = nextNumber();
        setAttribute(element, "data-control", std::to_string(number));
        setAttribute(element, "tabindex", "-1");
        setAttribute(element, "style", itemStyle);
        copy.group.call<void>("appendChild", element);
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            // What the pupil types is read back from the field at once; the other boxes are brought up
            // to date before the focus next moves, so that a box left is never heard after the next.
            QObject::connect(box, &QLineEdit::textChanged, box, [element](const QString& text) mutable {
                if (element.equals(document()["activeElement"]))
                    element.set("value", utf8(text));
            });
        }
        copy.items.push_back(Item{control, element, number});
    }
}

Copy* copyOf(QWidget* screen) {
    auto& all = copies();
    // A screen that was discarded leaves its copy behind: it goes too.
    for (Copy& copy : all) {
        if (copy.screen.isNull())
            copy.group.call<void>("remove");
    }
    all.erase(std::remove_if(all.begin(), all.end(), [](const Copy& copy) { return copy.screen.isNull(); }),
              all.end());
    for (Copy& copy : all) {
        if (copy.screen == screen)
            return &copy;
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(screen);
    if (face == nullptr)
        return nullptr;
    Copy copy{screen, document().call<val>("createElement", std::string("div")), {}};
    // A group named by the screen's title: entering it says the title, as a window's title is said on
    // the desktop when it opens.
    setAttribute(copy.group, "role", "dialog");
    setAttribute(copy.group, "tabindex", "-1");
    setAttribute(copy.group, "style", "position: absolute; pointer-events: none; outline: none;");
    addItems(copy, face);
    readerRoot().call<void>("appendChild", copy.group);
    all.push_back(copy);
    return &all.back();
}

// Hides the copies of the screens not on view, once the focus is in the one on view.
void hideLeftScreens() {
    for (Copy& copy : copies())
        copy.group.set("hidden", copy.screen.isNull() || !copy.screen->isVisible());
}

void hideLeftScreensSoon() {
    val::global("setTimeout")(val::module_property("abacoloReaderHideLeft"), 0);
}

// The toolkit's own field for typed text would take the page's focus back with every control the
// program focuses; the copy holds it instead, and passes the keys on to the window. Kept as it was
// where no copy can be made.
void takeFocusFromToolkitField() {
    // clang-format off
    EM_ASM({
        for (const field of document.querySelectorAll("body > input")) {
            if (field.abacoloToolkitFocus)
                continue;
            field.abacoloToolkitFocus = field.focus;
            field.focus = () => {};
            // Never focused now, it is nothing a screen reader should find or Tab reach.
            field.setAttribute("aria-hidden", "true");
            field.tabIndex = -1;
        }
    });
    // clang-format on
}

void giveFocusBackToToolkitField() {
    // clang-format off
    EM_ASM({
        for (const field of document.querySelectorAll("body > input")) {
            if (!field.abacoloToolkitFocus)
                continue;
            field.removeAttribute("aria-hidden");
            field.abacoloToolkitFocus();
        }
    });
    // clang-format on
}

void focusCopyOf(QWidget* focused) {
    if (focused == nullptr) {
        hideLeftScreensSoon();
        return;
    }
    QWidget* screen = focused->window();
    val block = windowBlockOf(screen);
    Copy* copy = block.isNull() ? nullptr : copyOf(screen);
    if (copy == nullptr) {
        giveFocusBackToToolkitField();
        return;
    }
    currentBlock() = block;
    // Where the window lies in the page, so that each control's copy lies under it.
    val box = block.call<val>("getBoundingClientRect");
    val style = copy->group["style"];
    for (const char* side : {"left", "top", "width", "height"})
        style.set(side, std::to_string(box[side].as<double>()) + "px");
    setAttribute(copy->group, "aria-label", utf8(screen->windowTitle()));
    copy->group.set("hidden", false);
    val target = copy->group;
    for (Item& item : copy->items) {
        if (item.control.isNull())
            continue;
        update(item, screen);
        if (item.control == focused)
            target = item.element;
    }
    val options = val::object();
    options.set("preventScroll", true);
    target.call<void>("focus", options);
    hideLeftScreensSoon();
}

// A key typed on the copy, given to the window the pupil is at, as if typed there; what the program
// takes, the browser does nothing more with.
void forwardKey(val event) {
    val& block = currentBlock();
    if (block.isNull() || !block["isConnected"].as<bool>())
        return;
    val init = val::object();
    for (const char* field :
         {"key", "code", "location", "repeat", "isComposing", "ctrlKey", "shiftKey", "altKey", "metaKey"})
        init.set(field, event[field]);
    init.set("bubbles", true);
    init.set("cancelable", true);
    val copy = val::global("KeyboardEvent").new_(event["type"], init);
    block.call<bool>("dispatchEvent", copy);
    if (copy["defaultPrevented"].as<bool>())
        event.call<void>("preventDefault");
    event.call<void>("stopPropagation");
}

void pressed(val event) {
    const std::string number =
        event["currentTarget"].call<val>("getAttribute", std::string("data-control")).as<std::string>();
    for (const Copy& copy : copies()) {
        for (const Item& item : copy.items) {
            if (std::to_string(item.number) != number)
                continue;
            auto* button = qobject_cast<QAbstractButton*>(item.control.data());
            if (button != nullptr && button->isEnabled() && button->isVisible())
                button->click();
            return;
        }
    }
}

void keepValue(val event) {
    event.call<void>("preventDefault");
}

} // namespace

void startReader() {
    takeFocusFromToolkitField();
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [](QWidget*, QWidget* now) { focusCopyOf(now); });
}

void readerScreenShown() {
    focusCopyOf(QApplication::focusWidget());
}

} // namespace abacolo::web

EMSCRIPTEN_BINDINGS(abacolo_reader) {
    emscripten::function("abacoloReaderPressed", &abacolo::web::pressed);
    emscripten::function("abacoloReaderKeepValue", &abacolo::web::keepValue);
    emscripten::function("abacoloReaderKey", &abacolo::web::forwardKey);
    emscripten::function("abacoloReaderHideLeft", &abacolo::web::hideLeftScreens);
}

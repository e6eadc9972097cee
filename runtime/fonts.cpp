// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/fonts.h"
#include "runtime/platform.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace abacolo {

namespace {

// Registers the faces the build compiled in (the Windows and the browser builds carry Comic Neue and
// Liberation Sans, which a classroom computer lacks and a browser gives no program), once.
void registerEmbeddedFaces() {
    static const bool registered = [] {
        const QDir embedded(QStringLiteral(":/fonts"));
        for (const QString& file : embedded.entryList(QDir::Files))
            QFontDatabase::addApplicationFont(embedded.filePath(file));
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

void installFontSubstitutions() {
    if (platform::readsFacesAtStart())
        registerEmbeddedFaces();
    // "Abacolo Sans" is the browser's Liberation Sans, reduced to the letters the program shows.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Abacolo Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    // The toolkit's own face on Windows (buttons without a font of their own) is the alias "MS Shell
    // Dlg", which Windows resolves itself; where nothing resolves it (Wine), a sans serif stands in.
    for (const QString& alias : {QStringLiteral("MS Shell Dlg"), QStringLiteral("MS Shell Dlg 2")})
        QFont::insertSubstitutions(alias, {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
                                           QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Comic Sans MS"),
        {QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans"), QStringLiteral("DejaVu Sans")});
}

QFont fontFor(const FontSpec& face, const QFont& base) {
    if (face.family == nullptr)
        return base;
    registerEmbeddedFaces();
    QFont font(QString::fromLatin1(face.family));
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    font.setItalic(face.italic);
    return font;
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The program's identity: name and version on the application object, the Windows version record and
// the desktop entry agree, and every size of the icon exists.
#include "app/identity.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

using namespace abacolo;

namespace {

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class IdentityTest : public QObject {
    Q_OBJECT

private slots:
    void applicationObject() {
        describeApplication();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Abacolo"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(ABACOLO_VERSION));
    }

    void windowsVersionRecord_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("product") << QStringLiteral("ProductName") << QString::fromLatin1(productName);
        QTest::newRow("internal") << QStringLiteral("InternalName") << QString::fromLatin1(internalName);
        QTest::newRow("file version") << QStringLiteral("FileVersion") << QString::fromLatin1(productVersion);
        QTest::newRow("product version")
            << QStringLiteral("ProductVersion") << QString::fromLatin1(productVersion);
    }

    void windowsVersionRecord() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        // The resource script as the build filled in its name and version.
        const QString rc = readFile(QStringLiteral(ABACOLO_CONFIGURED_RESOURCES "/abacolo.rc"));
        QVERIFY(rc.contains(QStringLiteral("BLOCK \"041004B0\"")));
        QVERIFY(rc.contains(QStringLiteral("ICON \"icons/abacolo.ico\"")));
        const QRegularExpression entry(QStringLiteral("VALUE \"%1\", \"([^\"]*)\"").arg(key));
        const QRegularExpressionMatch match = entry.match(rc);
        QVERIFY2(match.hasMatch(), qPrintable(key));
        QCOMPARE(match.captured(1), value);
    }

    // Read from the icon directory itself: one image, 32 x 32, a 16-colour palette at 4 bits a pixel.
    void windowsIconIs32By32With16Colours() {
        QFile file(QStringLiteral(ABACOLO_RESOURCES "/icons/abacolo.ico"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        constexpr int directorySize = 6, entrySize = 16;
        QVERIFY(ico.size() > directorySize + entrySize);
        const auto byte = [&ico](int at) { return int(static_cast<unsigned char>(ico[at])); };
        QCOMPARE(byte(2) | byte(3) << 8, 1);   // an icon, not a cursor
        QCOMPARE(byte(4) | byte(5) << 8, 1);   // one image
        QCOMPARE(byte(6), 32);                 // width
        QCOMPARE(byte(7), 32);                 // height
        QCOMPARE(byte(8), 16);                 // colours in the palette
        QCOMPARE(byte(12) | byte(13) << 8, 4); // bits per pixel
        QCOMPARE(QImage::fromData(ico).size(), QSize(32, 32));
    }

    void desktopEntryMatchesTheInstalledIcon() {
        const QString entry =
            readFile(QStringLiteral(ABACOLO_CONFIGURED_RESOURCES "/it.abacolo.Abacolo.desktop"));
        QVERIFY(entry.contains(QStringLiteral("\nName=Abacolo\n")));
        QVERIFY(entry.contains(QStringLiteral("\nIcon=%1\n").arg(QString::fromLatin1(desktopId))));
        QVERIFY(entry.contains(QStringLiteral("\nCategories=Education;Math;Qt;\n")));
        QVERIFY(entry.contains(QStringLiteral("\nExec=abacolo\n")));
    }

    void themeIconsInEverySize_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }

    void themeIconsInEverySize() {
        QFETCH(int, size);
        const QImage png(QStringLiteral(ABACOLO_RESOURCES "/icons/hicolor/%1x%1/apps/%2.png")
                             .arg(size)
                             .arg(QString::fromLatin1(desktopId)));
        QCOMPARE(png.size(), QSize(size, size));
    }
};

QTEST_GUILESS_MAIN(IdentityTest)
#include "test_identity.moc"

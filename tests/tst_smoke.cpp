// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QVersionNumber>

using namespace Qt::StringLiterals;

#ifdef Q_OS_WIN
#include <windows.h>

#include <memory>
#include <string>

namespace {

// LoadLibraryEx wants backslashes.
std::wstring programPath()
{
    return QDir::toNativeSeparators(QString::fromUtf8(TESSEL_EXECUTABLE)).toStdWString();
}

// The program's file opened for its resources only, never run.
struct ResourceModule
{
    std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> module{
        LoadLibraryExW(programPath().c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE),
        &FreeLibrary};

    // Resource `id` of the numbered type `type` (3 an icon, 14 an icon's
    // list of sizes, 24 a manifest).
    [[nodiscard]] QByteArray resource(int id, int type) const
    {
        HRSRC found = FindResourceW(module.get(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
        HGLOBAL loaded = found ? LoadResource(module.get(), found) : nullptr;
        if (!loaded)
            return {};
        return QByteArray(static_cast<const char *>(LockResource(loaded)),
                          SizeofResource(module.get(), found));
    }
};

// A value of the version information as Windows reads it: the fixed file and
// product versions for "\\", the languages for the translation table, the
// string itself otherwise; empty when missing.
QString versionValue(const QString &query)
{
    const std::wstring path = programPath();
    QByteArray data(GetFileVersionInfoSizeW(path.c_str(), nullptr), '\0');
    void *value = nullptr;
    UINT length = 0;
    if (data.isEmpty() || !GetFileVersionInfoW(path.c_str(), 0, DWORD(data.size()), data.data())
        || !VerQueryValueW(data.data(), qUtf16Printable(query), &value, &length))
        return {};
    if (query == u"\\") {
        const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(value);
        QStringList parts;
        for (DWORD pair : {fixed->dwFileVersionMS, fixed->dwFileVersionLS,
                           fixed->dwProductVersionMS, fixed->dwProductVersionLS})
            parts << QString::number(HIWORD(pair)) << QString::number(LOWORD(pair));
        return parts.mid(0, 4).join(u'.') + u' ' + parts.mid(4).join(u'.');
    }
    if (query.startsWith(u"\\VarFileInfo"_s)) {
        QStringList words;
        for (UINT i = 0; i < length / sizeof(WORD); ++i)
            words.append(u"%1"_s.arg(static_cast<const WORD *>(value)[i], 4, 16, QChar(u'0')));
        return words.join(u' ');
    }
    return QString::fromWCharArray(static_cast<const wchar_t *>(value));
}

} // namespace
#endif

// Starts the real program offscreen: it keeps running and makes its template
// folder, beside itself in a development build and in the user's data folder
// in a packaged one, writing nothing anywhere else.
class TestSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programStartsAndRuns()
    {
        const QDir programFolder = QFileInfo(QString::fromUtf8(TESSEL_EXECUTABLE)).dir();
        const QStringList beside = programFolder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, home.path());
        environment.remove(u"XDG_DATA_HOME"_s);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QString::fromUtf8(TESSEL_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        QVERIFY2(!program.waitForFinished(1500), "the program ended by itself");

        const QString userStore = home.filePath(u".local/share/neattessel/tmp"_s);
        if (TESSEL_PACKAGED) {
            QCOMPARE(programFolder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), beside);
            QVERIFY(QFileInfo(userStore).isDir());
        } else {
            QVERIFY(QFileInfo(programFolder, u"tmp"_s).isDir());
            QVERIFY(QDir(home.path()).isEmpty());
        }
        program.kill();
        QVERIFY(program.waitForFinished());
    }

#ifdef Q_OS_WIN
    // What Explorer shows before the program runs, read back through
    // Windows' own calls: the version from project() in four numbers, and
    // the same strings in the Japanese block and the neutral one.
    void versionInformation_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QList<int> parts = QVersionNumber::fromString(QString::fromUtf8(TESSEL_VERSION)).segments();
        parts.resize(4);
        QStringList numbers;
        for (int part : parts)
            numbers.append(QString::number(part));
        const QString version = numbers.join(u'.');
        QTest::newRow("file and product version") << u"\\"_s << version + u' ' + version;
        QTest::newRow("languages") << u"\\VarFileInfo\\Translation"_s << u"0411 04b0 0000 04b0"_s;
        const std::pair<const char *, QString> strings[] = {
            {"ProductName", u"NeatTessel"_s},
            {"FileDescription", u"NeatTessel（ReadMe 作成ウィザード）"_s},
            {"CompanyName", u"NeatTessel developers"_s},
            {"LegalCopyright", u"Copyright (c) 2026 NeatTessel developers. MIT License"_s},
            {"OriginalFilename", u"neattessel.exe"_s},
            {"FileVersion", version},
            {"ProductVersion", version},
        };
        for (const auto &[block, language] :
             {std::pair{"041104B0", "Japanese"}, {"000004B0", "neutral"}}) {
            for (const auto &[key, value] : strings)
                QTest::addRow("%s %s", language, key)
                    << u"\\StringFileInfo\\%1\\%2"_s.arg(QLatin1String(block), QLatin1String(key))
                    << value;
        }
    }

    void versionInformation()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        QCOMPARE(versionValue(query), expected);
    }

    // Each size of the first icon is there as a picture of its own: the one
    // Windows picks for that size is exactly that size, not scaled.
    void iconSizes_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 20, 24, 32, 40, 48, 64, 256})
            QTest::addRow("%d px", size) << size;
    }

    void iconSizes()
    {
        QFETCH(int, size);
        const ResourceModule program;
        QVERIFY(program.module);
        QByteArray group = program.resource(1, 14);
        QVERIFY(!group.isEmpty());
        const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(group.data()), TRUE,
                                                   size, size, LR_DEFAULTCOLOR);
        QByteArray picture = program.resource(id, 3);
        QVERIFY(!picture.isEmpty());
        HICON icon =
            CreateIconFromResourceEx(reinterpret_cast<PBYTE>(picture.data()), DWORD(picture.size()),
                                     TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
        QVERIFY(icon);
        ICONINFO info = {};
        BITMAP bitmap = {};
        const bool read = GetIconInfo(icon, &info)
                          && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap) == sizeof bitmap;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
        QVERIFY(read);
        QCOMPARE(QSize(bitmap.bmWidth, bitmap.bmHeight), QSize(size, size));
    }

    void manifest_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("present");
        QTest::newRow("Windows 10 and 11")
            << QByteArray("<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>") << true;
        QTest::newRow("long paths") << QByteArray(">true</longPathAware>") << true;
        QTest::newRow("per-monitor v2, as Qt 6 sets at start")
            << QByteArray(">PerMonitorV2</dpiAwareness>") << true;
        QTest::newRow("as invoker") << QByteArray("level=\"asInvoker\"") << true;
        QTest::newRow("active code page left alone") << QByteArray("<activeCodePage") << false;
    }

    // The application manifest: resource 1 of type 24, as Windows loads it.
    void manifest()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, present);
        const ResourceModule program;
        QVERIFY(program.module);
        const QByteArray manifest = program.resource(1, 24);
        QVERIFY(manifest.startsWith("<?xml"));
        QCOMPARE(manifest.contains(text), present);
    }
#endif
};

QTEST_GUILESS_MAIN(TestSmoke)
#include "tst_smoke.moc"

// SPDX-License-Identifier: MIT
#include "core/Texts.h"
#include "io/Cp932Codec.h"

#include <QFile>
#include <QHash>
#include <QTest>

#include "Wine.h"

using namespace Qt::StringLiterals;

// Checks Cp932Codec against what Windows does, as recorded in
// cp932-windows.tsv: every BMP code point Windows encodes, and its bytes.
class TestCp932 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void encodesEveryBmpCodeLikeWindows();
    void decodesEveryWindowsCode();
    void everyDoubleByteCodeDecodesToAnEncodableCharacter();
    void decodesLikeTheSystemConverter();
    void encodesLikeTheSystemConverter();
    void duplicatesDecode_data();
    void duplicatesDecode();
    void decodeErrors_data();
    void decodeErrors();
    void reportsUnencodable_data();
    void reportsUnencodable();
    void describe_data();
    void describe();

private:
    QHash<char16_t, QByteArray> m_windows;
};

namespace {

// The bytes for one UTF-16 unit; empty when it is reported as having no code.
[[nodiscard]] QByteArray encodeOne(char16_t unit)
{
    const QChar ch(unit);
    const auto encoded = Cp932Codec::encode(QStringView(&ch, 1));
    if (encoded.unencodable != QList<char32_t>{unit} && !encoded.ok())
        return QByteArrayLiteral("wrong report");
    return encoded.ok() ? encoded.bytes : QByteArray();
}

} // namespace

void TestCp932::initTestCase()
{
    QFile file(QString::fromUtf8(TESSEL_TEST_DATA "/cp932-windows.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        QCOMPARE(fields.size(), 2);
        m_windows.insert(char16_t(fields[0].toUInt(nullptr, 16)), QByteArray::fromHex(fields[1]));
    }
}

void TestCp932::encodesEveryBmpCodeLikeWindows()
{
    int wrong = 0;
    QString firstWrong;
    for (char32_t cp = 0; cp <= 0xFFFF; ++cp) {
        const QByteArray bytes = encodeOne(char16_t(cp));
        if (bytes != m_windows.value(char16_t(cp)) && wrong++ == 0)
            firstWrong = QString::number(cp, 16) + u' ' + QString::fromLatin1(bytes.toHex());
    }
    QVERIFY2(wrong == 0, qPrintable(QString::number(wrong) + u" wrong, first "_s + firstWrong));
}

void TestCp932::decodesEveryWindowsCode()
{
    for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it) {
        const auto decoded = Cp932Codec::decode(it.value());
        QVERIFY2(decoded.ok() && decoded.text == QString(QChar(it.key())),
                 it.value().toHex().constData());
    }
}

// Windows decodes 9604 double-byte codes: JIS X 0208, the NEC row 13, the NEC
// selected IBM extensions (rows ED, EE), the IBM extensions and the user area.
void TestCp932::everyDoubleByteCodeDecodesToAnEncodableCharacter()
{
    int valid = 0;
    for (int code = 0x8100; code <= 0xFCFF; ++code) {
        if (code >= 0xA000 && code < 0xE000)
            continue; // A0-DF are single-byte characters, not lead bytes
        const char pair[2] = {char(code >> 8), char(code & 0xFF)};
        const auto decoded = Cp932Codec::decode(QByteArrayView(pair, 2));
        if (!decoded.ok())
            continue;
        ++valid;
        QCOMPARE(decoded.text.size(), 1);
        QVERIFY2(m_windows.contains(decoded.text[0].unicode()),
                 QByteArray::number(code, 16).constData());
    }
    QCOMPARE(valid, 9604);
}

#ifdef Q_OS_WIN
// Windows' own converter, over every single and double-byte code: what it
// decodes to, or -1 where it refuses the code.
void TestCp932::decodesLikeTheSystemConverter()
{
    // Wine refuses the single bytes A0 and FD-FF, which Windows decodes to
    // U+F8F0-U+F8F3 (as cp932-windows.tsv records and the tests above check).
    const QStringList wineRefuses = {u"a0"_s, u"fd"_s, u"fe"_s, u"ff"_s};
    QStringList differing;
    int compared = 0;
    for (int code = 0; code <= 0xFCFF; ++code) {
        const bool pair = code > 0xFF;
        const char bytes[2] = {char(pair ? code >> 8 : code), char(code & 0xFF)};
        const int length = pair ? 2 : 1;
        if (pair && !Cp932Codec::decode(QByteArrayView(bytes, 1)).text.isEmpty())
            continue; // the first byte is no lead byte
        wchar_t units[4] = {};
        const int count = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, length, units, 4);
        const auto ours = Cp932Codec::decode(QByteArrayView(bytes, length));
        const QString expected = count == 1 ? QString(QChar(char16_t(units[0]))) : QString();
        if (ours.ok() != (count == 1) || ours.text != expected)
            differing.append(QString::number(code, 16));
        ++compared;
    }
    QCOMPARE(compared, 256 + 60 * 256);
    if (underWine())
        qInfo("Under Wine, which refuses the bytes A0 and FD-FF that Windows decodes");
    QCOMPARE(differing, underWine() ? wineRefuses : QStringList());
}

void TestCp932::encodesLikeTheSystemConverter()
{
    QStringList differing;
    for (char32_t cp = 0; cp <= 0xFFFF; ++cp) {
        const wchar_t unit = wchar_t(cp);
        char bytes[4] = {};
        BOOL usedDefault = FALSE;
        const int count = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &unit, 1, bytes, 4,
                                              nullptr, &usedDefault);
        const QByteArray expected =
            usedDefault || count <= 0 ? QByteArray() : QByteArray(bytes, count);
        if (encodeOne(char16_t(cp)) != expected)
            differing.append(QString::number(uint(cp), 16));
    }
    QCOMPARE(differing, QStringList());
}
#else
void TestCp932::decodesLikeTheSystemConverter()
{
    QSKIP("Windows' own converter exists only on Windows");
}

void TestCp932::encodesLikeTheSystemConverter()
{
    QSKIP("Windows' own converter exists only on Windows");
}
#endif

// Several codes decode to one character; Windows encodes it to the lowest
// code outside rows ED and EE, which the whole-range check above proves.
void TestCp932::duplicatesDecode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("codePoint");
    QTest::newRow("EEEF is small roman one (encodes FA40)") << QByteArray("\xEE\xEF") << 0x2170u;
    QTest::newRow("FA54 is full-width not (encodes 81CA)") << QByteArray("\xFA\x54") << 0xFFE2u;
    QTest::newRow("8795 is square root (encodes 81E3)") << QByteArray("\x87\x95") << 0x221Au;
    QTest::newRow("FA4A is roman one (encodes 8754)") << QByteArray("\xFA\x4A") << 0x2160u;
}

void TestCp932::duplicatesDecode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(uint, codePoint);
    QCOMPARE(Cp932Codec::decode(bytes).text, QString(QChar(char16_t(codePoint))));
}

void TestCp932::decodeErrors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("invalidOffset");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, const char *hex, int offset, const char16_t *text) {
        QTest::newRow(name) << QByteArray::fromHex(hex) << offset << QString::fromUtf16(text);
    };
    row("empty input", "", -1, u"");
    row("all valid", "41 82A0 B1 A0", -1, u"Aあｱ\uF8F0");
    row("lead byte at the end", "41 42 82", 2, u"AB");
    row("lead before ASCII", "41 81 20", 1, u"A");
    row("lead before 7F", "82 7F", 0, u"");
    row("unassigned code in row 81", "82A0 81AD", 2, u"あ");
    row("unassigned row 85", "8540", 0, u"");
    row("stops at the first error", "82A0 8540 82A2", 2, u"あ");
}

void TestCp932::decodeErrors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, invalidOffset);
    QFETCH(QString, text);
    // Followed by a byte that would complete a truncated character: the
    // decoder must not look past the end of its view.
    const QByteArray padded = bytes + QByteArray::fromHex("A0");
    const auto decoded = Cp932Codec::decode(QByteArrayView(padded).first(bytes.size()));
    QCOMPARE(decoded.invalidOffset, qsizetype(invalidOffset));
    QCOMPARE(decoded.text, text);
}

void TestCp932::reportsUnencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<char32_t>>("unencodable");
    const auto row = [](const char *name, const char16_t *text, const char *bytes,
                        QList<char32_t> missing) {
        QTest::newRow(name) << QStringView(text).toString() << QByteArray(bytes) << missing;
    };
    row("all encodable", u"a\\b", "a\\b", {});
    row("emoji as one code point", u"a😀b", "ab", {0x1F600});
    row("each once, first appearance first", u"€x😀€\u00A5😀", "x", {0x20AC, 0x1F600, 0xA5});
    row("lone high surrogate",
        u"a\xD800"
        u"b",
        "ab", {0xD800});
    row("swapped pair", u"\xDE00\xD83D", "", {0xDE00, 0xD83D});
    row("high surrogate at the end", u"a\xD83D", "a", {0xD83D});
}

void TestCp932::reportsUnencodable()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<char32_t>, unencodable);
    const auto encoded = Cp932Codec::encode(text);
    QCOMPARE(encoded.unencodable, unencodable);
    QCOMPARE(encoded.bytes, bytes);
}

void TestCp932::describe_data()
{
    QTest::addColumn<QList<char32_t>>("codePoints");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QList<char32_t>{} << 10 << QString();
    QTest::newRow("emoji and euro")
        << QList<char32_t>{0x1F600, 0x20AC} << 10 << u"「😀」(U+1F600)、「€」(U+20AC)"_s;
    QTest::newRow("control without glyph")
        << QList<char32_t>{0x1B, 0xA5} << 10 << u"(U+001B)、「¥」(U+00A5)"_s;
    QTest::newRow("cut after the limit")
        << QList<char32_t>{0xA5, 0x2212, 0x20AC} << 2 << u"「¥」(U+00A5)、「−」(U+2212)、…"_s;
}

void TestCp932::describe()
{
    QFETCH(QList<char32_t>, codePoints);
    QFETCH(int, limit);
    QFETCH(QString, text);
    QCOMPARE(Texts::characters(codePoints, limit), text);
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"

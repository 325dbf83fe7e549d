// The Latin-1 to UTF-8 conversion, the encoding decision, the byte-text
// helpers, the language directories and the interface text slots.

#include "data_test_support.h"

#include "data/encoding.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/spanish_order.h"
#include "data/text_bytes.h"

#include <QtTest>

using namespace velmira;
using namespace testsupport;

class TestTextEncoding : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetFoundationState(); }
    void cleanup() { resetFoundationState(); }

    void latin1ToUtf8Bytes();
    void latin1ToUtf8MatchesCodecForEveryByte();
    void storedLineFollowsUtfMode();

    void decideUtfMode_data();
    void decideUtfMode();
    void decideEncodingReadsLang();

    void parseFieldNumber_data();
    void parseFieldNumber();
    void textHelpers();
    void spanishAlphabeticalOrder();

    void languageDirectories();
    void perLanguageNames();

    void slotCapacities();
    void interfaceTextsCutAndEmptyBeyondFile();
    void interfaceTextsConvertedBeforeCut();
    void interfaceTextsFromLanguageDirectory();
    void interfaceTextsMissingFile();
};

void TestTextEncoding::latin1ToUtf8Bytes()
{
    const QByteArray fisica("\x46\xED\x73\x69\x63\x61", 6);
    const QByteArray converted = latin1ToUtf8(fisica);
    QCOMPARE(converted, QByteArray("\x46\xC3\xAD\x73\x69\x63\x61", 7));
    // The input is left as it was.
    QCOMPARE(fisica, QByteArray("\x46\xED\x73\x69\x63\x61", 6));

    // 0x7F and the other bytes below 0x80 stay single and unchanged, NUL included.
    const QByteArray low("a\x7F\tz\0b", 6);
    QCOMPARE(latin1ToUtf8(low), low);

    QCOMPARE(latin1ToUtf8(QByteArray()), QByteArray());
    QCOMPARE(latin1ToUtf8(QByteArray("\x80\xFF", 2)), QByteArray("\xC2\x80\xC3\xBF", 4));
    // Consecutive high bytes: each becomes its own pair, in order.
    QCOMPARE(latin1ToUtf8(QByteArray("\xC1\xE9\xF1", 3)), QByteArray("\xC3\x81\xC3\xA9\xC3\xB1", 6));
}

void TestTextEncoding::latin1ToUtf8MatchesCodecForEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QByteArray converted = latin1ToUtf8(all);
    QCOMPARE(converted, QString::fromLatin1(all).toUtf8());
    QCOMPARE(converted.size(), 128 + 2 * 128);
}

void TestTextEncoding::storedLineFollowsUtfMode()
{
    const QByteArray line("Educaci\xF3n", 9);
    setUtfMode(false);
    QCOMPARE(storedLine(line), line);
    QCOMPARE(displayText(line), QStringLiteral("Educación"));
    setUtfMode(true);
    QCOMPARE(storedLine(line), QByteArray("Educaci\xC3\xB3n", 10));
    QCOMPARE(displayText(storedLine(line)), QStringLiteral("Educación"));
    QCOMPARE(storedText(QStringLiteral("ñ")), QByteArray("\xC3\xB1", 2));
    // "4º" converted and cut to a 2-byte slot keeps half of the "º": it is not shown.
    QCOMPARE(displayText(storedLine("4\xBA").left(2)), QStringLiteral("4"));
    // A name typed with a three-byte letter and cut inside it loses the
    // whole letter; letters before it, and a whole one at the end, stay.
    const QByteArray euro = storedText(QStringLiteral("ñ€"));
    QCOMPARE(displayText(euro.left(4)), QStringLiteral("ñ"));
    QCOMPARE(displayText(euro.left(3)), QStringLiteral("ñ"));
    QCOMPARE(displayText(euro), QStringLiteral("ñ€"));
    QVERIFY(!displayText(QByteArray("\xF0\x9F\x98", 3)).contains(QChar::ReplacementCharacter));
    setUtfMode(false);
    QCOMPARE(storedText(QStringLiteral("ñ")), QByteArray("\xF1", 1));
}

void TestTextEncoding::decideUtfMode_data()
{
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("utf");

    QTest::newRow("C.UTF-8, ISO forces Latin-1") << QByteArray("C.UTF-8") << QByteArray("ISO") << false;
    QTest::newRow("lower-case utf8, dash") << QByteArray("es_ES.utf8") << QByteArray("-") << false;
    QTest::newRow("UTF-8 locale, dash") << QByteArray("es_ES.UTF-8") << QByteArray("-") << true;
    QTest::newRow("UTF-8 locale, no setting") << QByteArray("es_ES.UTF-8") << QByteArray() << true;
    QTest::newRow("UTF-8 locale, unknown setting") << QByteArray("es_ES.UTF-8") << QByteArray("XYZ") << true;
    QTest::newRow("Latin-1 locale, UTF forces")
        << QByteArray("es_ES.ISO-8859-1") << QByteArray("UTF") << true;
    QTest::newRow("lower-case utf8, UTF forces") << QByteArray("es_ES.utf8") << QByteArray("UTF") << true;
    QTest::newRow("empty LANG, no setting") << QByteArray() << QByteArray() << false;
    QTest::newRow("empty LANG, ISO") << QByteArray() << QByteArray("ISO") << false;
    QTest::newRow("setting is case-sensitive") << QByteArray("C") << QByteArray("utf") << false;
    QTest::newRow("UTF anywhere in LANG") << QByteArray("xxUTFxx") << QByteArray("-") << true;
}

void TestTextEncoding::decideUtfMode()
{
    QFETCH(QByteArray, lang);
    QFETCH(QByteArray, setting);
    QFETCH(bool, utf);
    QCOMPARE(velmira::decideUtfMode(lang, setting), utf);
}

void TestTextEncoding::decideEncodingReadsLang()
{
    const QByteArray saved = qgetenv("LANG");
    const bool hadLang = qEnvironmentVariableIsSet("LANG");

    qputenv("LANG", "C.UTF-8");
    decideEncoding("ISO");
    QVERIFY(!utfMode());
    decideEncoding("-");
    QVERIFY(utfMode());

    qputenv("LANG", "es_ES.utf8");
    decideEncoding("-");
    QVERIFY(!utfMode());

    qunsetenv("LANG");
    setUtfMode(true);
    decideEncoding("");
    QVERIFY(!utfMode());
    decideEncoding("UTF");
    QVERIFY(utfMode());

    if (hadLang)
        qputenv("LANG", saved);
    else
        qunsetenv("LANG");
}

void TestTextEncoding::parseFieldNumber_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("digits") << QByteArray("12") << true << 12;
    QTest::newRow("blank then digit") << QByteArray(" 5") << true << 5;
    QTest::newRow("leading zeros") << QByteArray("012") << true << 12;
    QTest::newRow("zero") << QByteArray("00") << true << 0;
    QTest::newRow("minus") << QByteArray("-3") << true << -3;
    QTest::newRow("plus") << QByteArray("+7") << true << 7;
    QTest::newRow("blanks, sign, digits") << QByteArray("  -45") << true << -45;
    QTest::newRow("two blanks") << QByteArray("  ") << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("digit then blank") << QByteArray("5 ") << false << 0;
    QTest::newRow("digit blank digit") << QByteArray("0 2") << false << 0;
    QTest::newRow("digit then letter") << QByteArray("1a") << false << 0;
    QTest::newRow("letters") << QByteArray("AB") << false << 0;
    QTest::newRow("sign alone") << QByteArray(" -") << false << 0;
    QTest::newRow("sign then blank") << QByteArray("- 5") << false << 0;
    QTest::newRow("two signs") << QByteArray("+-5") << false << 0;
    QTest::newRow("NUL byte") << QByteArray("1\0", 2) << false << 0;
    QTest::newRow("high byte") << QByteArray("\xB9", 1) << false << 0;
}

void TestTextEncoding::parseFieldNumber()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, valid);
    QFETCH(int, value);
    int parsed = -999;
    QCOMPARE(velmira::parseFieldNumber(field, parsed), valid);
    if (valid)
        QCOMPARE(parsed, value);
}

void TestTextEncoding::textHelpers()
{
    // Only the space character counts as a trailing blank.
    QCOMPARE(trimTrailingBlanks("Texto   "), QByteArray("Texto"));
    QCOMPARE(trimTrailingBlanks("   "), QByteArray());
    QCOMPARE(trimTrailingBlanks("  a b "), QByteArray("  a b"));
    QCOMPARE(trimTrailingBlanks("tab\t"), QByteArray("tab\t"));
    QCOMPARE(trimTrailingBlanks("x \t "), QByteArray("x \t"));

    QVERIFY(isBlank(""));
    QVERIFY(isBlank("    "));
    QVERIFY(!isBlank("  .  "));
    QVERIFY(!isBlank("\t"));

    QCOMPARE(repeatChar(5, '-'), QByteArray("----"));
    QCOMPARE(repeatChar(1, '-'), QByteArray());
    QCOMPARE(repeatChar(0, '-'), QByteArray());
    QCOMPARE(repeatChar(-7, '-'), QByteArray());
    QCOMPARE(repeatChar(81, ' ').size(), 80);
    QCOMPARE(repeatChar(500, ' ').size(), 80);

    QCOMPARE(padTo("abc", 6), QByteArray("abc   "));
    QCOMPARE(padTo("abcdefgh", 4), QByteArray("abcd"));
    QCOMPARE(padTo("", 3), QByteArray("   "));
    QCOMPARE(padTo("abc", 0), QByteArray());

    // Columns padded by characters: in UTF mode an accented letter is two
    // bytes but one column, so a name with accents gets as many columns as
    // one without; a cut never splits a letter.
    const QByteArray accented = latin1ToUtf8("Educaci\xF3n F\xEDsica");
    setUtfMode(true);
    QCOMPARE(padToCharacters(accented, 20), accented + "    ");
    QCOMPARE(padToCharacters(accented, 9), latin1ToUtf8("Educaci\xF3n"));
    QCOMPARE(leftCharacters(accented, 8), latin1ToUtf8("Educaci\xF3"));
    QCOMPARE(leftCharacters(accented, 40), accented);
    QCOMPARE(padToCharacters("abc", 0), QByteArray());
    QCOMPARE(padToCharacters(latin1ToUtf8("1\xBA"), 3), latin1ToUtf8("1\xBA "));
    setUtfMode(false);
    QCOMPARE(padToCharacters("Educaci\xF3n", 9), QByteArray("Educaci\xF3n"));
    QCOMPARE(padToCharacters("Educaci\xF3n", 12), QByteArray("Educaci\xF3n   "));
    QCOMPARE(leftCharacters("Educaci\xF3n", 4), QByteArray("Educ"));

    const QByteArray line("0123456789");
    QCOMPARE(columns(line, 1, 2), QByteArray("01"));
    QCOMPARE(columns(line, 3, 5), QByteArray("234"));
    QCOMPARE(columns(line, 9, 40), QByteArray("89")); // shorter when the line ends first
    QCOMPARE(columns(line, 11, 20), QByteArray());    // wholly beyond the line
    QCOMPARE(columns(line, 10, 10), QByteArray("9"));
    QCOMPARE(columns("", 1, 5), QByteArray());
}

void TestTextEncoding::languageDirectories()
{
    setLanguage(2);
    QCOMPARE(languageDirectory(), QByteArray("galego/"));
    QVERIFY(notCastilian());
    QCOMPARE(localName("textos"), QByteArray("galego/textos"));
    QCOMPARE(localName("carreran"), QByteArray("galego/carreran"));
    QCOMPARE(localName("comunida"), QByteArray("comunida"));
    QCOMPARE(localName("lugar"), QByteArray("lugar"));
    QCOMPARE(localName("dobles"), QByteArray("dobles"));
    QCOMPARE(localName("datgrados"), QByteArray("datgrados"));
    QCOMPARE(localName("clave12"), QByteArray("clave12"));
    QCOMPARE(localName("fuente"), QByteArray("fuente"));

    setLanguage(1);
    QCOMPARE(localName("fp"), QByteArray("catVal/fp"));
    setLanguage(3);
    QCOMPARE(localName("certificah"), QByteArray("euskera/certificah"));

    // A value outside 0-3: no directory, but still not Castilian.
    setLanguage(7);
    QVERIFY(notCastilian());
    QCOMPARE(languageDirectory(), QByteArray());
    QCOMPARE(localName("textos"), QByteArray("textos"));

    setLanguage(0);
    QVERIFY(!notCastilian());
    QCOMPARE(languageDirectory(), QByteArray());
    QCOMPARE(localName("textos"), QByteArray("textos"));
}

void TestTextEncoding::perLanguageNames()
{
    const QList<QByteArray> perLanguage = {
        "textos",     "materias",  "informa",  "fps",       "cuestion",  "cuesgm",   "itinerar",  "fp2",
        "asignagm",   "materiasp", "carreran", "carreranb", "otros",     "cualidad", "interes",   "fp",
        "reqfp",      "asignafp",  "asignaot", "activida",  "familias",  "fpip",     "ipmodulos", "certifica",
        "certificah", "artesplas", "musica",   "danza",     "dramatico",
    };
    const QList<QByteArray> shared = {
        "comunida", "lugar",    "comuint",   "lu1",    "lu2",     "lu3",       "lu4",     "dobles",
        "datluggs", "datluggm", "datlugip",  "datfps", "datfpm",  "datgrados", "datgrub", "clave12",
        "fuente",   "mapa",     "chica.bmp", "fp3",    "textos2", "",
    };
    setLanguage(2);
    for (const QByteArray &name : perLanguage) {
        QVERIFY2(isPerLanguageFile(name), name.constData());
        QCOMPARE(localName(name), "galego/" + name);
    }
    for (const QByteArray &name : shared) {
        QVERIFY2(!isPerLanguageFile(name), name.constData());
        QCOMPARE(localName(name), name);
    }
}

void TestTextEncoding::slotCapacities()
{
    QCOMPARE(textSlotCount(), 662);
    int withSlot = 0;
    for (int line = 0; line <= 800; ++line)
        withSlot += textSlotCapacity(line) > 0 ? 1 : 0;
    QCOMPARE(withSlot, 662);

    const QList<QPair<int, int>> known = {
        {1, 40},   {2, 6},    {3, 25},   {4, 25},   {5, 22},   {175, 10}, {163, 75}, {188, 2},
        {189, 75}, {252, 8},  {264, 25}, {389, 50}, {410, 30}, {417, 30}, {428, 30}, {440, 30},
        {486, 22}, {490, 22}, {583, 12}, {602, 50}, {622, 20}, {670, 2},  {674, 40}, {677, 10},
        {678, 25}, {689, 70}, {698, 60}, {711, 60}, {733, 20}, {749, 45},
    };
    for (const auto &[line, capacity] : known)
        QVERIFY2(textSlotCapacity(line) == capacity, qPrintable(QString::number(line)));

    const QList<QPair<int, int>> unused = {{390, 409}, {418, 427}, {429, 439}, {487, 489},
                                           {603, 621}, {675, 676}, {679, 688}, {699, 710}};
    for (const auto &[first, last] : unused)
        for (int line = first; line <= last; ++line)
            QVERIFY2(textSlotCapacity(line) == 0, qPrintable(QString::number(line)));
    QCOMPARE(textSlotCapacity(0), 0);
    QCOMPARE(textSlotCapacity(750), 0);
    QCOMPARE(textSlotCapacity(-1), 0);

    for (int line = 1; line <= kHighestTextSlot; ++line) {
        const int capacity = textSlotCapacity(line);
        QVERIFY(capacity == 0 || (capacity >= 2 && capacity <= 75));
    }
}

void TestTextEncoding::interfaceTextsCutAndEmptyBeyondFile()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());

    // 80 distinct characters so that any cut shows where it was made.
    QByteArray eighty;
    for (int i = 0; i < 80; ++i)
        eighty.append(static_cast<char>('!' + i));

    QList<QByteArray> lines;
    for (int k = 1; k <= 400; ++k)
        lines << "linea " + QByteArray::number(k);
    lines[0] = eighty;        // slot 1: capacity 40
    lines[1] = "  ab   ";     // slot 2: capacity 6, trailing blanks removed
    lines[162] = eighty;      // slot 163: capacity 75
    lines[187] = "XYZ";       // slot 188: capacity 2
    lines[389] = "sin hueco"; // line 390 has no slot
    QVERIFY(writeFile("textos", joinLines(lines)));

    interfaceTextTable().clear();
    LoadInterfaceTexts("textos", interfaceTextTable());
    AssignInterfaceTexts();

    QCOMPARE(interfaceTextTable().at(0), QByteArray("textos"));
    QCOMPARE(interfaceTextTable().at(1), eighty.left(75));
    QCOMPARE(interfaceTextTable().at(2), QByteArray("  ab"));
    QCOMPARE(interfaceTextTable().at(390), QByteArray("sin hueco"));

    QCOMPARE(interfaceText(1), eighty.left(40));
    QCOMPARE(interfaceText(2), QByteArray("  ab"));
    QCOMPARE(interfaceText(163), eighty.left(75));
    QCOMPARE(interfaceText(188), QByteArray("XY"));
    QCOMPARE(interfaceText(264), QByteArray("linea 264"));
    QCOMPARE(interfaceText(390), QByteArray()); // no slot
    QCOMPARE(interfaceText(401), QByteArray()); // beyond the end of the file
    QCOMPARE(interfaceText(749), QByteArray());
    QCOMPARE(interfaceText(750), QByteArray());
    QCOMPARE(uiText(264), QStringLiteral("linea 264"));

    for (int line = 1; line <= kHighestTextSlot; ++line)
        QVERIFY(interfaceText(line).size() <= textSlotCapacity(line));
}

void TestTextEncoding::interfaceTextsConvertedBeforeCut()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QList<QByteArray> lines(3);
    lines[0] = "uno";
    lines[1] = QByteArray("F\xEDsica", 6);      // slot 2: capacity 6
    lines[2] = QByteArray(74, 'a') + "\xE9   "; // converted: 76 bytes before trimming
    QVERIFY(writeFile("textos", joinLines(lines)));

    setUtfMode(true);
    interfaceTextTable().clear();
    LoadInterfaceTexts("textos", interfaceTextTable());
    AssignInterfaceTexts();

    // Converted to seven bytes, then cut to the slot's six.
    QCOMPARE(interfaceTextTable().at(2), QByteArray("F\xC3\xADsica", 7));
    QCOMPARE(interfaceText(2), QByteArray("F\xC3\xADsic", 6));
    // Converted and trimmed, then cut to 75: the sequence is split, which is accepted.
    QCOMPARE(interfaceTextTable().at(3), QByteArray(74, 'a') + "\xC3");
}

void TestTextEncoding::interfaceTextsFromLanguageDirectory()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("textos", "castellano\n"));
    QVERIFY(writeFile("galego/textos", "galego\n"));

    setLanguage(2);
    interfaceTextTable().clear();
    LoadInterfaceTexts(localName("textos"), interfaceTextTable());
    AssignInterfaceTexts();
    QCOMPARE(interfaceTextTable().at(0), QByteArray("galego/textos"));
    QCOMPARE(interfaceText(1), QByteArray("galego"));
}

void TestTextEncoding::interfaceTextsMissingFile()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    MessageCatcher catcher;
    setLanguage(1);
    interfaceTextTable().clear();
    LoadInterfaceTexts(localName("textos"), interfaceTextTable());
    AssignInterfaceTexts();
    QCOMPARE(catcher.messages(),
             QStringList{QStringLiteral("Faltan ficheros (catVal/textos). Vuelva a instalar el programa")});
    QVERIFY(startupAborted());
    QCOMPARE(interfaceTextTable().at(0), QByteArray());
    for (int line = 1; line <= kHighestTextSlot; ++line)
        QVERIFY(interfaceText(line).isEmpty());
}

void TestTextEncoding::spanishAlphabeticalOrder()
{
    // Latin-1 names as a Spanish dictionary sorts them.
    QList<QByteArray> names = {"Ingenier\xed"
                               "a Qu\xedmica",
                               "Odontolog\xed"
                               "a",
                               "\xd3ptica y Optometr\xed"
                               "a",
                               "Ingenier\xed"
                               "a de Minas",
                               "Ciencias del Mar",
                               "Ciencia Pol\xedtica",
                               "Ingenier\xed"
                               "a",
                               "Espa\xf1ol",
                               "Espanto",
                               "Esparto",
                               "derecho",
                               "Econom\xed"
                               "a"};
    std::sort(names.begin(), names.end(),
              [](const QByteArray &a, const QByteArray &b) { return spanishLess(a, b); });
    QCOMPARE(names,
             (QList<QByteArray>{"Ciencia Pol\xedtica", "Ciencias del Mar", "derecho",
                                "Econom\xed"
                                "a",
                                "Espanto", "Espa\xf1ol", "Esparto",
                                "Ingenier\xed"
                                "a",
                                "Ingenier\xed"
                                "a de Minas",
                                "Ingenier\xed"
                                "a Qu\xedmica",
                                "Odontolog\xed"
                                "a",
                                "\xd3ptica y Optometr\xed"
                                "a"}));
    // Names that differ only in an accent or in case keep a fixed order.
    QVERIFY(spanishLess("Polo", "Pol\xf3") != spanishLess("Pol\xf3", "Polo"));
    QVERIFY(!spanishLess("Mar", "Mar"));
}

QTEST_GUILESS_MAIN(TestTextEncoding)
#include "tst_text_encoding.moc"

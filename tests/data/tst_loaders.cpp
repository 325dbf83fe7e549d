// The text-file loaders: every line format, the missing-file behaviour of
// each loader, the UTF-mode conversion and files longer than their tables.

#include "data_test_support.h"

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/explorer_tables.h"
#include "data/language.h"
#include "data/load_notes.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/record_files.h"
#include "data/text_bytes.h"

#include <QtTest>

#include <functional>

using namespace velmira;
using namespace testsupport;

namespace {

// 100 distinct printable characters: character p of the line is easy to name.
QByteArray ruler(int length)
{
    QByteArray line;
    for (int i = 0; i < length; ++i)
        line.append(static_cast<char>('0' + i % 75));
    return line;
}

QByteArray numberedLines(int count, const QByteArray &prefix = "linea ")
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += prefix + QByteArray::number(i) + '\n';
    return out;
}

const QString kDoublesError = QStringLiteral("ERROR en fichero de dobles");

} // namespace

class TestLoaders : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetFoundationState(); }
    void cleanup() { resetFoundationState(); }

    void paddedLines();
    void paddedLinesFromLanguageDirectory();
    void paddedLinesKeepEntriesAboveCount();
    void paddedWidthsAndLineEnds();
    void widePaddedLines();
    void dashedTitles();
    void subjectGroupsOf25();
    void subjectGroupsOf50();
    void placeListHeadings();
    void placeListColumns();
    void doubleDegrees();
    void doubleDegreesBadNumbers();
    void doubleDegreesLimits();
    void trimmedLines();
    void emptyActivities();
    void longAndPlainLines();
    void groupLinesSetApart();
    void places();
    void regionTexts();

    void missingFileMessage_data();
    void missingFileMessage();
    void missingFileRaises_data();
    void missingFileRaises();

    void utfModeConvertsBeforeCutting();
    void linesBeyondCapacity();
};

void TestLoaders::paddedLines()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray seventy = ruler(70);
    QVERIFY(writeFile("carreran", "Medicina\n\n" + seventy + "\n"));

    LineTable table(1101, 60);
    LoadPaddedLines("carreran", table, kWidthA);
    QCOMPARE(table.count(), 3);
    QCOMPARE(table.at(0), QByteArray("carreran"));
    QCOMPARE(table.at(1), QByteArray("Medicina") + QByteArray(52, ' '));
    QCOMPARE(table.at(2), QByteArray(60, ' '));
    QCOMPARE(table.at(3), seventy.left(60));
    QCOMPARE(table.at(4), QByteArray());
}

void TestLoaders::paddedLinesFromLanguageDirectory()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("carreran", "castellano\n"));
    QVERIFY(writeFile("catVal/carreran", "valencia\nsegona\n"));

    setLanguage(1);
    LineTable table(1101, 60);
    LoadPaddedLines(localName("carreran"), table, kWidthA);
    QCOMPARE(table.at(0), QByteArray("catVal/carreran"));
    QCOMPARE(table.count(), 2);
    QCOMPARE(table.at(1), padTo("valencia", 60));

    // Entry 0 is cut to the capacity like any other entry.
    const QByteArray longName = "catVal/" + QByteArray(70, 'n');
    QVERIFY(writeFile(longName, "x\n"));
    LoadPaddedLines(longName, table, kWidthA);
    QCOMPARE(table.at(0), longName.left(60));
}

void TestLoaders::paddedLinesKeepEntriesAboveCount()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    LineTable table(1101, 60);
    QVERIFY(writeFile("otros", numberedLines(5)));
    LoadPaddedLines("otros", table, kWidthB);
    QCOMPARE(table.count(), 5);
    QVERIFY(writeFile("otros", "nueva\n"));
    LoadPaddedLines("otros", table, kWidthB);
    QCOMPARE(table.count(), 1);
    QCOMPARE(table.at(1), padTo("nueva", 45));
    // Entries above the count keep what they held.
    QCOMPARE(table.at(2), padTo("linea 2", 45));
    QCOMPARE(table.at(5), padTo("linea 5", 45));
}

void TestLoaders::paddedWidthsAndLineEnds()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    // CR LF line ends, a last line without a line end, a tab kept as a character.
    QVERIFY(writeFile("reqfp", "uno\r\ndos\t\r\n" + ruler(100)));
    LineTable table(1101, 60);
    LoadPaddedLines("reqfp", table, kWidthB);
    QCOMPARE(table.count(), 3);
    QCOMPARE(table.at(1), padTo("uno", 45));
    QCOMPARE(table.at(2), padTo("dos\t", 45));
    QCOMPARE(table.at(3), ruler(45));

    // Width E is 90 but the table holds 60 characters.
    LoadPaddedLines("reqfp", table, kWidthE);
    QCOMPARE(table.at(1), padTo("uno", 60));
    QCOMPARE(table.at(3), ruler(60));

    // A narrower width than the capacity: ESO questions at 50.
    LoadPaddedLines("reqfp", table, 50);
    QCOMPARE(table.at(3), ruler(50));
}

void TestLoaders::widePaddedLines()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("cuesgm", "pregunta\n" + ruler(80) + "\n"));
    LineTable table(1101, 75);
    LoadWidePaddedLines("cuesgm", table, 75);
    QCOMPARE(table.count(), 2);
    QCOMPARE(table.at(0), QByteArray("cuesgm"));
    QCOMPARE(table.at(1), padTo("pregunta", 75));
    QCOMPARE(table.at(2), ruler(75));
}

void TestLoaders::dashedTitles()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QList<QByteArray> lines;
    for (int n = 1; n <= 11; ++n)
        lines << "descripcion " + QByteArray::number(n);
    lines[0] = "-Titulo uno";
    lines[4] = "-Titulo dos";
    lines[8] = "-" + ruler(70);
    lines[9] = " -no es titulo";
    QVERIFY(writeFile("fp", joinLines(lines)));

    LineTable full(1101, 60);
    LoadPaddedLines("fp", full, kWidthD);
    QCOMPARE(full.count(), 11);

    LineTable titles(1101, 60);
    titles.set(0, "previo");
    std::vector<int> lineNumbers(1101, 0);
    LoadDashedLines("fp", titles, lineNumbers, kWidthD);
    QCOMPARE(titles.count(), 3);
    QCOMPARE(titles.at(0), QByteArray("previo")); // entry 0 is not set
    QCOMPARE(lineNumbers[1], 1);
    QCOMPARE(lineNumbers[2], 5);
    QCOMPARE(lineNumbers[3], 9);
    QCOMPARE(lineNumbers[4], 0);
    QCOMPARE(titles.at(1), padTo("Titulo uno", 60));
    QCOMPARE(titles.at(2), padTo("Titulo dos", 60));
    QCOMPARE(titles.at(3), ruler(60));
    // Each title's line number points at its own line in the full reading.
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(full.at(lineNumbers[k]).left(1), QByteArray("-"));

    // A caller's line-number array shorter than the titles is not written past.
    std::vector<int> shortNumbers(2, -1);
    LoadDashedLines("fp", titles, shortNumbers, kWidthD);
    QCOMPARE(titles.count(), 3);
    QCOMPARE(shortNumbers.size(), size_t(2));
    QCOMPARE(shortNumbers[1], 1);
}

void TestLoaders::subjectGroupsOf25()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QList<QByteArray> lines;
    for (int g = 1; g <= 2; ++g) {
        lines << "CABECERA " + QByteArray::number(g);
        for (int m = 1; m <= 25; ++m)
            lines << "g" + QByteArray::number(g) + " m" + QByteArray::number(m);
    }
    QCOMPARE(lines.size(), 52);
    QVERIFY(writeFile("asignafp", joinLines(lines)));

    GroupedTable groups(170, 25, 60);
    LoadSubjectGroups("asignafp", groups);
    for (int g = 1; g <= 2; ++g)
        for (int m = 1; m <= 25; ++m)
            QCOMPARE(groups.at(g, m), padTo("g" + QByteArray::number(g) + " m" + QByteArray::number(m), 60));
    QCOMPARE(groups.at(3, 1), QByteArray());
    for (int g = 1; g <= 170; ++g)
        for (int m = 1; m <= 25; ++m)
            QVERIFY(!groups.at(g, m).startsWith("CABECERA"));

    // A partial last block fills only the members it has.
    GroupedTable middle(1100, 25, 60);
    QVERIFY(writeFile("asignagm", joinLines(lines.mid(0, 30))));
    LoadSubjectGroups("asignagm", middle);
    QCOMPARE(middle.at(2, 3), padTo("g2 m3", 60));
    QCOMPARE(middle.at(2, 4), QByteArray());
}

void TestLoaders::subjectGroupsOf50()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QList<QByteArray> lines;
    for (int g = 1; g <= 2; ++g) {
        lines << "CABECERA";
        for (int m = 1; m <= 50; ++m)
            lines << QByteArray::number(g * 100 + m);
    }
    QVERIFY(writeFile("asignaot", joinLines(lines)));
    GroupedTable groups(50, 50, 60);
    LoadOtherSubjectGroups("asignaot", groups);
    QCOMPARE(groups.at(1, 1), padTo("101", 60));
    QCOMPARE(groups.at(1, 50), padTo("150", 60));
    QCOMPARE(groups.at(2, 1), padTo("201", 60));
    QCOMPARE(groups.at(2, 50), padTo("250", 60));
}

void TestLoaders::placeListHeadings()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray heading = "GALICIA" + QByteArray(37, '.') + " 123456789";
    const QByteArray contents = heading + "\nJAEN\nEXTREMADURA\n1 CAPITAL\n5 OTRA\nA CORUNA\nB FINAL\n";
    for (const char *name : {"lu1", "lu2", "lu3", "lu4"})
        QVERIFY(writeFile(name, contents));

    PlaceList lists[4];
    const QByteArray names[4] = {"lu1", "lu2", "lu3", "lu4"};
    for (int k = 0; k < 4; ++k)
        LoadPlaceList(names[k], lists[k]);

    // Which of the seven lines are headings, per kind.
    const bool expected[4][7] = {
        {false, true, false, false, false, false, false}, // lu1: J
        {true, false, false, false, false, false, false}, // lu2: G
        {true, false, true, false, false, false, false},  // lu3: G, E
        {false, false, false, true, true, true, false},   // lu4: 1, 5, A
    };
    QByteArray lineText[7] = {heading, "JAEN", "EXTREMADURA", "1 CAPITAL", "5 OTRA", "A CORUNA", "B FINAL"};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(lists[k].count(), 7);
        QCOMPARE(lists[k].columnA.at(0), names[k]);
        for (int i = 1; i <= 7; ++i) {
            const QByteArray &line = lineText[i - 1];
            if (expected[k][i - 1]) {
                QCOMPARE(lists[k].columnA.at(i), line.left(44));
                QCOMPARE(lists[k].columnB.at(i), QByteArray());
            } else {
                QCOMPARE(lists[k].columnA.at(i), line.left(18));
                QCOMPARE(lists[k].columnB.at(i), line.mid(18, 26));
            }
        }
    }
    QCOMPARE(lists[1].columnC.at(1), QByteArray("123456789"));
    QCOMPARE(lists[0].columnC.at(1), QByteArray("123456789"));

    QCOMPARE(placeListKind("LU2"), 2);
    QCOMPARE(placeListKind("Lu3"), 3);
    QCOMPARE(placeListKind("catVal/lu1"), 0);
    QCOMPARE(placeListKind("lu5"), 0);
}

void TestLoaders::placeListColumns()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray line = ruler(70);
    QVERIFY(writeFile("lu1", line + "\n\nJ\n"));
    setUtfMode(true);
    QVERIFY(writeFile("lu3",
                      QByteArray("C\xE1"
                                 "ceres\n",
                                 8)));
    PlaceList list;
    LoadPlaceList("lu1", list);
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.columnA.at(1), line.mid(0, 18));
    QCOMPARE(list.columnB.at(1), line.mid(18, 26));
    QCOMPARE(list.columnC.at(1), line.mid(45, 9));
    // Empty and one-character lines give short or empty columns.
    QCOMPARE(list.columnA.at(2), QByteArray());
    QCOMPARE(list.columnA.at(3), QByteArray("J"));
    QCOMPARE(list.columnC.at(3), QByteArray());

    // Place lists are not converted, even in UTF mode.
    PlaceList other;
    LoadPlaceList("lu3", other);
    QCOMPARE(other.columnA.at(1),
             QByteArray("C\xE1"
                        "ceres",
                        7));
}

void TestLoaders::doubleDegrees()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    DegreeRows rows;
    rows.set(3, DegreeField::OutletCode, 12);
    rows.set(7, DegreeField::OutletCode, 45);
    rows.set(8, DegreeField::OutletCode, 12);  // duplicate: the lower row wins
    rows.set(11, DegreeField::OutletCode, 77); // beyond the degree count

    QVERIFY(writeFile("dobles",
                      "05Doble en Derecho y Empresa\n"
                      "    012045AB12\n"
                      "00Ignorada\n"
                      "    045077Z\n"
                      "-1Ignorada tambien\n"
                      " 7Segundo grupo\n"
                      "    999012\n"));

    MessageCatcher catcher;
    DoubleDegrees doubles;
    LoadDoubleDegrees("dobles", doubles, rows, 10);
    QVERIFY(catcher.messages().isEmpty());
    QVERIFY(!startupAborted());

    QCOMPARE(doubles.names.at(0), QByteArray("dobles"));
    QCOMPARE(doubles.groupCount, 2);
    QCOMPARE(doubles.code[1], 5);
    QCOMPARE(doubles.names.at(1), QByteArray("Doble en Derecho y Empresa"));
    QCOMPARE(doubles.memberCount[1], 2);
    QCOMPARE(doubles.member(1, 1).firstDegree, 3);
    QCOMPARE(doubles.member(1, 1).secondDegree, 7);
    QCOMPARE(doubles.member(1, 1).tag, QByteArray("AB12"));
    QCOMPARE(doubles.member(1, 1).selected, 0);
    QCOMPARE(doubles.member(1, 2).firstDegree, 7);
    QCOMPARE(doubles.member(1, 2).secondDegree, 0); // code 77 only beyond the count
    QCOMPARE(doubles.member(1, 2).tag, QByteArray("Z"));

    QCOMPARE(doubles.code[2], 7);
    QCOMPARE(doubles.names.at(2), QByteArray("Segundo grupo"));
    QCOMPARE(doubles.memberCount[2], 1);
    QCOMPARE(doubles.member(2, 1).firstDegree, 0);
    QCOMPARE(doubles.member(2, 1).secondDegree, 3);

    // The group name is characters 3-37, converted in UTF mode.
    setUtfMode(true);
    QVERIFY(writeFile("dobles",
                      "12"
                          + QByteArray("Ingenier\xED"
                                       "a ",
                                       10)
                          + ruler(40) + "\n"));
    DoubleDegrees converted;
    LoadDoubleDegrees("dobles", converted, rows, 10);
    QCOMPARE(converted.groupCount, 1);
    QCOMPARE(converted.code[1], 12);
    const QByteArray name = QByteArray("Ingenier\xC3\xAD"
                                       "a ",
                                       11)
        + ruler(25);
    QCOMPARE(converted.names.at(1), name);
}

void TestLoaders::doubleDegreesBadNumbers()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    DegreeRows rows;
    rows.set(2, DegreeField::OutletCode, 45);
    rows.set(4, DegreeField::OutletCode, 12);

    QVERIFY(writeFile("dobles",
                      "01Grupo\n"
                      "    0 2045T1\n"    // first field has a blank inside: one error
                      "    AB 012T2\n"    // first field letters: one error
                      "          T3\n"    // both fields blank: two errors
                      "    012   T4\n")); // second field blank: one error

    DoubleDegrees doubles;
    // Degrees that a bad field leaves as they were.
    doubles.member(1, 1).firstDegree = 91;
    doubles.member(1, 3).firstDegree = 93;
    doubles.member(1, 3).secondDegree = 94;
    doubles.member(1, 4).secondDegree = 96;

    MessageCatcher catcher;
    LoadDoubleDegrees("dobles", doubles, rows, 10);
    QCOMPARE(catcher.messages().size(), 5);
    QCOMPARE(catcher.count(kDoublesError), 5);
    QVERIFY(!startupAborted());

    QCOMPARE(doubles.memberCount[1], 4);
    QCOMPARE(doubles.member(1, 1).firstDegree, 91);
    QCOMPARE(doubles.member(1, 1).secondDegree, 2);
    QCOMPARE(doubles.member(1, 1).tag, QByteArray("T1"));
    QCOMPARE(doubles.member(1, 2).secondDegree, 4);
    QCOMPARE(doubles.member(1, 3).firstDegree, 93);
    QCOMPARE(doubles.member(1, 3).secondDegree, 94);
    QCOMPARE(doubles.member(1, 4).firstDegree, 4);
    QCOMPARE(doubles.member(1, 4).secondDegree, 96);
}

void TestLoaders::doubleDegreesLimits()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    DegreeRows rows;
    QByteArray contents;
    // 210 groups; the first with 30 members.
    for (int g = 1; g <= 210; ++g) {
        contents += QByteArray::number(10 + g % 90) + "Grupo " + QByteArray::number(g) + "\n";
        const int members = g == 1 ? 30 : 1;
        for (int m = 1; m <= members; ++m)
            contents += "    001002M" + QByteArray::number(m % 10) + "\n";
    }
    // Member lines before any group are ignored too.
    QVERIFY(writeFile("dobles", "    001002XX\n" + contents));

    NoteCatcher notes;
    MessageCatcher catcher;
    DoubleDegrees doubles;
    LoadDoubleDegrees("dobles", doubles, rows, 10);
    QCOMPARE(doubles.groupCount, DoubleDegrees::kMaxGroups);
    QCOMPARE(doubles.memberCount[1], DoubleDegrees::kMaxMembers);
    QCOMPARE(doubles.names.at(200), QByteArray("Grupo 200"));
    // Group 2's members are untouched by group 1's surplus.
    QCOMPARE(doubles.memberCount[2], 1);
    QCOMPARE(doubles.member(2, 1).tag, QByteArray("M1"));
    QVERIFY(notes.countFor("dobles") >= 3);
    QVERIFY(catcher.messages().isEmpty());
}

void TestLoaders::trimmedLines()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("familias", "Sanidad   \n     \n  Agraria\ttab\t \n" + ruler(65) + "\n"));
    LineTable table(1101, 60);
    LoadTrimmedLines("familias", table);
    QCOMPARE(table.count(), 4);
    QCOMPARE(table.at(0), QByteArray("familias"));
    QCOMPARE(table.at(1), QByteArray("Sanidad"));
    QCOMPARE(table.at(2), QByteArray());
    QCOMPARE(table.at(3), QByteArray("  Agraria\ttab\t"));
    QCOMPARE(table.at(4), ruler(60));
}

void TestLoaders::emptyActivities()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    LineTable table(1101, 60);
    QVERIFY(writeFile("activida", "uno\ndos\n"));
    LoadTrimmedLines("activida", table);
    QCOMPARE(table.count(), 2);

    QVERIFY(writeFile("activida", QByteArray()));
    setLanguage(3);
    QVERIFY(writeFile("euskera/activida", QByteArray()));
    LoadTrimmedLines(localName("activida"), table);
    QCOMPARE(table.count(), 0);
    QCOMPARE(table.at(0), QByteArray("euskera/activida"));
}

// The programme and certificate files open with nine lines of their own; once
// loaded, line n is programme (certificate) n, as the other files number them.
void TestLoaders::groupLinesSetApart()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    allocateGlobalTables();
    QVERIFY(writeFile("fpip", numberedLines(9, "0123grupo ") + "0-Sanidad\n0Auxiliar\n"));
    QVERIFY(writeFile("ipmodulos", numberedLines(20, "modulo ")));
    initialProgrammesLoadSteps().front()();
    const ContentTables &t = content();
    QCOMPARE(t.fpip.count(), 2);
    QCOMPARE(t.fpip.at(2), padTo("0Auxiliar", 60));
    QCOMPARE(t.fpip.at(3), QByteArray()); // nothing left over from the longer file
    QCOMPARE(t.fpipGroups.count(), 9);
    QCOMPARE(t.fpipGroups.at(9), padTo("0123grupo 9", 60));

    QVERIFY(writeFile("certifica", numberedLines(9, "ABgrupo ") + "A-Servicios\nAMediacion\n"));
    QVERIFY(writeFile("certificah", numberedLines(9, "Xetiqueta ") + "\nAB 120 Mediar\n"));
    loadCertificatesData();
    QCOMPARE(t.certifica.count(), 2);
    QCOMPARE(t.certifica.at(1), padTo("A-Servicios", 60));
    QCOMPARE(t.certificah.count(), 2);
    QCOMPARE(t.certificah.at(2), QByteArray("AB 120 Mediar"));
    QCOMPARE(t.certificateRequirements.at(1), QByteArray("Xetiqueta 1"));
    QCOMPARE(t.certificaGroups.count(), 9);

    // A file shorter than its own lines leaves nothing to number.
    QVERIFY(writeFile("certifica", numberedLines(4, "ABgrupo ")));
    loadCertificatesData();
    QCOMPARE(t.certifica.count(), 0);
    QCOMPARE(t.certificaGroups.count(), 4);
}

void TestLoaders::longAndPlainLines()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("certificah", "corta   \n" + ruler(100) + "\n"));
    LineTable certificah(251, 90);
    LoadLongLines("certificah", certificah);
    QCOMPARE(certificah.count(), 2);
    QCOMPARE(certificah.at(0), QByteArray("certificah"));
    QCOMPARE(certificah.at(1), QByteArray("corta   ")); // stored unchanged, blanks kept
    QCOMPARE(certificah.at(2), ruler(90));

    QVERIFY(writeFile("materiasp", "Historia  \n" + ruler(80) + "\n"));
    LineTable materiasp(101, 70);
    materiasp.set(0, "previo");
    LoadPlainLines("materiasp", materiasp);
    QCOMPARE(materiasp.count(), 2);
    QCOMPARE(materiasp.at(0), QByteArray("previo")); // no entry 0
    QCOMPARE(materiasp.at(1), QByteArray("Historia  "));
    QCOMPARE(materiasp.at(2), ruler(70));
}

void TestLoaders::places()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray name35 = QByteArray("Universidad de C\xE1"
                                         "diz",
                                         20)
        + QByteArray(15, ' ');
    QCOMPARE(name35.size(), 35);
    const QByteArray second = "http://www.uca.es/" + QByteArray(82, 'x'); // characters 38-137
    QList<QByteArray> lines = {
        "01" + name35 + QByteArray("www.caf\xE9.es   ", 14),
        "15" + name35 + second + "SOBRA",
        "XXSin codigo",
        " 7",
        "",
    };
    QVERIFY(writeFile("lugar", joinLines(lines)));

    setUtfMode(true);
    NoteCatcher notes;
    Places places;
    LoadPlaces("lugar", places);
    QCOMPARE(places.names.count(), 5);
    QCOMPARE(places.names.at(0), QByteArray("lugar"));

    QCOMPARE(places.region[1], 1);
    // The 35 characters and nine blanks, then converted.
    QCOMPARE(places.names.at(1), latin1ToUtf8(name35 + QByteArray(9, ' ')));
    QCOMPARE(places.names.at(1).size(), 45);
    // The second field is trimmed but never converted.
    QCOMPARE(places.second.at(1), QByteArray("www.caf\xE9.es", 11));

    QCOMPARE(places.region[2], 15);
    QCOMPARE(places.second.at(2), second.left(60)); // cut to the entry capacity

    QCOMPARE(places.region[3], 0); // unreadable code counts as 0
    QCOMPARE(places.names.at(3), "Sin codigo" + QByteArray(9, ' '));
    QCOMPARE(places.region[4], 7);
    QCOMPARE(places.names.at(4), QByteArray(9, ' '));
    QCOMPARE(places.second.at(4), QByteArray());
    QCOMPARE(places.region[5], 0);
    QVERIFY(notes.countFor("lugar") >= 1);
}

void TestLoaders::regionTexts()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray code = "01Andaluc\xED"
                            "a   "; // characters 1-14
    QCOMPARE(code.size(), 14);
    const QByteArray text = QByteArray("Texto de la comunidad ") + ruler(78); // 100 characters
    QVERIFY(writeFile("comuint", code + text + "MAS\n" + code + "corto    \n" + "solo codigo\n"));

    setUtfMode(true);
    LineTable table(1101, 120);
    table.set(0, "previo");
    LoadRegionTexts("comuint", table);
    QCOMPARE(table.count(), 3);
    QCOMPARE(table.at(0), QByteArray("previo"));
    QCOMPARE(table.at(1), text); // characters 15-114 exactly
    QCOMPARE(table.at(2), QByteArray("corto"));
    QCOMPARE(table.at(3), QByteArray());

    // Not converted in UTF mode.
    QVERIFY(writeFile("comuint",
                      code
                          + QByteArray("Andaluc\xED"
                                       "a",
                                       9)
                          + "\n"));
    LoadRegionTexts("comuint", table);
    QCOMPARE(table.at(1),
             QByteArray("Andaluc\xED"
                        "a",
                        9));
}

using Loader = std::function<void(const QByteArray &name)>;
Q_DECLARE_METATYPE(Loader)

void TestLoaders::missingFileMessage_data()
{
    QTest::addColumn<Loader>("load");
    QTest::addColumn<QByteArray>("name");

    // Each table starts with entry 0 "previo" and count 4: a missing file leaves both.

    QTest::newRow("padded") << Loader([](const QByteArray &n) {
        LineTable t(1101, 60);
        t.set(0, "previo");
        t.setCount(4);
        LoadPaddedLines(n, t, kWidthA);
        QCOMPARE(t.at(0), QByteArray("previo"));
        QCOMPARE(t.count(), 4);
    }) << QByteArray("galego/carreran");
    QTest::newRow("wide padded") << Loader([](const QByteArray &n) {
        LineTable t(1101, 75);
        t.set(0, "previo");
        t.setCount(4);
        LoadWidePaddedLines(n, t, 75);
        QCOMPARE(t.at(0), QByteArray("previo"));
        QCOMPARE(t.count(), 4);
    }) << QByteArray("cuesgm");
    QTest::newRow("trimmed") << Loader([](const QByteArray &n) {
        LineTable t(1101, 60);
        t.set(0, "previo");
        t.setCount(4);
        LoadTrimmedLines(n, t);
        QCOMPARE(t.at(0), QByteArray("previo"));
        QCOMPARE(t.count(), 4);
    }) << QByteArray("activida");
    QTest::newRow("interface texts") << Loader([](const QByteArray &n) {
        LineTable t(1101, 75);
        t.set(0, "previo");
        LoadInterfaceTexts(n, t);
        QCOMPARE(t.at(0), QByteArray("previo"));
    }) << QByteArray("euskera/textos");
    QTest::newRow("long") << Loader([](const QByteArray &n) {
        LineTable t(251, 90);
        t.set(0, "previo");
        t.setCount(4);
        LoadLongLines(n, t);
        QCOMPARE(t.at(0), QByteArray("previo"));
        QCOMPARE(t.count(), 4);
    }) << QByteArray("certificah");
    QTest::newRow("dashed") << Loader([](const QByteArray &n) {
        LineTable t(1101, 60);
        t.set(1, "previo");
        t.setCount(4);
        std::vector<int> numbers(1101, 8);
        LoadDashedLines(n, t, numbers, kWidthD);
        QCOMPARE(t.at(1), QByteArray("previo"));
        QCOMPARE(t.count(), 4);
        QCOMPARE(numbers[1], 8);
    }) << QByteArray("fp2");
    QTest::newRow("subject groups") << Loader([](const QByteArray &n) {
        GroupedTable g(170, 25, 60);
        g.set(1, 1, "previo");
        LoadSubjectGroups(n, g);
        QCOMPARE(g.at(1, 1), QByteArray("previo"));
    }) << QByteArray("asignafp");
    QTest::newRow("other subject groups") << Loader([](const QByteArray &n) {
        GroupedTable g(50, 50, 60);
        g.set(1, 1, "previo");
        LoadOtherSubjectGroups(n, g);
        QCOMPARE(g.at(1, 1), QByteArray("previo"));
    }) << QByteArray("asignaot");
    QTest::newRow("place list") << Loader([](const QByteArray &n) {
        PlaceList l;
        l.columnA.set(0, "previo");
        l.columnA.setCount(4);
        LoadPlaceList(n, l);
        QCOMPARE(l.columnA.at(0), QByteArray("previo"));
        QCOMPARE(l.count(), 4);
    }) << QByteArray("lu2");
    QTest::newRow("double degrees") << Loader([](const QByteArray &n) {
        DoubleDegrees d;
        d.names.set(0, "previo");
        d.groupCount = 4;
        DegreeRows rows;
        LoadDoubleDegrees(n, d, rows, 0);
        QCOMPARE(d.names.at(0), QByteArray("previo"));
        QCOMPARE(d.groupCount, 4);
    }) << QByteArray("dobles");
}

void TestLoaders::missingFileMessage()
{
    QFETCH(Loader, load);
    QFETCH(QByteArray, name);
    ScratchDir dir;
    QVERIFY(dir.isValid());
    MessageCatcher catcher;
    QVERIFY(!startupAborted());
    load(name);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(catcher.messages(), QStringList{QString::fromLatin1(missingText(name))});
    QVERIFY(startupAborted());

    // A second missing file gives a second message.
    load(name);
    QCOMPARE(catcher.messages().size(), 2);
}

void TestLoaders::missingFileRaises_data()
{
    QTest::addColumn<Loader>("load");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("entryZero");

    QTest::newRow("places") << Loader([](const QByteArray &n) {
        Places p;
        p.names.set(0, "previo");
        p.names.setCount(4);
        try {
            LoadPlaces(n, p);
        } catch (...) {
            QCOMPARE(p.names.at(0), QByteArray("previo"));
            QCOMPARE(p.names.count(), 4);
            throw;
        }
    }) << QByteArray("lugar")
                            << QByteArray("previo");
    QTest::newRow("region texts") << Loader([](const QByteArray &n) {
        LineTable t(1101, 60);
        t.set(0, "previo");
        t.setCount(4);
        try {
            LoadRegionTexts(n, t);
        } catch (...) {
            QCOMPARE(t.at(0), QByteArray("previo"));
            QCOMPARE(t.count(), 4);
            throw;
        }
    }) << QByteArray("comuint") << QByteArray("previo");
    QTest::newRow("plain") << Loader([](const QByteArray &n) {
        LineTable t(101, 70);
        t.set(1, "previo");
        t.setCount(4);
        try {
            LoadPlainLines(n, t);
        } catch (...) {
            QCOMPARE(t.at(1), QByteArray("previo"));
            QCOMPARE(t.count(), 4);
            throw;
        }
    }) << QByteArray("galego/materiasp")
                           << QByteArray("previo");
    QTest::newRow("art") << Loader([](const QByteArray &n) {
        LineTable t(1101, 60);
        t.set(0, "previo");
        t.setCount(4);
        try {
            LoadArtLines(n, t, kWidthE);
        } catch (...) {
            // Entry 0 is set before the file is opened.
            QCOMPARE(t.at(0), QByteArray("catVal/artesplas"));
            QCOMPARE(t.count(), 4);
            throw;
        }
    }) << QByteArray("catVal/artesplas")
                         << QByteArray("catVal/artesplas");
}

void TestLoaders::missingFileRaises()
{
    QFETCH(Loader, load);
    QFETCH(QByteArray, name);
    ScratchDir dir;
    QVERIFY(dir.isValid());
    MessageCatcher catcher;
    bool raised = false;
    try {
        load(name);
    } catch (const FileError &error) {
        raised = true;
        QCOMPARE(error.fileName(), name);
    }
    if (QTest::currentTestFailed())
        return;
    QVERIFY(raised);
    QVERIFY(catcher.messages().isEmpty());
    QVERIFY(!startupAborted());
}

void TestLoaders::utfModeConvertsBeforeCutting()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray fisica("F\xEDsica", 6);
    const QByteArray nearEnd = QByteArray(59, 'a') + "\xED";
    QVERIFY(writeFile("fp", fisica + "\n" + nearEnd + "\n"));

    setUtfMode(true);
    LineTable table(1101, 60);
    LoadPaddedLines("fp", table, 10);
    // Seven bytes after conversion, then three blanks to reach the width.
    QCOMPARE(table.at(1), QByteArray("F\xC3\xADsica   ", 10));
    LoadPaddedLines("fp", table, kWidthA);
    // Converted to 61 bytes, then cut to 60: the sequence is split.
    QCOMPARE(table.at(2), QByteArray(59, 'a') + "\xC3");

    // Trimmed after conversion.
    QVERIFY(writeFile("familias", QByteArray("\xC1rbol   \n", 9)));
    LoadTrimmedLines("familias", table);
    QCOMPARE(table.at(1), QByteArray("\xC3\x81rbol", 6));

    // Long lines: capacity 90.
    QVERIFY(writeFile("certificah", QByteArray(89, 'b') + "\xE9\n"));
    LineTable certificah(251, 90);
    LoadLongLines("certificah", certificah);
    QCOMPARE(certificah.at(1), QByteArray(89, 'b') + "\xC3");

    // Plain lines: capacity 70.
    QVERIFY(writeFile("materiasp", QByteArray(68, 'c') + "\xF1\n"));
    LineTable materiasp(101, 70);
    LoadPlainLines("materiasp", materiasp);
    QCOMPARE(materiasp.at(1), QByteArray(68, 'c') + "\xC3\xB1");

    // Dashed titles are converted too.
    QVERIFY(writeFile("fp2", QByteArray("-Mec\xE1nica\n", 10)));
    std::vector<int> numbers(1101, 0);
    LoadDashedLines("fp2", table, numbers, 12);
    QCOMPARE(table.at(1), QByteArray("Mec\xC3\xA1nica   ", 12));

    // Subject groups.
    QVERIFY(writeFile("asignafp", QByteArray("cab\nLat\xEDn\n", 10)));
    GroupedTable groups(170, 25, 60);
    LoadSubjectGroups("asignafp", groups);
    QCOMPARE(groups.at(1, 1), padTo(QByteArray("Lat\xC3\xADn", 6), 60));

    // Without UTF mode nothing is converted ...
    setUtfMode(false);
    LoadPaddedLines("fp", table, 10);
    QCOMPARE(table.at(1), QByteArray("F\xEDsica    ", 10));
    // ... except by the art loader, which always converts.
    QVERIFY(writeFile("dramatico", fisica + "\n"));
    LoadArtLines("dramatico", table, kWidthE);
    QCOMPARE(table.at(0), QByteArray("dramatico"));
    QCOMPARE(table.count(), 1);
    QCOMPARE(table.at(1), padTo(QByteArray("F\xC3\xADsica", 7), 60));
}

void TestLoaders::linesBeyondCapacity()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    NoteCatcher notes;

    QVERIFY(writeFile("carreran", numberedLines(1200)));
    LineTable table(1101, 60);
    LoadPaddedLines("carreran", table, kWidthA);
    QCOMPARE(table.count(), 1100);
    QCOMPARE(table.at(1100), padTo("linea 1100", 60));
    QCOMPARE(notes.countFor("carreran"), 1);
    QCOMPARE(notes.notes.front().line, 1101);

    LineTable small(6, 60);
    LoadTrimmedLines("carreran", small);
    QCOMPARE(small.count(), 5);
    QCOMPARE(small.at(5), QByteArray("linea 5"));
    QCOMPARE(small.at(6), QByteArray());

    QVERIFY(writeFile("certificah", numberedLines(300)));
    LineTable certificah(251, 90);
    LoadLongLines("certificah", certificah);
    QCOMPARE(certificah.count(), 250);
    QCOMPARE(notes.countFor("certificah"), 1);

    QVERIFY(writeFile("materiasp", numberedLines(150)));
    LineTable materiasp(101, 70);
    LoadPlainLines("materiasp", materiasp);
    QCOMPARE(materiasp.count(), 100);
    QCOMPARE(materiasp.at(100), QByteArray("linea 100"));

    // Places: the region array is as long as the tables.
    QVERIFY(writeFile("lugar", numberedLines(1200, "07")));
    Places places;
    LoadPlaces("lugar", places);
    QCOMPARE(places.names.count(), 1100);
    QCOMPARE(places.region.size(), size_t(1101));
    QCOMPARE(places.region[1100], 7);
    QCOMPARE(notes.countFor("lugar"), 1);

    QVERIFY(writeFile("lu4", numberedLines(1500)));
    PlaceList list;
    LoadPlaceList("lu4", list);
    QCOMPARE(list.count(), 1100);

    QVERIFY(writeFile("comuint", numberedLines(1200)));
    LineTable comuint(1101, 60);
    LoadRegionTexts("comuint", comuint);
    QCOMPARE(comuint.count(), 1100);

    // Title lines beyond the table.
    QVERIFY(writeFile("fp", numberedLines(20, "-titulo ")));
    std::vector<int> numbers(1101, 0);
    LoadDashedLines("fp", small, numbers, kWidthD);
    QCOMPARE(small.count(), 5);
    QCOMPARE(small.at(5), padTo("titulo 5", 60));
    QCOMPARE(numbers[5], 5);
    QCOMPARE(numbers[6], 0);
    QCOMPARE(notes.countFor("fp"), 1);

    // Subject groups: 171 full blocks fit in 5,000 lines, the table holds 170.
    QByteArray groups;
    for (int g = 1; g <= 171; ++g) {
        groups += "cabecera\n";
        for (int m = 1; m <= 25; ++m)
            groups += "g" + QByteArray::number(g) + "\n";
    }
    QVERIFY(writeFile("asignafp", groups));
    GroupedTable higher(170, 25, 60);
    LoadSubjectGroups("asignafp", higher);
    QCOMPARE(higher.at(170, 25), padTo("g170", 60));
    QCOMPARE(higher.at(1, 1), padTo("g1", 60));
    QCOMPARE(notes.countFor("asignafp"), 1);

    // More than 5,000 lines: the rest is not read.
    QVERIFY(writeFile("asignagm", numberedLines(5200)));
    GroupedTable middle(1100, 25, 60);
    LoadSubjectGroups("asignagm", middle);
    // Line 5000 is member 7 of group 193 (192 blocks of 26 lines end at 4992).
    QCOMPARE(middle.at(193, 6), padTo("linea 4999", 60));
    QCOMPARE(middle.at(193, 7), padTo("linea 5000", 60));
    QCOMPARE(middle.at(193, 8), QByteArray());
    QCOMPARE(notes.countFor("asignagm"), 1);
}

QTEST_GUILESS_MAIN(TestLoaders)
#include "tst_loaders.moc"

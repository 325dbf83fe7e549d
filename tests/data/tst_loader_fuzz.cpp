// Every loader, record reader and profession record parser fed with junk:
// random bytes (NUL, CR, high bytes), lines of 10,000 bytes, far more lines
// than the tables hold, empty and truncated files. Nothing may crash, no
// count may pass its table and no entry its capacity. The seed is fixed and
// printed; VELMIRA_FUZZ_SEED and VELMIRA_FUZZ_ITERATIONS override it.

#include "data_test_support.h"

#include "data/degree_centres.h"
#include "data/encoding.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/load_notes.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/profession_records.h"
#include "data/professions_tables.h"
#include "data/record_files.h"
#include "data/text_file.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <array>
#include <functional>

using namespace velmira;
using namespace testsupport;

namespace {

constexpr quint32 kDefaultSeed = 0x5EED2011u;
constexpr int kDefaultIterations = 200;

class Junk
{
public:
    explicit Junk(quint32 seed)
        : m_rng(seed)
    {
    }

    int below(int n) { return n <= 0 ? 0 : static_cast<int>(m_rng.bounded(static_cast<quint32>(n))); }
    bool chance(int percent) { return below(100) < percent; }

    char byte()
    {
        switch (below(10)) {
        case 0: return '\0';
        case 1: return '\r';
        case 2: return ' ';
        case 3: return '-';
        case 4: return static_cast<char>('0' + below(10));
        case 5:
        case 6: return static_cast<char>(0x80 + below(128));
        default: return static_cast<char>(0x20 + below(95));
        }
    }

    QByteArray bytes(int length)
    {
        QByteArray out(length, '\0');
        for (int i = 0; i < length; ++i)
            out[i] = byte();
        return out;
    }

    // A line that some format may take for one of its own: two digits, a dash,
    // a heading letter, blanks and digits at the number columns.
    QByteArray lineLike(int length)
    {
        QByteArray line = bytes(length);
        switch (below(6)) {
        case 0:
            if (line.size() >= 2) {
                line[0] = static_cast<char>('0' + below(10));
                line[1] = static_cast<char>('0' + below(10));
            }
            break;
        case 1:
            if (!line.isEmpty())
                line[0] = '-';
            break;
        case 2:
            if (!line.isEmpty())
                line[0] = "JGE15A"[below(6)];
            break;
        case 3:
            line = "    " + QByteArray::number(below(1000)).rightJustified(3, '0')
                + QByteArray::number(below(1000)).rightJustified(3, '0') + bytes(below(6));
            break;
        default: break;
        }
        return line;
    }

    enum Shape { Empty, RandomBytes, ManyLines, LongLines, CarriageReturns, Ordinary };

    // The contents of a text data file in the given shape, or in a random one
    // (the big shapes rarely, to keep the run short under the sanitizers).
    QByteArray textFile(int shape = -1)
    {
        const bool forced = shape >= 0;
        if (!forced) {
            const int roll = below(100);
            shape = roll < 8 ? Empty
                : roll < 28  ? RandomBytes
                : roll < 31  ? ManyLines
                : roll < 34  ? LongLines
                : roll < 40  ? CarriageReturns
                             : Ordinary;
        }
        switch (shape) {
        case Empty: return {};
        case RandomBytes: return bytes(below(3000));
        case ManyLines: { // far more lines than any table holds, past 5,000 too
            const int lines = forced ? 6000 : 1100 + below(5500);
            QByteArray out;
            out.reserve(lines * 8);
            for (int i = 0; i < lines; ++i)
                out += lineLike(below(12)) + (chance(10) ? "\r\n" : "\n");
            return out;
        }
        case LongLines: {
            QByteArray out;
            for (int i = 0, n = 1 + below(3); i < n; ++i)
                out += lineLike(10000) + '\n';
            return out;
        }
        case CarriageReturns: // CR alone never ends a line
            return bytes(200) + QByteArray(50, '\r') + bytes(200);
        default: {
            QByteArray out; // ordinary-sized lines of junk
            for (int i = 0, n = below(300); i < n; ++i) {
                out += lineLike(below(160));
                if (i + 1 < n || chance(70))
                    out += '\n';
            }
            return out;
        }
        }
    }

    // A record file of about the size a reader expects: exact, short, long, empty.
    QByteArray recordFile(int size)
    {
        int length = size;
        switch (below(7)) {
        case 0: length = 0; break;
        case 1: length = size - 1 - below(std::max(size - 1, 1)); break;
        case 2: length = size + 1 + below(64); break;
        case 3: length = 2 * size; break;
        case 4: length = below(size + 1); break;
        default: break;
        }
        length = std::max(length, 0);
        // Random head, then random bytes sprinkled over the rest (cheaper than
        // filling half a megabyte byte by byte).
        QByteArray out(length, '\0');
        const int head = std::min(length, 4096);
        for (int i = 0; i < head; ++i)
            out[i] = static_cast<char>(m_rng.generate() & 0xFF);
        for (int i = 0; length > head && i < 4096; ++i)
            out[head + below(length - head)] = static_cast<char>(m_rng.generate() & 0xFF);
        return out;
    }

private:
    QRandomGenerator m_rng;
};

// The count fits the table and every entry up to just past the count fits
// its capacity (entries above were written, and checked, by earlier loads).
bool tableSound(const LineTable &table, QString *why)
{
    if (table.count() < 0 || table.count() > table.size() - 1) {
        *why = QStringLiteral("count %1 in a table of %2 entries").arg(table.count()).arg(table.size());
        return false;
    }
    const int last = std::min(table.count() + 1, table.size() - 1);
    for (int i = 0; i <= last; ++i)
        if (table.at(i).size() > table.capacity()) {
            *why = QStringLiteral("entry %1 holds %2 bytes, capacity %3")
                       .arg(i)
                       .arg(table.at(i).size())
                       .arg(table.capacity());
            return false;
        }
    return true;
}

// Members of the groups a file of lineCount lines can reach fit the capacity.
bool groupsSound(const GroupedTable &groups, int capacity, int lineCount, QString *why)
{
    const int reached = std::min(groups.groups(), lineCount / (groups.members() + 1) + 1);
    for (int g = 1; g <= reached; ++g)
        for (int m = 1; m <= groups.members(); ++m)
            if (groups.at(g, m).size() > capacity) {
                *why = QStringLiteral("group %1 member %2 too long").arg(g).arg(m);
                return false;
            }
    return true;
}

#define CHECK_TABLE(table)                                                                             \
    do {                                                                                               \
        QString why;                                                                                   \
        if (!tableSound((table), &why))                                                                \
            QFAIL(qPrintable(QStringLiteral("iteration %1, %2: %3").arg(iteration).arg(#table, why))); \
    } while (0)

// Runs a reader that may raise FileError for a short or faulty file; any other
// exception is a failure.
template <typename F> bool runRecordReader(F &&read)
{
    try {
        read();
        return true;
    } catch (const FileError &) {
        return false;
    }
}

struct Tables
{
    LineTable padded{1101, 60};
    LineTable wide{1101, 75};
    LineTable art{1101, 60};
    LineTable trimmed{1101, 60};
    LineTable longLines{251, 90};
    LineTable plain{101, 70};
    LineTable titles{1101, 60};
    LineTable small{8, 60};
    std::vector<int> titleLines = std::vector<int>(1101, 0);
    std::vector<int> fewTitleLines = std::vector<int>(4, 0);
    GroupedTable higherGroups{170, 25, 60};
    GroupedTable middleGroups{1100, 25, 60};
    GroupedTable otherGroups{50, 50, 60};
    Places places;
    LineTable regionTexts{1101, 60};
    PlaceList placeLists[4];
    DoubleDegrees doubles;
    DegreeRows degreeRows;

    std::array<PlaceTitleTable, 4> placeTitles;
    HigherTitleRows higherRows;
    MiddleTitleRows middleRows;
    DegreeRows loadedDegrees;
    ItemGroups itemGroups;
    DegreeCentres centres;
    ProfessionsData professions;
};

} // namespace

class TestLoaderFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { resetFoundationState(); }
    void cleanup() { resetFoundationState(); }
    void everyReaderSurvivesJunk();

private:
    quint32 m_seed = kDefaultSeed;
    int m_iterations = kDefaultIterations;
};

void TestLoaderFuzz::initTestCase()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VELMIRA_FUZZ_SEED").toUInt(&ok, 0);
    if (ok)
        m_seed = seed;
    const int iterations = qEnvironmentVariableIntValue("VELMIRA_FUZZ_ITERATIONS", &ok);
    if (ok && iterations > 0)
        m_iterations = iterations;
    qInfo("fuzz seed 0x%08X, %d iterations (set VELMIRA_FUZZ_SEED to repeat another run)", m_seed,
          m_iterations);
}

void TestLoaderFuzz::everyReaderSurvivesJunk()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    Junk junk(m_seed);
    auto tables = std::make_unique<Tables>();
    Tables &t = *tables;

    // Degree outlet codes: many duplicates and zeros, as junk would have.
    constexpr int kDegreeCount = 250;
    for (int i = 1; i <= 300; ++i)
        t.degreeRows.set(i, DegreeField::OutletCode, junk.below(1000) - 10);

    MessageCatcher messages;
    NoteCatcher notes;
    QElapsedTimer timer;
    timer.start();
    int fileErrors = 0;

    for (int iteration = 0; iteration < m_iterations; ++iteration) {
        messages.clear();
        notes.notes.clear();
        setUtfMode(junk.chance(50));

        // The first iterations take each shape once; the rest are drawn at random.
        const QByteArray text = junk.textFile(iteration <= Junk::Ordinary ? iteration : -1);
        const QByteArray listName = QByteArray("lu") + QByteArray::number(1 + iteration % 4);
        QVERIFY(writeFile("junk", text));
        QVERIFY(writeFile(listName, text));
        const int lineCount = static_cast<int>(splitLines(text).size());

        const int widths[] = {kWidthA, kWidthB, 50, 54, 75, kWidthE, 0, 1};
        const int width = widths[junk.below(8)];

        LoadPaddedLines("junk", t.padded, width);
        CHECK_TABLE(t.padded);
        QCOMPARE(t.padded.count(), std::min(lineCount, 1100));
        LoadWidePaddedLines("junk", t.wide, width);
        CHECK_TABLE(t.wide);
        LoadArtLines("junk", t.art, kWidthE);
        CHECK_TABLE(t.art);
        LoadTrimmedLines("junk", t.trimmed);
        CHECK_TABLE(t.trimmed);
        LoadLongLines("junk", t.longLines);
        CHECK_TABLE(t.longLines);
        LoadPlainLines("junk", t.plain);
        CHECK_TABLE(t.plain);
        LoadTrimmedLines("junk", t.small);
        CHECK_TABLE(t.small);

        LoadDashedLines("junk", t.titles, t.titleLines, width);
        CHECK_TABLE(t.titles);
        QCOMPARE(t.titleLines.size(), size_t(1101));
        for (int k = 1; k <= t.titles.count(); ++k) {
            QVERIFY(t.titleLines[k] >= 1 && t.titleLines[k] <= lineCount);
            if (k > 1)
                QVERIFY(t.titleLines[k] > t.titleLines[k - 1]);
        }
        LoadDashedLines("junk", t.small, t.fewTitleLines, width);
        CHECK_TABLE(t.small);
        QCOMPARE(t.fewTitleLines.size(), size_t(4));

        LoadSubjectGroups("junk", t.higherGroups);
        LoadOtherSubjectGroups("junk", t.otherGroups);
        if (iteration % 4 == 0) { // the big table now and then
            LoadSubjectGroups("junk", t.middleGroups);
            QString why;
            QVERIFY2(groupsSound(t.middleGroups, 60, lineCount, &why), qPrintable(why));
        }
        QString why;
        QVERIFY2(groupsSound(t.higherGroups, 60, lineCount, &why), qPrintable(why));
        QVERIFY2(groupsSound(t.otherGroups, 60, lineCount, &why), qPrintable(why));

        interfaceTextTable().clear();
        LoadInterfaceTexts("junk", interfaceTextTable());
        CHECK_TABLE(interfaceTextTable());
        AssignInterfaceTexts();
        if (iteration % 5 == 0)
            for (int line = 0; line <= kHighestTextSlot + 1; ++line)
                QVERIFY(interfaceText(line).size() <= textSlotCapacity(line));

        LoadPlaces("junk", t.places);
        CHECK_TABLE(t.places.names);
        CHECK_TABLE(t.places.second);
        QCOMPARE(t.places.region.size(), size_t(1101));
        for (int i = 1; i <= t.places.names.count(); ++i)
            QVERIFY(t.places.region[i] >= -9 && t.places.region[i] <= 99);

        LoadRegionTexts("junk", t.regionTexts);
        CHECK_TABLE(t.regionTexts);

        PlaceList &list = t.placeLists[iteration % 4];
        LoadPlaceList(listName, list);
        CHECK_TABLE(list.columnA);
        CHECK_TABLE(list.columnB);
        CHECK_TABLE(list.columnC);
        for (int i = 1; i <= list.count(); ++i) {
            QVERIFY(list.columnA.at(i).size() <= 44);
            QVERIFY(list.columnB.at(i).size() <= 26);
            QVERIFY(list.columnC.at(i).size() <= 9);
        }

        LoadDoubleDegrees("junk", t.doubles, t.degreeRows, kDegreeCount);
        CHECK_TABLE(t.doubles.names);
        QVERIFY(t.doubles.groupCount >= 0 && t.doubles.groupCount <= DoubleDegrees::kMaxGroups);
        QCOMPARE(t.doubles.members.size(),
                 size_t((DoubleDegrees::kMaxGroups + 1) * (DoubleDegrees::kMaxMembers + 1)));
        for (int g = 1; g <= t.doubles.groupCount; ++g) {
            QVERIFY(t.doubles.code[g] >= 1 && t.doubles.code[g] <= 99);
            const int members = t.doubles.memberCount[g];
            QVERIFY(members >= 0 && members <= DoubleDegrees::kMaxMembers);
            for (int m = 1; m <= members; ++m) {
                const DoubleDegreeMember &member = t.doubles.member(g, m);
                QVERIFY(member.firstDegree >= 0 && member.firstDegree <= kDegreeCount);
                QVERIFY(member.secondDegree >= 0 && member.secondDegree <= kDegreeCount);
                QVERIFY(member.tag.size() <= 4);
            }
        }
        for (const QString &message : messages.messages())
            QCOMPARE(message, QStringLiteral("ERROR en fichero de dobles"));
        QVERIFY(!startupAborted());

        // Record files of about the right size; the large ones every other time.
        if (iteration % 2 == 0) {
            QVERIFY(writeFile("rec", junk.recordFile(4 * 114400)));
            if (runRecordReader([&] {
                    LoadPlaceRecords("rec", t.placeTitles[0], t.placeTitles[1], t.placeTitles[2],
                                     t.placeTitles[3]);
                })) {
                // Whatever a row's count says, only rows 1-1,100 list anything.
                for (int probe = 0; probe < 50; ++probe) {
                    const int place = junk.below(1104) - 1;
                    if (t.placeTitles[junk.below(4)].teaches(place, junk.below(300) - 5))
                        QVERIFY(place >= 1 && place <= 1100);
                }
            } else {
                ++fileErrors;
            }
        }
        QVERIFY(writeFile("rec", junk.recordFile(20000)));
        fileErrors += runRecordReader([&] { LoadTitleRows("rec", t.higherRows); }) ? 0 : 1;
        QVERIFY(writeFile("rec", junk.recordFile(4000)));
        fileErrors += runRecordReader([&] { LoadTitleRows("rec", t.middleRows); }) ? 0 : 1;
        QVERIFY(writeFile("rec", junk.recordFile(16800)));
        if (runRecordReader([&] { LoadDegreeRows("rec", t.loadedDegrees); })) {
            const int found = FindDegreeByCode(t.loadedDegrees, junk.below(400), junk.below(1000));
            QVERIFY(found >= 0 && found <= 300);
        } else {
            ++fileErrors;
        }
        QVERIFY(writeFile("rec", junk.recordFile(3 * ItemGroupRecord::kRecordBytes * (1 + junk.below(3)))));
        if (runRecordReader([&] { LoadGroupArrays("rec", t.itemGroups); })) {
            for (int g = 0; g <= 21; ++g) {
                const int count = t.itemGroups.third.itemCount(g);
                QVERIFY(count >= 0 && count <= 255);
                for (int k = 0; k <= count + 1; ++k)
                    QVERIFY(t.itemGroups.third.item(g, k) >= 0 && t.itemGroups.third.item(g, k) <= 255);
            }
        } else {
            ++fileErrors;
        }
        if (iteration % 3 == 0) {
            QVERIFY(writeFile("rec", junk.recordFile(5 * DegreeCentres::kBlockBytes)));
            if (runRecordReader([&] { LoadDegreeCentres("rec", t.centres); })) {
                for (int d = 0; d <= 301; ++d) {
                    const int count = t.centres.centreCount(d);
                    QVERIFY(count >= 0 && count <= 100);
                    for (int k = 0; k <= count + 1; ++k) {
                        QVERIFY(t.centres.centre(d, k) >= 0 && t.centres.centre(d, k) <= 255);
                        QVERIFY(t.centres.mark(d, k) >= 0 && t.centres.mark(d, k) <= 255);
                    }
                }
            } else {
                ++fileErrors;
            }
        }

        // The professions window's records: each line parsed, and the four files read.
        const std::vector<QByteArray> lines = splitLines(text);
        const size_t parsed = std::min<size_t>(lines.size(), 400);
        for (size_t i = 0; i < parsed; ++i) {
            const QByteArray &line = lines[i];
            const ShortStatement s = parseShortStatement(line);
            QCOMPARE(s.firstActivity.size(), 4);
            QCOMPARE(s.secondActivity.size(), 4);
            QVERIFY(s.text.size() <= 60);
            const LongStatement l = parseLongStatement(line);
            QVERIFY(l.text.size() <= 115);
            for (const QByteArray &code : l.activities)
                QVERIFY(code.size() <= 4);
            const Activity a = parseActivity(line);
            QCOMPARE(a.code.size(), 4);
            QVERIFY(a.name.size() <= 60);
            int bad = 0;
            const Profession p = parseProfession(line, [&bad] { ++bad; });
            QCOMPARE(p.firstActivity.size(), 4);
            QCOMPARE(p.secondActivity.size(), 4);
            QVERIFY(p.name.size() <= 40);
            QVERIFY(bad <= 2);
        }
        QVERIFY(readRecordLines("junk", 30).size() <= 30);

        loadProfessionFiles(t.professions, "junk", "junk", "junk", "junk");
        QVERIFY(t.professions.shortStatements.size() <= size_t(ProfessionsData::kMaxShortStatements + 1));
        QVERIFY(t.professions.longStatements.size() <= size_t(ProfessionsData::kMaxLongStatements + 1));
        QVERIFY(t.professions.activities.size() <= size_t(ProfessionsData::kMaxActivities + 1));
        QVERIFY(t.professions.professions.size() <= size_t(ProfessionsData::kMaxProfessions + 1));
        for (const LongStatement &s : t.professions.longStatements)
            QVERIFY(s.text.size() <= 135);
        for (const Profession &p : t.professions.professions)
            QVERIFY(p.name.size() <= 50);
        for (const ShortStatement &s : t.professions.shortStatements)
            QVERIFY(s.text.size() <= 120); // 60 characters, two bytes each at most
        for (const Activity &a : t.professions.activities)
            QVERIFY(a.name.size() <= 120);

        if (QTest::currentTestFailed()) {
            qWarning("failed at iteration %d of seed 0x%08X", iteration, m_seed);
            return;
        }
    }

    // The shapes above must have produced both readable and short record files.
    QVERIFY(fileErrors > 0);
    qInfo("%d iterations in %lld ms, %d record files refused", m_iterations,
          static_cast<long long>(timer.elapsed()), fileErrors);
}

QTEST_GUILESS_MAIN(TestLoaderFuzz)
#include "tst_loader_fuzz.moc"

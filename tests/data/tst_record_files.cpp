// Binary record files (place-title tables, title and degree rows, item
// groups, degree centres) and the shared constants: map regions and their
// centres, province keys.

#include "data_test_support.h"

#include "data/degree_centres.h"
#include "data/map_geometry.h"
#include "data/messages.h"
#include "data/record_files.h"

#include <QtEndian>
#include <QtTest>

#include <cstdint>
#include <functional>

using namespace velmira;
using namespace testsupport;

namespace {

// Little-endian 32-bit integers written at integer positions of a block.
class IntBlock
{
public:
    explicit IntBlock(int ints)
        : m_bytes(ints * 4, '\0')
    {
    }
    void put(int index, std::int32_t value)
    {
        qToLittleEndian<std::int32_t>(value, m_bytes.data() + index * 4);
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

constexpr int kPlaceRecordInts = 1100 * 26;

// Expects FileError naming the file, with no message and no abort flag.
void expectFileError(const QByteArray &name, const std::function<void()> &load)
{
    MessageCatcher catcher;
    bool raised = false;
    try {
        load();
    } catch (const FileError &error) {
        raised = true;
        QCOMPARE(error.fileName(), name);
    }
    QVERIFY2(raised, name.constData());
    QVERIFY(catcher.messages().isEmpty());
    QVERIFY(!startupAborted());
}

} // namespace

class TestRecordFiles : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetFoundationState(); }
    void cleanup() { resetFoundationState(); }

    void placeTitleTables();
    void titleAndDegreeRows();
    void findDegreeByCode();
    void itemGroupsKeepLastPass();
    void shortOrMissingRecordFiles();
    void degreeCentres();
    void degreeCentresPartialGroup();

    void regionAt_data();
    void regionAt();
    void regionRectanglesAndCentres();
    void provinceKeys();
};

void TestRecordFiles::placeTitleTables()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    IntBlock block(4 * kPlaceRecordInts);
    auto put = [&](int record, int row, int k, std::int32_t value) {
        block.put((record - 1) * kPlaceRecordInts + (row - 1) * 26 + k, value);
    };
    // Record 2, row 5: three titles, then numbers that are not part of the row.
    put(2, 5, 0, 3);
    put(2, 5, 1, 7);
    put(2, 5, 2, 12);
    put(2, 5, 3, 40);
    for (int k = 4; k <= 25; ++k)
        put(2, 5, k, 100 + k);
    // A heading row: n = 0 whatever follows.
    put(2, 6, 1, 7);
    // The last row of the last record, and a full row of 25 titles.
    put(4, 1100, 0, 25);
    for (int k = 1; k <= 25; ++k)
        put(4, 1100, k, 200 + k);
    // Faulty counts: above 25 and negative.
    put(1, 1, 0, 1000);
    put(1, 1, 25, 9);
    put(1, 2, 0, -4);
    put(1, 2, 1, 9);
    put(3, 1, 0, 1);
    put(3, 1, 1, 33);
    QVERIFY(writeFile("datluggs", block.bytes()));

    PlaceTitleTable tables[4];
    LoadPlaceRecords("datluggs", tables[0], tables[1], tables[2], tables[3]);

    for (int title : {7, 12, 40})
        QVERIFY(tables[1].teaches(5, title));
    for (int title : {0, 1, 13, 104, 125, 3})
        QVERIFY(!tables[1].teaches(5, title));
    QVERIFY(!tables[1].teaches(6, 7));
    QCOMPARE(tables[1].at(5, 4), 104);

    QVERIFY(tables[3].teaches(1100, 201));
    QVERIFY(tables[3].teaches(1100, 225));
    QVERIFY(!tables[3].teaches(1099, 201));
    // Record k belongs to list k.
    QVERIFY(tables[2].teaches(1, 33));
    QVERIFY(!tables[0].teaches(1, 33));
    QVERIFY(!tables[1].teaches(1, 33));

    // A count above 25 reads no further than the row; a negative one reads nothing.
    QVERIFY(tables[0].teaches(1, 9));
    QVERIFY(!tables[0].teaches(2, 9));
    QVERIFY(!tables[0].teaches(0, 0));
    QVERIFY(!tables[0].teaches(1101, 0));
}

void TestRecordFiles::titleAndDegreeRows()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());

    IntBlock fps(200 * 25);
    fps.put(0, 11);             // row 1, integer 0
    fps.put(23, 17);            // row 1, family code
    fps.put(199 * 25 + 24, -5); // row 200, integer 24
    QVERIFY(writeFile("datfps", fps.bytes()));
    HigherTitleRows higher;
    LoadTitleRows("datfps", higher);
    QCOMPARE(higher.at(1, 0), 11);
    QCOMPARE(higher.at(1, 23), 17);
    QCOMPARE(higher.at(200, 24), -5);
    QCOMPARE(higher.at(201, 0), 0);
    QCOMPARE(higher.at(1, 25), 0);

    IntBlock fpm(200 * 5);
    fpm.put(3, 26); // row 1, family code
    fpm.put(199 * 5 + 4, 0x01020304);
    QVERIFY(writeFile("datfpm", fpm.bytes() + QByteArray(10, 'x'))); // extra bytes are ignored
    MiddleTitleRows middle;
    LoadTitleRows("datfpm", middle);
    QCOMPARE(middle.at(1, 3), 26);
    QCOMPARE(middle.at(200, 4), 0x01020304);

    IntBlock grados(300 * 14);
    grados.put(0 * 14 + DegreeField::Branch, 3);
    grados.put(0 * 14 + DegreeField::OutletCode, 412);
    grados.put(299 * 14 + 13, 50);
    QVERIFY(writeFile("datgrados", grados.bytes()));
    DegreeRows degrees;
    LoadDegreeRows("datgrados", degrees);
    QCOMPARE(degrees.at(1, DegreeField::Branch), 3);
    QCOMPARE(degrees.at(1, DegreeField::OutletCode), 412);
    QCOMPARE(degrees.at(300, 13), 50);
    QCOMPARE(degrees.toBytes(), grados.bytes());
}

void TestRecordFiles::findDegreeByCode()
{
    DegreeRows rows;
    for (int i = 1; i <= 300; ++i)
        rows.set(i, DegreeField::OutletCode, 1000 + i);
    rows.set(4, DegreeField::OutletCode, 33);
    rows.set(9, DegreeField::OutletCode, 33);
    rows.set(12, DegreeField::OutletCode, 44);

    QCOMPARE(FindDegreeByCode(rows, 10, 33), 4); // the lower of two rows
    QCOMPARE(FindDegreeByCode(rows, 10, 44), 0); // row 12 is beyond the count
    QCOMPARE(FindDegreeByCode(rows, 12, 44), 12);
    QCOMPARE(FindDegreeByCode(rows, 10, 1010), 10); // the row at the count is searched
    QCOMPARE(FindDegreeByCode(rows, 300, 1300), 300);
    QCOMPARE(FindDegreeByCode(rows, 5000, 1300), 300); // a count above the rows is bounded
    QCOMPARE(FindDegreeByCode(rows, 0, 33), 0);
    QCOMPARE(FindDegreeByCode(rows, -3, 33), 0);
    QCOMPARE(FindDegreeByCode(rows, 300, 7), 0);
}

void TestRecordFiles::itemGroupsKeepLastPass()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    constexpr int recordBytes = ItemGroupRecord::kRecordBytes;
    QCOMPARE(recordBytes, 1020);

    // Record r: group g holds g items numbered r * 30 + k.
    QByteArray file;
    for (int r = 1; r <= 6; ++r) {
        QByteArray record(recordBytes, '\0');
        for (int g = 1; g <= 20; ++g) {
            record[(g - 1) * 51] = static_cast<char>(g);
            for (int k = 1; k <= g; ++k)
                record[(g - 1) * 51 + k] = static_cast<char>(r * 30 + k);
        }
        file += record;
    }
    QVERIFY(writeFile("datgrub", file));

    ItemGroups groups;
    LoadGroupArrays("datgrub", groups);
    const ItemGroupRecord *arrays[3] = {&groups.first, &groups.second, &groups.third};
    for (int a = 0; a < 3; ++a) {
        const int r = 4 + a;
        for (int g = 1; g <= 20; ++g) {
            QCOMPARE(arrays[a]->itemCount(g), g);
            QCOMPARE(arrays[a]->item(g, 1), r * 30 + 1);
            QCOMPARE(arrays[a]->item(g, g), r * 30 + g);
        }
    }
    QCOMPARE(groups.third.item(20, 20), 200);
    QCOMPARE(groups.first.itemCount(0), 0);
    QCOMPARE(groups.first.itemCount(21), 0);
    QCOMPARE(groups.first.item(1, 51), 0);

    // Exactly three records, the normal case.
    QVERIFY(writeFile("datgrub", file.left(3 * recordBytes)));
    LoadGroupArrays("datgrub", groups);
    QCOMPARE(groups.first.item(1, 1), 31);
    QCOMPARE(groups.third.item(1, 1), 91);

    // Item numbers are bytes 1-255.
    QByteArray high(3 * recordBytes, '\0');
    high[0] = static_cast<char>(50);
    high[50] = static_cast<char>(255);
    QVERIFY(writeFile("datgrub", high));
    LoadGroupArrays("datgrub", groups);
    QCOMPARE(groups.first.itemCount(1), 50);
    QCOMPARE(groups.first.item(1, 50), 255);
}

void TestRecordFiles::shortOrMissingRecordFiles()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());

    PlaceTitleTable a, b, c, d;
    expectFileError("datlugip", [&] { LoadPlaceRecords("datlugip", a, b, c, d); });
    QVERIFY(writeFile("datlugip", QByteArray(4 * 114400 - 1, '\1')));
    expectFileError("datlugip", [&] { LoadPlaceRecords("datlugip", a, b, c, d); });
    QVERIFY(writeFile("datlugip", QByteArray(3 * 114400, '\1')));
    expectFileError("datlugip", [&] { LoadPlaceRecords("datlugip", a, b, c, d); });

    HigherTitleRows higher;
    QVERIFY(writeFile("datfps", QByteArray(19999, '\0')));
    expectFileError("datfps", [&] { LoadTitleRows("datfps", higher); });
    MiddleTitleRows middle;
    QVERIFY(writeFile("datfpm", QByteArray()));
    expectFileError("datfpm", [&] { LoadTitleRows("datfpm", middle); });
    DegreeRows degrees;
    expectFileError("datgrados", [&] { LoadDegreeRows("datgrados", degrees); });
    QVERIFY(writeFile("datgrados", QByteArray(16799, '\0')));
    expectFileError("datgrados", [&] { LoadDegreeRows("datgrados", degrees); });

    ItemGroups groups;
    expectFileError("datgrub", [&] { LoadGroupArrays("datgrub", groups); });
    // A pass of three records cut short, after a whole pass or on its own.
    QVERIFY(writeFile("datgrub", QByteArray(4 * 1020, '\0')));
    expectFileError("datgrub", [&] { LoadGroupArrays("datgrub", groups); });
    QVERIFY(writeFile("datgrub", QByteArray(3 * 1020 - 1, '\0')));
    expectFileError("datgrub", [&] { LoadGroupArrays("datgrub", groups); });
}

void TestRecordFiles::degreeCentres()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    constexpr int block = DegreeCentres::kBlockBytes;
    QCOMPARE(block, 30300);

    auto group = [&](int firstCentre, int firstMark) {
        QByteArray bytes(5 * block, '\xEE'); // the unused lists hold junk
        QByteArray centres(block, '\0');
        QByteArray marks(block, '\0');
        centres[0] = 3; // degree 1: three centres
        centres[1] = static_cast<char>(firstCentre);
        centres[2] = 6;
        centres[3] = 7;
        marks[1] = static_cast<char>(firstMark);
        marks[2] = DegreeCentres::kNoMark;
        marks[3] = 70;
        centres[299 * 101] = 100; // degree 300: a full list
        for (int k = 1; k <= 100; ++k)
            centres[299 * 101 + k] = static_cast<char>(k + 100);
        marks[299 * 101 + 100] = 99;
        bytes.replace(0, block, centres);
        bytes.replace(2 * block, block, marks);
        return bytes;
    };

    QVERIFY(writeFile("datcarn", group(5, 65)));
    DegreeCentres centres;
    LoadDegreeCentres("datcarn", centres);
    QCOMPARE(centres.centreCount(1), 3);
    QCOMPARE(centres.centre(1, 1), 5);
    QCOMPARE(centres.centre(1, 2), 6);
    QCOMPARE(centres.centre(1, 3), 7);
    QCOMPARE(centres.mark(1, 1), 65);
    QCOMPARE(centres.mark(1, 2), DegreeCentres::kNoMark);
    QCOMPARE(centres.mark(1, 3), 70);
    QCOMPARE(centres.centreCount(2), 0);
    QCOMPARE(centres.centreCount(300), 100);
    QCOMPARE(centres.centre(300, 100), 200);
    QCOMPARE(centres.mark(300, 100), 99);
    QCOMPARE(centres.centreCount(0), 0);
    QCOMPARE(centres.centreCount(301), 0);
    QCOMPARE(centres.centre(1, 0), 0);
    QCOMPARE(centres.centre(1, 101), 0);

    // A later group overwrites an earlier one.
    QVERIFY(writeFile("datcarn", group(5, 65) + group(9, 80)));
    LoadDegreeCentres("datcarn", centres);
    QCOMPARE(centres.centre(1, 1), 9);
    QCOMPARE(centres.mark(1, 1), 80);

    // A stored count above 100 is read as 100 and noted.
    QByteArray faulty = group(5, 65);
    faulty[101] = static_cast<char>(200); // degree 2
    QVERIFY(writeFile("datcarn", faulty));
    NoteCatcher notes;
    LoadDegreeCentres("datcarn", centres);
    QCOMPARE(centres.storedCentreCount(2), 200);
    QCOMPARE(centres.centreCount(2), 100);
    QCOMPARE(notes.countFor("datcarn"), 1);
}

void TestRecordFiles::degreeCentresPartialGroup()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    constexpr int block = DegreeCentres::kBlockBytes;
    DegreeCentres centres;
    expectFileError("datcarn", [&] { LoadDegreeCentres("datcarn", centres); });
    QVERIFY(writeFile("datcarn", QByteArray(6 * block, '\0')));
    expectFileError("datcarn", [&] { LoadDegreeCentres("datcarn", centres); });
    QVERIFY(writeFile("datcarn", QByteArray(4 * block, '\0')));
    expectFileError("datcarn", [&] { LoadDegreeCentres("datcarn", centres); });
    QVERIFY(writeFile("datcarn", QByteArray(5 * block - 1, '\0')));
    expectFileError("datcarn", [&] { LoadDegreeCentres("datcarn", centres); });
}

void TestRecordFiles::regionAt_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("region");

    QTest::newRow("right-bottom corner is outside") << 131 << 236 << 0;
    QTest::newRow("one above the top counts") << 69 << 217 << 1;
    QTest::newRow("two above the top") << 69 << 216 << 0;
    QTest::newRow("top-left corner") << 69 << 218 << 1;
    QTest::newRow("last pixel inside") << 130 << 235 << 1;
    QTest::newRow("right edge") << 131 << 220 << 0;
    QTest::newRow("bottom edge") << 100 << 236 << 0;
    QTest::newRow("left of the left edge") << 68 << 220 << 0;
    QTest::newRow("region 2") << 160 << 150 << 2;
    QTest::newRow("region 5 above its top") << 167 << 232 << 5;
    QTest::newRow("region 11") << 41 << 148 << 11;
    QTest::newRow("region 17 top row") << 126 << 125 << 17;
    QTest::newRow("region 12 under 17") << 126 << 141 << 12;
    QTest::newRow("region 19") << 143 << 261 << 19;
    QTest::newRow("outside the map") << 0 << 0 << 0;
    QTest::newRow("negative") << -5 << -5 << 0;
}

void TestRecordFiles::regionAt()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, region);
    QCOMPARE(RegionAt(x, y), region);
}

void TestRecordFiles::regionRectanglesAndCentres()
{
    const RegionRect rects[19] = {
        {69, 218, 131, 236},  {153, 139, 164, 170}, {71, 122, 99, 132},   {204, 177, 233, 202},
        {167, 233, 236, 258}, {106, 125, 120, 136}, {106, 185, 144, 202}, {80, 137, 110, 164},
        {179, 134, 202, 165}, {63, 180, 86, 208},   {41, 120, 67, 149},   {125, 142, 142, 155},
        {106, 168, 122, 180}, {139, 209, 157, 226}, {143, 130, 149, 151}, {158, 180, 174, 212},
        {126, 126, 134, 140}, {78, 251, 91, 260},   {130, 251, 144, 262},
    };
    const QPoint centres[19] = {
        {102, 141}, {156, 73},  {82, 41},  {221, 100}, {204, 162}, {111, 42}, {128, 108},
        {100, 68},  {188, 64},  {77, 111}, {58, 49},   {131, 60},  {114, 89}, {148, 133},
        {143, 52},  {160, 107}, {130, 47}, {83, 171},  {136, 174},
    };
    for (int r = 1; r <= 19; ++r) {
        const RegionRect &want = rects[r - 1];
        const RegionRect got = regionRect(r);
        QVERIFY2(got.left == want.left && got.top == want.top && got.right == want.right
                     && got.bottom == want.bottom,
                 qPrintable(QString::number(r)));
        // The middle of every rectangle and its inner corners find it.
        QCOMPARE(RegionAt((want.left + want.right) / 2, (want.top + want.bottom) / 2), r);
        QCOMPARE(RegionAt(want.left, want.top - 1), r);
        QCOMPARE(RegionAt(want.right - 1, want.bottom - 1), r);
        QVERIFY(RegionAt(want.right, want.bottom) != r);
        QCOMPARE(regionCentre(r), centres[r - 1]);
    }
    QCOMPARE(regionCentre(0), QPoint());
    QCOMPARE(regionCentre(20), QPoint());
    const RegionRect none = regionRect(20);
    QCOMPARE(none.right - none.left, 0);
}

void TestRecordFiles::provinceKeys()
{
    FillProvinceKeys();
    QCOMPARE(provinceKey(1), QByteArray("37"));
    QCOMPARE(provinceKey(11), QByteArray("16"));
    QCOMPARE(provinceKey(18), QByteArray("3J"));
    QCOMPARE(provinceKey(34), QByteArray("45"));
    QCOMPARE(provinceKey(63), QByteArray("31"));
    QCOMPARE(provinceKey(64), QByteArray("32"));
    QCOMPARE(provinceKey(0), QByteArray());
    QCOMPARE(provinceKey(65), QByteArray());

    QSet<QByteArray> seen;
    for (int code = 1; code <= 64; ++code) {
        const QByteArray key = provinceKey(code);
        QCOMPARE(key.size(), 2);
        QVERIFY(key[0] >= '1' && key[0] <= '4');
        seen.insert(key);
    }
    QCOMPARE(seen.size(), 64);

    // Filling again gives the same table.
    FillProvinceKeys();
    QCOMPARE(provinceKey(40), QByteArray("2K"));
}

QTEST_GUILESS_MAIN(TestRecordFiles)
#include "tst_record_files.moc"

// velmira-data on a copy of the sample installation: what check reports and
// what dump prints.

#include "data/foundation_state.h"
#include "installation_check.h"
#include "table_dump.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmira;

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir())
            copyTree(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

QStringList described(const std::vector<LoadNote> &notes)
{
    QStringList out;
    for (const LoadNote &note : notes)
        out << describeNote(note);
    return out;
}

bool append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::Append) && file.write(bytes) == bytes.size();
}

} // namespace

class DataToolTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString fresh()
    {
        const QString path = m_dir.filePath(QString::number(++m_copies));
        copyTree(QStringLiteral(VELMIRA_SAMPLE_DIR), path);
        return path;
    }
    int m_copies = 0;

private slots:
    void init() { velmira::resetFoundationState(); }

    void sampleInstallationHasNoProblems()
    {
        const QStringList problems = described(checkInstallation(fresh()));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void reportsEveryKindOfProblemWithFileAndLine()
    {
        const QString dir = fresh();
        QVERIFY(QFile::remove(dir + QStringLiteral("/galego/cuestion")));
        QVERIFY(QFile::resize(dir + QStringLiteral("/datfps"), 19999));
        // "materiasp" holds 100 lines: line 101 on is beyond the table.
        QFile materiasp(dir + QStringLiteral("/materiasp"));
        QVERIFY(materiasp.open(QIODevice::WriteOnly));
        for (int i = 0; i < 105; ++i)
            materiasp.write("Asignatura\n");
        materiasp.close();
        QVERIFY(append(dir + QStringLiteral("/dobles"), "  0x12abc TAG\n"));
        // A title the catalogue does not have, in the ESO lists (shortened names are fine).
        QFile titleLists(dir + QStringLiteral("/fps"));
        QVERIFY(titleLists.open(QIODevice::ReadOnly));
        const int listedTitles = int(titleLists.readAll().count('\n'));
        titleLists.close();
        QVERIFY(append(titleLists.fileName(), "1      Iluminaci\xf3n, Captaci\xf3n y Tratam. de Imagen\n"));
        // The first two Castilian degrees swapped: the table is no longer alphabetical.
        QFile carreran(dir + QStringLiteral("/carreran"));
        QVERIFY(carreran.open(QIODevice::ReadWrite));
        QList<QByteArray> degrees = carreran.readAll().split('\n');
        std::swap(degrees[0], degrees[1]);
        QVERIFY(carreran.seek(0) && carreran.write(degrees.join('\n')) > 0);
        carreran.close();
        // "otros" keeps 45 bytes a line: 44 Latin-1 letters, two of them
        // accented, are cut in UTF mode only.
        QFile otros(dir + QStringLiteral("/otros"));
        QVERIFY(otros.open(QIODevice::ReadOnly));
        const int otrosLines = int(otros.readAll().count('\n'));
        otros.close();
        QVERIFY(append(otros.fileName(),
                       "Ense\xf1"
                       "anzas de Formaci\xf3"
                       "n Profesional y Empleo\n"));

        const QStringList problems = described(checkInstallation(dir));
        const auto has = [&problems](const QString &start) {
            return std::any_of(problems.begin(), problems.end(),
                               [&](const QString &p) { return p.startsWith(start); });
        };
        QVERIFY2(has(QStringLiteral("galego/cuestion: missing file")), qPrintable(problems.join('\n')));
        QVERIFY2(has(QStringLiteral("datfps: ")), qPrintable(problems.join('\n')));
        QVERIFY2(has(QStringLiteral("materiasp:101: 105 lines, the table holds 100")),
                 qPrintable(problems.join('\n')));
        QVERIFY2(has(QStringLiteral("dobles:")), qPrintable(problems.join('\n')));
        const QString cut =
            QStringLiteral("otros:%1: cut after 45 bytes, the text needs 46 in UTF mode, 44 in "
                           "Latin-1: \"Enseñanzas de Formación Profesional y Emple|o\"")
                .arg(otrosLines + 1);
        QVERIFY2(problems.contains(cut), qPrintable(problems.join('\n')));
        QVERIFY2(
            problems.contains(QStringLiteral("fps:%1: \"Iluminación, Captación y Tratam. de Imagen\" is no "
                                             "higher-grade title of fp")
                                  .arg(listedTitles + 1)),
            qPrintable(problems.join('\n')));
        QVERIFY2(
            problems.contains(QStringLiteral("carreran:2: \"%1\" comes before \"%2\" in alphabetical order")
                                  .arg(QString::fromLatin1(degrees[1].trimmed()),
                                       QString::fromLatin1(degrees[0].trimmed()))),
            qPrintable(problems.join('\n')));
        // Each problem once, although four languages were loaded.
        QCOMPARE(QStringList(problems).removeDuplicates(), 0);
    }

    void reportsAnItineraryGroupWithEmptyDetails()
    {
        const QString dir = fresh();
        // No higher-grade title left in ESO group 13, which lists no degrees.
        QFile titleRows(dir + QStringLiteral("/datfps"));
        QVERIFY(titleRows.open(QIODevice::ReadWrite));
        QByteArray rows = titleRows.readAll();
        for (int row = 0; row < 200; ++row)
            for (int k = 0; k < 4; ++k)
                if (rows[(row * 25 + k) * 4] == 13)
                    rows[(row * 25 + k) * 4] = 0;
        QVERIFY(titleRows.seek(0) && titleRows.write(rows) == rows.size());
        titleRows.close();
        const QStringList problems = described(checkInstallation(dir));
        QCOMPARE(problems,
                 QStringList{QStringLiteral("datfps: ESO itinerary group 13 has no higher-grade title: its "
                                            "details list would be empty")});
    }

    void reportsEveryFileThatCannotBeUsedWithItsCause()
    {
        const QString dir = fresh();
        const auto path = [&](const char *name) { return dir + QLatin1Char('/') + QLatin1String(name); };
        QVERIFY(QFile::remove(path("bocadillo.png")));
        QVERIFY(QFile::remove(path("mapa")));
        QVERIFY(QFile::remove(path("galego/fps")) && QDir().mkdir(path("galego/fps")));
        QVERIFY(QFile::remove(path("figura.png"))
                && QFile::link(QStringLiteral("figura.png"), path("figura.png")));
        QVERIFY(QFile::remove(path("pdf/DeportesCentros.pdf")));
        QFile weighting(path("pdf/Ponderaciones_Madrid.pdf"));
        QVERIFY(weighting.open(QIODevice::WriteOnly) && weighting.write("Ponderaciones\n") > 0);
        weighting.close();
        // A NUL byte inside the first centre's web address (characters 38 on).
        QFile places(path("lugar"));
        QVERIFY(places.open(QIODevice::ReadWrite));
        QByteArray lines = places.readAll();
        lines[40] = '\0';
        QVERIFY(places.seek(0) && places.write(lines) == lines.size());
        places.close();

        const QStringList problems = described(checkInstallation(dir));
        for (const QString &expected :
             {QStringLiteral("bocadillo.png: missing file"), QStringLiteral("mapa: missing file"),
              QStringLiteral("galego/fps: a directory, not a file"),
              QStringLiteral("figura.png: a link that leads nowhere"),
              QStringLiteral("pdf/DeportesCentros.pdf: missing file"),
              QStringLiteral("pdf/Ponderaciones_Madrid.pdf: not a PDF document"),
              QStringLiteral("lugar:1: the web address holds a NUL byte")})
            QVERIFY2(problems.contains(expected),
                     qPrintable(expected + QStringLiteral(" in:\n") + problems.join('\n')));
    }

    void dumpPrintsTablesAsHeld()
    {
        const QString dir = fresh();
        QString error;
        const auto textos = dumpTable(dir, "catVal/textos", &error);
        QVERIFY2(textos, qPrintable(error));
        QVERIFY(textos->startsWith("0\tcatVal/textos\n1\t"));

        const auto degrees = dumpTable(dir, "carreran", &error);
        QVERIFY2(degrees, qPrintable(error));
        const QList<QByteArray> lines = degrees->split('\n');
        QCOMPARE(lines.first(), QByteArray("0\tcarreran"));
        // Padded entries hold exactly 60 bytes after "index<tab>".
        QCOMPARE(lines.at(1).size() - lines.at(1).indexOf('\t') - 1, 60);

        const auto rows = dumpTable(dir, "datgrados", &error);
        QVERIFY2(rows, qPrintable(error));
        QCOMPARE(rows->count('\n'), 300);
        QCOMPARE(rows->split('\n').first().split(' ').size(), 14);
    }

    void dumpRefusesUnknownNamesAndMissingFiles()
    {
        const QString dir = fresh();
        QString error;
        QVERIFY(!dumpTable(dir, "nonsense", &error));
        QVERIFY(error.contains(QStringLiteral("not a file the program loads")));
        QVERIFY(QFile::remove(dir + QStringLiteral("/lugar")));
        QVERIFY(!dumpTable(dir, "lugar", &error));
        QVERIFY(error.contains(QStringLiteral("lugar")));
    }
};

QTEST_GUILESS_MAIN(DataToolTest)
#include "tst_data_tool.moc"

// The university part of the builder: province codes chosen against the
// fixed province keys, double-degree groups that belong to centres, the
// degree texts and the PDF documents.

#include "degree_texts.h"
#include "degrees.h"
#include "documents.h"
#include "families.h"
#include "pdf_document.h"
#include "professions.h"
#include "province_codes.h"
#include "regions.h"
#include "source_error.h"

#include "data/map_geometry.h"

#include <QRegularExpression>
#include <QtTest>

#include "region_sources.h"

using namespace velmira::build;

namespace {

// Two centres (usal is line 1, ucm line 2) and two degrees.
SourceSet degreeSources()
{
    SourceSet set = regionSources(false);
    set.files.insert(QStringLiteral("activities.txt"), "#fields: code | name\nSANI | Sanidad\n");
    set.files.insert(QStringLiteral("short-statements.txt"),
                     "#fields: key | activity1 | activity2 | text\ncuidar | SANI | ~ | Me gusta cuidar\n");
    set.files.insert(QStringLiteral("long-statements.txt"), "#fields: text | activities\nAyudar | SANI\n");
    set.files.insert(QStringLiteral("professions.txt"),
                     "#fields: key | activity1 | activity2 | name | statements | levels\n"
                     "medico | SANI | ~ | Médico | cuidar | degree\n");
    set.files.insert(QStringLiteral("families.txt"), "#fields: code | name\n0 | Sanidad\n");
    set.files.insert(QStringLiteral("degree-groups.txt"),
                     "#fields: key | name\nsalud | Ciencias de la Salud\n");
    set.files.insert(QStringLiteral("bachillerato-subjects.txt"), "#fields: key | name\nbio | Biología\n");
    set.files.insert(
        QStringLiteral("degrees.txt"),
        "#fields: key | name | branch | years | group | itineraries | professions | family | subjects\n"
        "medicina | Medicina | 4 | 6 | salud | 4 | medico | 0 | bio\n"
        "farmacia | Odontología | 4 | 5 | salud | 4 | ~ | 0 | bio\n");
    set.files.insert(QStringLiteral("degree-centres.txt"),
                     "#fields: degree | university | mark\nmedicina | usal | 11,9\nfarmacia | ucm | 10,1\n");
    set.files.insert(QStringLiteral("double-degrees.txt"),
                     "#fields: university | first | second | tag\n"
                     "ucm  | medicina | farmacia | MF\n"
                     "usal | farmacia | medicina | FM\n");
    set.files.insert(QStringLiteral("degree-texts.txt"),
                     "#fields: degree | text\n"
                     "farmacia | El medicamento.\n"
                     "medicina | La salud.\n"
                     "medicina | \"* Hospitales\"\n");
    set.files.insert(QStringLiteral("degree-text-labels.txt"),
                     "#fields: key | text\n"
                     "branch | Rama: %1.\n"
                     "length | %1 cursos, %2 créditos.\n"
                     "centres | En %1 centros.\n"
                     "centre | En un centro.\n"
                     "outlets | Salidas:\n");
    return set;
}

Degrees compileSampleDegrees(const SourceSet &set)
{
    return compileDegrees(set, compileRegions(set), compileProfessions(set), compileFamilies(set));
}

QString refusal(const std::function<void()> &compile)
{
    try {
        compile();
    } catch (const SourceError &e) {
        return e.message();
    }
    return QStringLiteral("accepted");
}

// Interface texts whose line 518 names branch 4.
const QList<QByteArray> kTexts = [] {
    QList<QByteArray> texts(519);
    texts[517] = "Salud";
    return texts;
}();

// The provinces of the nineteen regions of Spain, in region order.
const QList<int> kSpain = {8, 3, 1, 1, 2, 1, 5, 9, 4, 2, 4, 1, 1, 1, 1, 3, 3, 1, 1};

} // namespace

class TestUniversityBuild : public QObject
{
    Q_OBJECT

private slots:
    void provinceCodesKeepEachRegionInOnePlaceList()
    {
        const QList<int> firsts = chooseFirstProvinceCodes(kSpain);
        QCOMPARE(firsts.size(), kSpain.size());
        int headings = 0;
        for (int r = 0; r < kSpain.size(); ++r) {
            if (r > 0)
                QVERIFY(firsts[r] >= firsts[r - 1] + kSpain[r - 1]);
            const char list = velmira::provinceKey(firsts[r]).at(0);
            for (int code = firsts[r]; code < firsts[r] + kSpain[r]; ++code) {
                QCOMPARE(velmira::provinceKey(code).at(0), list);
                headings += isHeadingProvinceCode(code) ? 1 : 0;
            }
        }
        // Andalucía cannot avoid code 7 (key 3G), and one more is forced.
        QCOMPARE(firsts[0], 1);
        QCOMPARE(headings, 2);
    }

    void provinceCodesAvoidHeadingKeysWhenTheyCan()
    {
        // Code 7 is a heading key; a second one-province region avoids it.
        const QList<int> firsts = chooseFirstProvinceCodes({6, 1});
        QCOMPARE(firsts, (QList<int>{1, 8}));
    }

    void provinceCodesRefuseWhatDoesNotFit()
    {
        QVERIFY(chooseFirstProvinceCodes({11}).isEmpty()); // no place list has 11 consecutive codes
        QVERIFY(chooseFirstProvinceCodes(QList<int>(65, 1)).isEmpty());
    }

    void regionsTakeTheirChosenFirstCodes()
    {
        SourceSet set = degreeSources();
        const Regions regions = compileRegions(set);
        const QList<int> firsts = chooseFirstProvinceCodes(QList<int>(19, 1));
        for (int r = 1; r <= 19; ++r) {
            QCOMPARE(regions.comunida[r - 1].left(2).toInt(), firsts[r - 1]);
            QCOMPARE(regions.provinceCodes.value(QStringLiteral("Provincia %1").arg(r)), firsts[r - 1]);
        }
    }

    void doubleDegreeGroupsBelongToCentres()
    {
        const Degrees degrees = compileSampleDegrees(degreeSources());
        // Group 1 is centre 1 (usal, region 8), group 2 centre 2 (ucm, region 13),
        // whatever the order of the source.
        QCOMPARE(degrees.dobles,
                 (QList<QByteArray>{"08Universidad de Salamanca", "    002001FM",
                                    "13Universidad Complutense de Madrid", "    001002MF"}));
    }

    void doubleDegreesNeedTheirCentresFirst()
    {
        SourceSet set = degreeSources();
        set.files[QStringLiteral("double-degrees.txt")] =
            "#fields: university | first | second | tag\nucm | medicina | farmacia | MF\n";
        QCOMPARE(
            refusal([&] { compileSampleDegrees(set); }),
            QStringLiteral("content/double-degrees.txt: line 1 of the universities offers no double degree "
                           "but a later line does: the centres that offer double degrees must come first"));
    }

    void degreeTextsOpenEachBlockWithTheOutletCodeAndEndWithTheDegreesFacts()
    {
        const SourceSet set = degreeSources();
        const QByteArray text =
            compileDegreeTexts(set, compileSampleDegrees(set), compileProfessions(set), kTexts);
        QCOMPARE(text,
                 QByteArray("<<  1 Medicina\nMedicina\n========\nLa salud.\n* Hospitales\n\n"
                            "Rama: Salud.\n6 cursos, 360 cr\xe9"
                            "ditos.\nEn un centro.\n\nSalidas:\n* M\xe9"
                            "dico\n"
                            "<<  2 Odontolog\xed"
                            "a\nOdontolog\xed"
                            "a\n===========\nEl medicamento.\n\n"
                            "Rama: Salud.\n5 cursos, 300 cr\xe9"
                            "ditos.\nEn un centro.\n<<\n"));
    }

    void degreeTextsRefuseMissingBlocksKeyMarksAndLabels()
    {
        SourceSet set = degreeSources();
        const auto compile = [&] {
            compileDegreeTexts(set, compileSampleDegrees(set), compileProfessions(set), kTexts);
        };
        set.files[QStringLiteral("degree-texts.txt")] = "#fields: degree | text\nmedicina | La salud.\n";
        QCOMPARE(refusal(compile),
                 QStringLiteral("content/degree-texts.txt: degree 2 (Odontología) has no text"));
        set.files[QStringLiteral("degree-texts.txt")] =
            "#fields: degree | text\nmedicina | a << b\nfarmacia | x\n";
        QCOMPARE(refusal(compile),
                 QStringLiteral("content/degree-texts.txt:2: field 'text': \"<<\" would start a new block"));
        set = degreeSources();
        set.files[QStringLiteral("degree-text-labels.txt")].replace("outlets | Salidas:\n", "");
        QCOMPARE(refusal(compile),
                 QStringLiteral("content/degree-text-labels.txt: the label 'outlets' is missing"));
        set = degreeSources();
        set.files[QStringLiteral("degree-text-labels.txt")].replace("Rama: %1.", QByteArray(70, 'x') + " %1");
        QCOMPARE(refusal(compile),
                 QStringLiteral("content/degree-text-labels.txt:2: with \"Salud\" the line is "
                                "76 characters long; at most 75 fit"));
    }

    void pdfCrossReferencesPointAtTheirObjects()
    {
        PdfDocument pdf;
        pdf.addLine("Ponderaci\xf3n (0,2)", PdfDocument::Style::Title);
        for (int k = 0; k < 60; ++k)
            pdf.addLine("l\xednea " + QByteArray::number(k));
        const QByteArray bytes = pdf.bytes();
        QVERIFY(bytes.startsWith("%PDF-1.4\n"));
        QVERIFY(bytes.contains("(Ponderaci\xf3n \\(0,2\\)) Tj"));
        QVERIFY(bytes.contains("/Count 2 >>")); // 60 lines do not fit one page

        const qsizetype start = bytes.lastIndexOf("startxref\n") + 10;
        const qsizetype xref = bytes.mid(start, bytes.indexOf('\n', start) - start).toLongLong();
        QVERIFY(bytes.mid(xref).startsWith("xref\n0 9\n"));
        const QList<QByteArray> entries = bytes.mid(xref).split('\n').mid(3, 8);
        for (int object = 1; object <= 8; ++object) {
            const qsizetype offset = entries[object - 1].left(10).toLongLong();
            QVERIFY2(bytes.mid(offset).startsWith(QByteArray::number(object) + " 0 obj\n"),
                     qPrintable(QStringLiteral("object %1").arg(object)));
        }
        const QRegularExpression length(QStringLiteral("/Length (\\d+) >>\nstream\n"));
        const QRegularExpressionMatch match = length.match(QString::fromLatin1(bytes));
        QVERIFY(match.hasMatch());
        const qsizetype streamStart = match.capturedEnd();
        QVERIFY(bytes.mid(streamStart + match.captured(1).toLongLong()).startsWith("endstream"));
    }

    void weightingDocumentsAreNamedAndChecked()
    {
        SourceSet set;
        set.files.insert(
            QStringLiteral("sports-centres.txt"),
            "#fields: region | town | centre | studies\nAragón | Benasque | Escuela | Montaña\n");
        set.files.insert(
            QStringLiteral("weighting-documents.txt"),
            "#fields: key | file | title | universities\nmad | Ponderaciones_Madrid | Madrid | UCM\n");
        set.files.insert(QStringLiteral("weightings.txt"),
                         "#fields: document | subject | arts | sciences | social | health | engineering\n"
                         "mad | Física | ~ | 0,2 | ~ | 0,2 | 0,2\n");
        const Installation documents = compileDocuments(set);
        QCOMPARE(documents.keys(),
                 (QStringList{QStringLiteral("pdf/DeportesCentros.pdf"),
                              QStringLiteral("pdf/Ponderaciones_Madrid.pdf")}));
        QVERIFY(documents.value(QStringLiteral("pdf/Ponderaciones_Madrid.pdf")).contains("(F\xedsica) Tj"));

        SourceSet badWeight = set;
        badWeight.files[QStringLiteral("weightings.txt")].replace("0,2 | 0,2\n", "0,2 | 0,3\n");
        QCOMPARE(
            refusal([&] { compileDocuments(badWeight); }),
            QStringLiteral(
                "content/weightings.txt:2: field 'engineering': \"0,3\" is not a weight 0,1 or 0,2, nor ~"));
        SourceSet badName = set;
        badName.files[QStringLiteral("weighting-documents.txt")].replace("Ponderaciones_Madrid",
                                                                         "Pond Madrid");
        QCOMPARE(refusal([&] { compileDocuments(badName); }),
                 QStringLiteral("content/weighting-documents.txt:2: field 'file': \"Pond Madrid\" must be "
                                "letters, digits, \"_\" or \"-\""));
    }
};

QTEST_GUILESS_MAIN(TestUniversityBuild)
#include "tst_university_build.moc"

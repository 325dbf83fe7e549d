// The subject boxes and printed sheets on the sample installation: every
// box that shows a list has lines, and every sheet prints subjects,
// information and the studies a route leads to.

#include "data/eso_tables.h"
#include "eso/modality_sheets.h"
#include "eso/subject_lists.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/loaders.h"
#include "data/record_files.h"
#include "data/text_ids.h"

#include <QDir>
#include <QtTest>

using namespace velmira;

class TestEsoSampleLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(QStringLiteral(VELMIRA_SAMPLE_DIR)));
        allocateGlobalTables();
        LoadInterfaceTexts("textos", interfaceTextTable());
        AssignInterfaceTexts();
        EsoData &eso = esoData();
        LoadPaddedLines("materias", eso.materias, kWidthA);
        LoadPaddedLines("informa", content().informa, kWidthA);
        LoadPaddedLines("fps", eso.fps, kWidthEsoQuestions);
        LoadPaddedLines("carreran", content().carreran, kWidthA);
        LoadDegreeRows("datgrados", content().datgrados);
        QVERIFY(eso.materias.count() > 0 && content().informa.count() > 0 && eso.fps.count() > 0);
    }

    void everyListBoxHasLines()
    {
        const SubjectListSources sources = loadedListSources();
        for (int box = 0; box < kSubjectBoxes; ++box) {
            const SubjectBoxContent c = subjectBoxContent(box);
            if (c.action != BoxAction::InformationList && c.action != BoxAction::SubjectList)
                continue;
            const std::vector<QByteArray> lines = subjectListLines(sources, box);
            const size_t heading = QByteArray::number(c.number).size() == 7 ? 2 : 0;
            QVERIFY2(lines.size() > heading, qPrintable(QStringLiteral("box %1").arg(box)));
            QVERIFY2(!lines[heading].trimmed().isEmpty(), qPrintable(QStringLiteral("box %1").arg(box)));
        }
    }

    void everyDegreeLinkListsDegreesAndTitles()
    {
        const SubjectListSources sources = loadedListSources();
        for (int box : {3, 7, 8, 13, 14, 20}) {
            const std::vector<QByteArray> lines = moreInformationLines(sources, box);
            const auto titles =
                std::find(lines.begin(), lines.end(), interfaceText(kHigherGradeTitlesListHeading));
            QVERIFY(titles != lines.end());
            QVERIFY2(lines.end() - titles > 2, qPrintable(QStringLiteral("box %1 has no titles").arg(box)));
            QVERIFY2(titles - lines.begin() > 10,
                     qPrintable(QStringLiteral("box %1 has no degrees").arg(box)));
        }
    }

    void everySheetFitsThePrintBuffer()
    {
        const SubjectListSources sources = loadedListSources();
        for (int sheet : {1, 3, 4, 5, 6, 7, 8}) {
            const std::vector<QByteArray> lines = modalitySheetLines(sources, sheet);
            // Beyond its head and separators: subjects and studies, or the two codes.
            const size_t least = sheet == 7 ? 10 : 40;
            QVERIFY2(lines.size() > least, qPrintable(QStringLiteral("sheet %1").arg(sheet)));
            QCOMPARE(fillSheetPrintBuffer(work().print1, lines), int(lines.size()));
        }
    }
};

QTEST_GUILESS_MAIN(TestEsoSampleLists)
#include "tst_eso_sample_lists.moc"

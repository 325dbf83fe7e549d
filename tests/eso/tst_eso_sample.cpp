// The ESO questionnaire scored end to end on the sample installation: its
// tables loaded as the ESO and university windows load them, every question
// answered, and the result list, details and saved text built from them.

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/eso_tables.h"
#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/loaders.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "eso/eso_questions.h"
#include "eso/eso_results.h"
#include "eso/eso_scoring.h"

#include <QDir>
#include <QtTest>

using namespace velmira;

namespace {

// Clicks every shown question until it holds its first or its last option.
void answerAll(EsoQuestionnaire &q, bool highest)
{
    for (int r = 1; r <= q.shownCount; ++r) {
        const AnswerScale *scale = answerScale(q.sheet.scale(r));
        const int wanted = highest && scale ? static_cast<int>(scale->labels.size()) : 1;
        for (int click = 0; click < 5 && q.sheet.answer(r) != wanted; ++click)
            q.sheet.advance(r);
    }
}

} // namespace

class TestEsoSample : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tablesArePrepared();
    void highestAnswersPassAndNeedNoAdvice();
    void lowestAnswersRankInGroupOrderWithAllAdvice();
    void shortQuestionnaireContinued();

private:
    EsoQuestionnaire fullQuestionnaire(bool highest) const;
    int questionCount() const { return esoData().cuestion.count(); }
};

void TestEsoSample::initTestCase()
{
    QVERIFY(QDir::setCurrent(QStringLiteral(VELMIRA_SAMPLE_DIR)));
    resetFoundationState();
    allocateGlobalTables();
    LoadInterfaceTexts(localName("textos"), interfaceTextTable());
    AssignInterfaceTexts();
    loadUniversityData();
    loadEsoData();
    QVERIFY(questionCount() > kEsoShortLength);
}

EsoQuestionnaire TestEsoSample::fullQuestionnaire(bool highest) const
{
    EsoQuestionnaire q;
    q.beginFull(questionCount());
    q.fillRows(esoData().cuestion, q.startGrid(questionCount()));
    answerAll(q, highest);
    return q;
}

void TestEsoSample::tablesArePrepared()
{
    const EsoData &e = esoData();
    QCOMPARE(e.itinerar.count(), kItinerarLinesKept);
    QCOMPARE(e.modalityText(21).trimmed(), QByteArray("RESULTADO DEL CUESTIONARIO DE ESO"));
    QCOMPARE(e.itinerarLine(30).trimmed(), QByteArray("ESTUDIOS QUE MEJOR SE AJUSTAN A TI"));
    QVERIFY(e.resultTexts.count() >= 23);

    const ContentTables &t = content();
    const int titles = t.fp2Titles.count();
    QVERIFY(e.middleTitlesBeforeMark < titles);
    QVERIFY(t.fp2Titles.at(e.middleTitlesBeforeMark + 1).startsWith('|'));
    for (int k = 1; k <= e.middleTitlesBeforeMark; ++k)
        QVERIFY(!t.fp2Titles.at(k).startsWith('|'));
    QCOMPARE(t.fp2TitleLines[titles], t.fp2.count() + 1);
}

void TestEsoSample::highestAnswersPassAndNeedNoAdvice()
{
    const EsoQuestionnaire q = fullQuestionnaire(true);
    const FullResult result = scoreFullQuestionnaire(q, content().datgrub.third, esoData());
    QCOMPARE(formatTenths(result.mark), QByteArray("10.0"));
    std::vector<bool> seen(kItineraryGroups + 1, false);
    for (size_t rank = 0; rank < result.byAll.size(); ++rank) {
        const RankedGroup &r = result.byAll[rank];
        QVERIFY(r.ratio >= 6.0 && r.ratio <= 10.0);
        QVERIFY(!seen[r.group]);
        seen[r.group] = true;
        if (rank > 0)
            QVERIFY(result.byAll[rank - 1].ratio >= r.ratio);
    }
    QCOMPARE(result.adviceLines, (std::vector<int>{48, 49}));
    QCOMPARE(result.recommendation.first, groupModality(result.byAll.front().group, esoData()));

    const EsoResultList list = fullResultList(result, esoData());
    QCOMPARE(list.count(), kMinimumFullResultLines);
    QCOMPARE(list.line(4), interfaceText(142));
    QVERIFY(list.line(1).startsWith("       RESULTADO DEL CUESTIONARIO DE ESO"));
    QCOMPARE(list.line(31), esoData().itinerarLine(48));

    const int group = detailsGroupAt(list, 17);
    QCOMPARE(group, result.byAll.front().group);
    const auto details = itineraryDetails(group, esoData(), content());
    QCOMPARE(details.front(), trimTrailingBlanks("   " + esoData().itinerarLine(group)));
    QVERIFY(details.size() > 3);

    const QByteArray name = studentHeading("Marta", q.course, StudentNameUse::Saving);
    const EsoPrintJob job = fillResultPrint(work().print1, name, list);
    QCOMPARE(job.lastLine, kMinimumFullResultLines + 1);
    QCOMPARE(work().print1.at(job.lastLine), list.line(list.count()));
    QVERIFY(savedResultText(name, list).startsWith(name + "\n\n"));
}

void TestEsoSample::lowestAnswersRankInGroupOrderWithAllAdvice()
{
    const EsoQuestionnaire q = fullQuestionnaire(false);
    const FullResult result = scoreFullQuestionnaire(q, content().datgrub.third, esoData());
    QCOMPARE(result.mark, 0.0);
    for (int rank = 0; rank < kItineraryGroups; ++rank)
        QCOMPARE(result.byAll[rank].group, rank + 1);
    QCOMPARE(result.recommendation.firstGroup, 1);
    QVERIFY(result.recommendation.second.isEmpty());
    QCOMPARE(result.recommendation.first.trimmed(),
             QByteArray("Ciencias y Tecnolog\xed"
                        "a o Ciencias de la Salud"));
    const EsoResultList list = fullResultList(result, esoData());
    QCOMPARE(list.count(), kMinimumFullResultLines - 2 + 13);
    QCOMPARE(list.line(4), interfaceText(146));
    QCOMPARE(list.line(6), interfaceText(kMarkLabel) + "  0.0");
}

void TestEsoSample::shortQuestionnaireContinued()
{
    EsoQuestionnaire q;
    q.beginShort();
    q.fillRows(esoData().cuestion, q.startGrid(questionCount()));
    answerAll(q, true);
    const ShortResult shortResult = scoreShortQuestionnaire(q, content().datgrub.third);
    QCOMPARE(shortResult.advice.band, MarkBand::Good);
    QVERIFY(q.pass);
    const EsoResultList shortList = shortResultList(shortResult, esoData());
    QCOMPARE(shortList.line(13), interfaceText(201));

    q.continueAfterPass(questionCount());
    q.fillRows(esoData().cuestion, q.startGrid(questionCount()));
    const FullResult full = scoreFullQuestionnaire(q, content().datgrub.third, esoData());
    QCOMPARE(formatTenths(full.mark), QByteArray("10.0"));
    // The interest questions after 35 are all unanswered now.
    for (const RankedGroup &r : full.byInterest)
        QCOMPARE(r.ratio, 0.0);
}

QTEST_GUILESS_MAIN(TestEsoSample)
#include "tst_eso_sample.moc"

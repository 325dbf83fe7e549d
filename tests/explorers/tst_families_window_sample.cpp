// The families catalogue on the sample installation, driven as a pupil
// would: through door 2 to a family, its five lists, the details of an entry
// put away with the close button, with a click beside them and with Escape,
// family "5" and its related titles, the family's catalogue printed to a PDF
// and read back, and the way back to the main menu. The families clicked are
// chosen from the content, so that other sample data still finds a road.

#include "support/controls.h"
#include "support/dialog_answerer.h"
#include "support/list_lines.h"
#include "support/started_installation.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "explorers/families_window.h"
#include "explorers/family_catalogue.h"
#include "shell/main_menu_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace velmira;
using testsupport::clickRow;
using testsupport::control;
using testsupport::PdfPrint;
using testsupport::shown;

namespace {

constexpr const char *kLists[kCatalogueLists] = {"ListCat1", "ListCat2", "ListCat3", "ListCat4", "ListCat5"};

QListWidget *listOf(const char *name) { return control<QListWidget>(FormCat, name); }
QPushButton *buttonOf(const char *name) { return control<QPushButton>(FormCat, name); }

int listsWithEntries(const FamilyCatalogue &catalogue)
{
    int lists = 0;
    for (const CatalogueRows &rows : catalogue)
        lists += rows.empty() ? 0 : 1;
    return lists;
}

// The row of the family list whose family has the most lists with entries
// (a whole catalogue), and the row of the family with the fewest.
int familyRowWith(bool most)
{
    const std::vector<int> families = catalogueFamilyLines();
    int best = -1;
    int bestLists = most ? -1 : kCatalogueLists + 1;
    for (size_t row = 0; row < families.size(); ++row) {
        const int lists = listsWithEntries(familyCatalogue(families[row]));
        if (most ? lists > bestLists : lists < bestLists) {
            best = int(row);
            bestLists = lists;
        }
    }
    return best;
}

int familyRowOfCode(char code)
{
    const std::vector<int> families = catalogueFamilyLines();
    for (size_t row = 0; row < families.size(); ++row)
        if (content().familias.at(families[row]).startsWith(code))
            return int(row);
    return -1;
}

} // namespace

class FamiliesWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

    void openFromDoor()
    {
        auto *door = control<QLabel>(form0, "LabelCat");
        QCOMPARE(door->text(), uiText(kCatalogueDoorCaption));
        QVERIFY(m_program->openDoor("LabelCat", FormCat));
        QVERIFY(!form0->isVisible());
    }

    // Chooses the family of the row and checks its five lists.
    FamilyCatalogue chooseFamily(int row)
    {
        QListWidget *families = listOf("ListFam");
        clickRow(families, row);
        const FamilyCatalogue catalogue = familyCatalogue(catalogueFamilyLines().at(row));
        for (int k = 0; k < kCatalogueLists; ++k) {
            QListWidget *list = listOf(kLists[k]);
            if (list->count() != int(catalogue[k].size()))
                return {};
            for (size_t r = 0; r < catalogue[k].size(); ++r)
                if (list->item(int(r))->text() != shown(catalogue[k][r].text))
                    return {};
        }
        return catalogue;
    }

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        openFromDoor();
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void theGuideSlidesInAndEveryFamilyIsListed()
    {
        auto *guide = control<QLabel>(FormCat, "LabelAyu0");
        QCOMPARE(guide->text(),
                 uiText(families_text::kGuideFirst) + ' ' + uiText(families_text::kGuideSecond));
        QTRY_COMPARE(guide->x(), 100);
        QListWidget *families = listOf("ListFam");
        const std::vector<int> lines = catalogueFamilyLines();
        QCOMPARE(families->count(), int(lines.size()));
        QCOMPARE(families->item(0)->text(), shown(catalogueFamilyName(lines.front())));
        QVERIFY(!families->item(0)->icon().isNull());
        QVERIFY(!buttonOf("BotImprimir")->isVisible());
    }

    void aFamilyShowsItsFiveListsAndTheDetailsOfAnEntry()
    {
        const int row = familyRowWith(true);
        const FamilyCatalogue catalogue = chooseFamily(row);
        QCOMPARE(listsWithEntries(catalogue), kCatalogueLists);

        // A degree's details stand just below the degrees.
        QListWidget *degrees = listOf("ListCat1");
        clickRow(degrees, 0);
        QListWidget *details = listOf("Listsel");
        QPushButton *close = buttonOf("botcerrar");
        QVERIFY(details->isVisible() && close->isVisible());
        QCOMPARE(details->y(), degrees->geometry().bottom() + 1);
        QCOMPARE(close->y(), details->geometry().bottom() + 1);
        QCOMPARE(details->item(0)->text(), uiText(families_text::kRequirements));
        QCOMPARE(details->count(), 6);
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!details->isVisible() && !close->isVisible());

        // A certificate's: its requirements, hours and description; a click
        // beside them puts them away.
        const CatalogueRow &certificate = catalogue[CertificatesList].front();
        clickRow(listOf("ListCat5"), 0);
        QVERIFY(details->isVisible());
        QCOMPARE(details->item(0)->text(), uiText(families_text::kEntryRequirements));
        QCOMPARE(details->item(details->count() - 1)->text(),
                 shown(content().certificah.at(certificate.line).mid(7)));
        QTest::mouseClick(FormCat, Qt::LeftButton, {}, QPoint(330, 740));
        QVERIFY(!details->isVisible());

        // A programme's, from the keyboard, put away with Escape.
        QListWidget *programmes = listOf("ListCat4");
        programmes->setFocus();
        programmes->setCurrentRow(0);
        QTest::keyClick(programmes, Qt::Key_Return);
        QVERIFY(details->isVisible());
        QCOMPARE(details->item(0)->text(), uiText(families_text::kModules));
        QTest::keyClick(FormCat->focusWidget(), Qt::Key_Escape);
        QVERIFY(!details->isVisible() && FormCat->isVisible());
        QCOMPARE(FormCat->focusWidget(), programmes);
    }

    void familyFiveListsTheRelatedTitles()
    {
        const int row = familyRowOfCode('5');
        QVERIFY(row >= 0);
        const FamilyCatalogue catalogue = chooseFamily(row);
        QVERIFY(!catalogue[HigherTitlesList].empty());
        QListWidget *higher = listOf("ListCat2");
        QListWidget *middle = listOf("ListCat3");
        QCOMPARE(higher->item(higher->count() - 1)->text(), uiText(families_text::kRelatedHigherTitles));
        QCOMPARE(middle->item(middle->count() - 1)->text(), uiText(families_text::kRelatedMiddleTitles));
        // Their titles show what they ask for, without job positions.
        clickRow(higher, 0);
        QListWidget *details = listOf("Listsel");
        QCOMPARE(details->item(0)->text(), uiText(families_text::kRequirements));
        for (int r = 0; r < details->count(); ++r)
            QVERIFY(details->item(r)->text() != uiText(families_text::kJobPositions));
        QTest::mouseClick(buttonOf("botcerrar"), Qt::LeftButton);
    }

    void theCatalogueOfAFamilyPrintsASectionPerListWithEntries()
    {
        const int row = familyRowWith(false);
        const FamilyCatalogue catalogue = chooseFamily(row);
        QVERIFY(listsWithEntries(catalogue) < kCatalogueLists);
        const QByteArray family = catalogueFamilyName(catalogueFamilyLines().at(row));
        PdfPrint print;
        QTest::mouseClick(buttonOf("BotImprimir"), Qt::LeftButton);
        QTRY_VERIFY(print.written());
        QCOMPARE(print.answerer.printQuestionsAnswered, 1);
        const QString text = print.text();
        const QString title = uiText(kCatalogueDoorCaption) + ": " + shown(family);
        QVERIFY2(text.contains(title.left(40)), qPrintable(text));
        QString entries;
        for (const CatalogueRows &rows : catalogue)
            for (const CatalogueRow &entry : rows)
                entries += shown(entry.text) + ' ';
        for (int k = 0; k < kCatalogueLists; ++k) {
            const QString caption = displayText(catalogueListCaption(CatalogueList(k)));
            if (!catalogue[k].empty()) {
                QVERIFY2(text.contains(caption), qPrintable(caption));
                QVERIFY(text.contains(("-" + shown(catalogue[k].front().text)).left(40)));
            } else if (!entries.contains(caption) && !title.contains(caption)) {
                QVERIFY2(!text.contains(caption), qPrintable(caption));
            }
        }
    }

    void closeAndEscapeGoBackToTheMainMenu()
    {
        QTest::mouseClick(buttonOf("BotRetroceder"), Qt::LeftButton);
        QVERIFY(!FormCat->isVisible() && form0->isVisible());
        openFromDoor();
        QTest::keyClick(FormCat, Qt::Key_Escape);
        QVERIFY(!FormCat->isVisible() && form0->isVisible());
    }
};

QTEST_MAIN(FamiliesWindowTest)
#include "tst_families_window_sample.moc"

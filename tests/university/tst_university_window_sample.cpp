// The university window on the sample installation, driven as a pupil
// would from the main menu's first door: the catalogue by branches and the
// centres of a degree; universities by place, from a region on the map to a
// centre and back to one of its degrees in the catalogue; and the web links,
// run through a stand-in browser.

#include "support/controls.h"
#include "support/dialog_answerer.h"
#include "support/list_lines.h"
#include "support/map_clicks.h"
#include "support/started_installation.h"

#include "data/command_runner.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/map_geometry.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "university/artistic_studies.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/degree_details.h"
#include "university/place_lists.h"
#include "university/university_window.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace velmira;
using testsupport::clickItem;
using testsupport::clickMapAt;
using testsupport::clickRow;
using testsupport::control;
using testsupport::displayed;
using testsupport::shownLines;

namespace {

// A point of the map picture inside region r.
QPoint pointOfRegion(int region)
{
    for (int y = 0; y < 196; y += 2)
        for (int x = 0; x < 281; x += 2)
            if (hoveredRegion(x, y, 0) == region)
                return {x, y};
    return {-1, -1};
}

// The information entry opens its menu beside it when the pointer comes on it.
void openInformationMenu()
{
    QTest::mouseMove(control<QPushButton>(Form1, "Botinfo"));
    QTRY_VERIFY(control<QWidget>(Form1, "Panelmenu2")->isVisible());
}

int firstRegionWithCentres()
{
    for (int r = 1; r <= 17; ++r)
        if (centresOfRegion(r).numbers.front() != 0)
            return r;
    return 0;
}

// A stand-in browser: writes each argument it gets on a line of its own.
class FakeBrowser
{
public:
    FakeBrowser()
    {
        m_script = m_dir.filePath(QStringLiteral("browser"));
        QFile script(m_script);
        script.open(QIODevice::WriteOnly);
        script.write(
            "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/args\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("BROWSER", m_script.toLocal8Bit());
    }
    ~FakeBrowser() { qunsetenv("BROWSER"); }
    QString argumentsFile() const { return m_dir.filePath(QStringLiteral("args")); }
    QStringList arguments() const
    {
        QFile file(argumentsFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_script;
};

} // namespace

class UniversityWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QVERIFY(m_program->openDoor("LabelCarreras", Form1));
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void catalogueByBranchesListsTheCentresOfADegree()
    {
        QTest::mouseClick(control<QPushButton>(Form1, "menunuevo1"), Qt::LeftButton);
        auto *tree = control<QTreeWidget>(Form1, "Tree");
        auto *arrangements = control<QComboBox>(Form1, "ComboAgru");
        auto *list = control<QListWidget>(Form1, "ListSel");
        auto *title = control<QLabel>(Form1, "PanelSelTit");
        QVERIFY(tree->isVisible());
        // Another arrangement, then back to the branches from the keyboard.
        QTest::keyClick(arrangements, Qt::Key_Down);
        QCOMPARE(arrangements->currentIndex(), 1);
        QTest::keyClick(arrangements, Qt::Key_Up);
        QCOMPARE(arrangements->currentIndex(), 0);
        QCOMPARE(tree->topLevelItemCount(), 5);
        QCOMPARE(tree->topLevelItem(1)->text(0), displayText(trimTrailingBlanks(interfaceText(516))));

        // The second branch, opened from the keyboard.
        QTreeWidgetItem *heading = tree->topLevelItem(1);
        clickItem(tree, heading);
        QTest::keyClick(tree, Qt::Key_Right);
        QVERIFY(heading->isExpanded());
        QTreeWidgetItem *degreeItem = heading->child(0);
        clickItem(tree, degreeItem);
        const int degree = Form1->currentDegree();
        QVERIFY(degree > 0);
        QCOMPARE(degreeField(degree, DegreeField::Branch), 2);
        QCOMPARE(title->text(), displayText(degreeName(degree).trimmed()));
        QVERIFY(control<QPushButton>(Form1, "BotUni")->isVisible()
                && control<QPushButton>(Form1, "BotCorte")->isVisible());
        const QStringList lines = shownLines(list);
        QCOMPARE(lines, displayed(centreListOfDegree(degree).lines));
        QVERIFY(lines.size() > 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("-                 ")));
        QVERIFY(lines[2].startsWith(QStringLiteral("- ")));

        // A heading clears the list and the title and hides the details.
        clickItem(tree, heading);
        QCOMPARE(list->count(), 0);
        QVERIFY(title->text().isEmpty());
        QVERIFY(!control<QPushButton>(Form1, "BotUni")->isVisible());

        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
        QVERIFY(!control<QWidget>(Form1, "PanelSel")->isVisible()
                && !control<QWidget>(Form1, "PanelCarSel")->isVisible());
    }

    // A degree chosen from the keyboard; its requirements in the list, its
    // information text over it, and its centres again.
    void aDegreesRequirementsAndInformationText()
    {
        QTest::mouseClick(control<QPushButton>(Form1, "menunuevo1"), Qt::LeftButton);
        auto *tree = control<QTreeWidget>(Form1, "Tree");
        auto *list = control<QListWidget>(Form1, "ListSel");
        auto *text = control<QPlainTextEdit>(Form1, "Richedit1");
        auto *requirements = control<QPushButton>(Form1, "botReq");
        tree->expandItem(tree->topLevelItem(1));
        QTreeWidgetItem *degreeItem = tree->topLevelItem(1)->child(0);
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Home);
        for (int down = 0; tree->currentItem() != degreeItem && down < 100; ++down)
            QTest::keyClick(tree, Qt::Key_Down);
        QVERIFY(!requirements->isVisible());
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(requirements->isVisible());
        const int degree = Form1->currentDegree();
        QCOMPARE(shownLines(list), displayed(centreListOfDegree(degree).lines));

        QTest::mouseClick(requirements, Qt::LeftButton);
        QCOMPARE(shownLines(list), displayed(requirementsLines(degree)));
        QVERIFY(!text->isVisible());

        QTest::mouseClick(control<QPushButton>(Form1, "BotSal"), Qt::LeftButton);
        QVERIFY(text->isVisible());
        const std::vector<QByteArray> information = informationText(degree);
        QVERIFY(information.size() > 1 && information.size() < 100);
        QCOMPARE(text->toPlainText(), displayed(information).join(QLatin1Char('\n')));

        QTest::mouseClick(control<QPushButton>(Form1, "BotUni"), Qt::LeftButton);
        QVERIFY(!text->isVisible());
        QCOMPARE(shownLines(list), displayed(centreListOfDegree(degree).lines));
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
    }

    // The masters text with the link to the postgraduate guide; back to the menu.
    void mastersShowTheirTextAndLink()
    {
        FakeBrowser browser;
        auto *text = control<QPlainTextEdit>(Form1, "Richedit1");
        QTest::mouseClick(control<QPushButton>(Form1, "BotMaster"), Qt::LeftButton);
        QVERIFY(!control<QWidget>(Form1, "PanelMenu")->isVisible());
        QVERIFY(text->isVisible());
        QCOMPARE(text->toPlainText(), displayed(mastersText()).join(QLatin1Char('\n')));
        QVERIFY(text->toPlainText().size() > 100);
        QCOMPARE(control<QLabel>(Form1, "PanelSelTit")->text(),
                 displayText(interfaceText(kMastersCaption).trimmed()));
        auto *link = control<QLabel>(Form1, "LabelMaster2");
        QVERIFY(control<QLabel>(Form1, "LabelMaster")->isVisible() && link->isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
        QTRY_COMPARE(browser.arguments(), QStringList{link->text()});
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
        QVERIFY(!link->isVisible() && !text->isVisible());
    }

    void fromARegionToACentreToADegree()
    {
        auto *map = control<QLabel>(Form1, "mapa");
        auto *centreList = control<QListWidget>(Form1, "ListComunidad");
        auto *list = control<QListWidget>(Form1, "ListSel");
        auto *title = control<QLabel>(Form1, "PanelSelTit");
        auto *mapPanel = control<QWidget>(Form1, "PanelEstrellas");
        QTest::mouseClick(control<QPushButton>(Form1, "MenuCarUni3"), Qt::LeftButton);
        QVERIFY(mapPanel->isVisible());
        const int region = firstRegionWithCentres();
        const QPoint onMap = pointOfRegion(region);
        QTest::mouseMove(map, onMap);
        QTRY_VERIFY(control<QLabel>(Form1, "PanelMapa")->isVisible());
        QTest::mouseClick(map, Qt::LeftButton, {}, onMap);
        QCOMPARE(Form1->currentRegion(), region);
        QVERIFY(centreList->isVisible());
        QVERIFY(!mapPanel->isVisible());
        const NumberedLines centres = centresOfRegion(region);
        QCOMPARE(centreList->count(), int(centres.lines.size()));

        clickRow(centreList, 0);
        const NumberedLines degrees = degreeListOfCentre(centres.numbers[0]);
        QCOMPARE(shownLines(list), displayed(degrees.lines));
        QCOMPARE(title->text(), displayText(content().lugar.names.at(centres.numbers[0]).trimmed()));
        QVERIFY(control<QPushButton>(Form1, "BotIntUni")->isVisible());

        const auto line =
            std::find_if(degrees.numbers.begin(), degrees.numbers.end(), [](int d) { return d > 0; });
        QVERIFY(line != degrees.numbers.end());
        const int row = int(line - degrees.numbers.begin());
        // A double click is a press and a release, then the double click.
        const QPoint onLine = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onLine);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onLine);
        QCOMPARE(Form1->currentDegree(), *line);
        QVERIFY(control<QWidget>(Form1, "PanelCarSel")->isVisible());
        QVERIFY(!mapPanel->isVisible() && !centreList->isVisible());
        QCOMPARE(title->text(), displayText(degreeName(*line).trimmed()));
        QCOMPARE(shownLines(list), displayed(centreListOfDegree(*line).lines));
        QTreeWidgetItem *chosen = control<QTreeWidget>(Form1, "Tree")->currentItem();
        QVERIFY(chosen);
        QCOMPARE(chosen->text(0), displayText(trimTrailingBlanks(degreeName(*line))));
        // The catalogue's buttons alone, none over another: the centre's web
        // button and the list's print button went with the centre.
        QVERIFY(!control<QPushButton>(Form1, "BotIntUni")->isVisible());
        QVERIFY(!control<QPushButton>(Form1, "BotImprimir")->isVisible());
        QVERIFY(control<QPushButton>(Form1, "BotImprimirN")->isVisible());
        const QList<QPushButton *> buttons =
            control<QWidget>(Form1, "PanelSel")->findChildren<QPushButton *>();
        for (QPushButton *a : buttons)
            for (QPushButton *b : buttons)
                QVERIFY2(a == b || !a->isVisible() || !b->isVisible()
                             || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + QLatin1Char('/') + b->objectName()));

        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
    }

    // Ceuta and Melilla list the centres of the region they stand for, and
    // the region's web button opens their own page.
    void theIslandsAreasListRegionOneButOpenTheirOwnPage()
    {
        auto *map = control<QLabel>(Form1, "mapa");
        auto *centreList = control<QListWidget>(Form1, "ListComunidad");
        FakeBrowser browser;
        QTest::mouseClick(control<QPushButton>(Form1, "MenuCarUni3"), Qt::LeftButton);
        for (int region : {18, 19}) {
            const QPoint onMap = pointOfRegion(region);
            QVERIFY(onMap.x() >= 0);
            clickMapAt(map, onMap);
            QVERIFY(centreList->isVisible());
            QCOMPARE(shownLines(centreList).size(), int(centresOfRegion(1).lines.size()));
            QCOMPARE(centreList->item(0)->text(),
                     displayText(trimTrailingBlanks(centresOfRegion(1).lines.front())));
            QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
            QTest::mouseClick(control<QPushButton>(Form1, "BotInternetC"), Qt::LeftButton);
            QTRY_COMPARE(
                browser.arguments(),
                QStringList{QString::fromLatin1("http://" + content().comuint.at(region).trimmed())});
            QFile::remove(browser.argumentsFile());
        }
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
    }

    // Each view shows only its own title and help: the places do not keep
    // the last degree's name, and the map's help leaves with the map.
    void viewsDoNotKeepWhatTheLastOneShowed()
    {
        auto *title = control<QLabel>(Form1, "PanelSelTit");
        auto *help = control<QWidget>(Form1, "payuda");
        QTest::mouseClick(control<QPushButton>(Form1, "menunuevo1"), Qt::LeftButton);
        auto *tree = control<QTreeWidget>(Form1, "Tree");
        QTreeWidgetItem *degreeItem = tree->topLevelItem(0)->child(0);
        tree->expandItem(tree->topLevelItem(0));
        clickItem(tree, degreeItem);
        QVERIFY(!title->text().isEmpty());
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(Form1, "MenuCarUni3"), Qt::LeftButton);
        QVERIFY(title->text().isEmpty());
        QCOMPARE(control<QListWidget>(Form1, "ListSel")->count(), 0);
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);

        QTest::mouseClick(control<QPushButton>(Form1, "MenuCarUniDoble2"), Qt::LeftButton);
        QVERIFY(help->isVisible());
        QTRY_COMPARE(control<QLabel>(Form1, "LabelAyu1")->text(), uiText(kChooseRegionHint));
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
        QVERIFY(!help->isVisible());
    }

    // The menu button under the pointer stands out, in the module menu and in
    // the information menu beside it.
    void menuButtonsAreHighlightedUnderThePointer()
    {
        // The usual yellow has hardly any blue; the highlight is a pale green.
        const auto highlighted = [](QPushButton *button) {
            return button->grab().toImage().pixelColor(3, button->height() / 2).blue() > 150;
        };
        auto *catalogue = control<QPushButton>(Form1, "menunuevo1");
        auto *places = control<QPushButton>(Form1, "MenuCarUni3");
        QTest::mouseMove(catalogue);
        QVERIFY(highlighted(catalogue));
        QTest::mouseMove(places);
        QVERIFY(highlighted(places));
        QVERIFY(!highlighted(catalogue));
        openInformationMenu();
        auto *first = control<QPushButton>(Form1, "botinfo1");
        auto *second = control<QPushButton>(Form1, "botinfo2");
        QTest::mouseMove(first);
        QVERIFY(highlighted(first));
        QTest::mouseMove(second);
        QVERIFY(control<QWidget>(Form1, "Panelmenu2")->isVisible());
        QVERIFY(highlighted(second));
        QVERIFY(!highlighted(first));
    }

    // A centre's web address is one argument to the browser, whatever it holds.
    void webLinksReachTheBrowserAsOneArgument()
    {
        auto *map = control<QLabel>(Form1, "mapa");
        auto *centreList = control<QListWidget>(Form1, "ListComunidad");
        FakeBrowser browser;
        QTest::mouseClick(control<QPushButton>(Form1, "MenuCarUni3"), Qt::LeftButton);
        const int region = firstRegionWithCentres();
        const QPoint onMap = pointOfRegion(region);
        clickMapAt(map, onMap);
        const int centre = centresOfRegion(region).numbers[0];
        QVERIFY(centre > 0);
        const QByteArray hostile = "ejemplo.es/a;touch pwned;$(touch pwned2) `touch pwned3` 'q'";
        content().lugar.second.set(centre, hostile);
        clickRow(centreList, 0);
        QTest::mouseClick(control<QPushButton>(Form1, "BotIntUni"), Qt::LeftButton);
        QTRY_COMPARE(browser.arguments(), QStringList{QString::fromLatin1("http://www." + hostile)});
        QVERIFY(!QFile::exists(browser.dir() + QStringLiteral("/pwned")));
        QVERIFY(!QFile::exists(QStringLiteral("pwned")) && !QFile::exists(QStringLiteral("pwned2"))
                && !QFile::exists(QStringLiteral("pwned3")));
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
    }

    // A browser that fails makes the window ask for another one, which the
    // next link then uses.
    void aFailingBrowserAsksForAnother()
    {
        qputenv("BROWSER", "false");
        int asked = 0;
        QTimer answerer;
        answerer.setInterval(20);
        connect(&answerer, &QTimer::timeout, this, [&asked] {
            if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                ++asked;
                QCOMPARE(box->windowTitle(), QStringLiteral("Navegador Web incorrecto"));
                QCOMPARE(box->textValue(), QStringLiteral("firefox"));
                box->setTextValue(QStringLiteral("Konqueror"));
                box->accept();
            }
        });
        answerer.start();
        openInformationMenu();
        QTest::mouseClick(control<QPushButton>(Form1, "botinfo2"), Qt::LeftButton);
        QTRY_COMPARE(asked, 1);
        QCOMPARE(browserDefault(), QByteArray("konqueror"));
        qunsetenv("BROWSER");
    }

    // The sports line opens its document in the viewer; without a viewer the
    // pupil is told where the documents are. Its entry then lists its lines.
    void otherStudiesOpenTheSportsDocument()
    {
        auto *studies = control<QListWidget>(Form1, "ListComunidad");
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        const QString viewer = bin.filePath(QStringLiteral("run-mailcap"));
        QFile script(viewer);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"${0%/*}/opened\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", bin.path().toLocal8Bit());

        QTest::mouseClick(control<QPushButton>(Form1, "menui6"), Qt::LeftButton);
        QCOMPARE(shownLines(studies), displayed([] {
                     std::vector<QByteArray> trimmed;
                     for (const QByteArray &line : otherStudies())
                         trimmed.push_back(trimTrailingBlanks(line));
                     return trimmed;
                 }()));
        clickRow(studies, 2);
        QFile opened(bin.filePath(QStringLiteral("opened")));
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll(), programDirectory() + "pdf/DeportesCentros.pdf\n");
        QCOMPARE(m_program->messages(), QStringList());
        QCOMPARE(control<QListWidget>(Form1, "ListSel")->count(), int(otherStudyLines(3).size()));

        QFile::remove(viewer);
        clickRow(studies, 2);
        qputenv("PATH", path);
        QCOMPARE(m_program->messages(),
                 QStringList{QStringLiteral(
                     "¡Lo siento! No puedo abrir el PDF. Los encontrarás en la carpeta \"PDF\"")});
        m_program->clearMessages();
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
        QVERIFY(!studies->isVisible());
    }

    void presentationShowsItsStepsAndEnds()
    {
        auto *steps = control<QTimer>(Form1, "Timergrado");
        auto *next = control<QPushButton>(Form1, "BotAvanza");
        auto *presentation = control<QWidget>(Form1, "PanelGradosT");
        Form1->setPresentationTick(0);
        openInformationMenu();
        QTest::mouseClick(control<QPushButton>(Form1, "botinfo1"), Qt::LeftButton);
        QVERIFY(presentation->isVisible());
        QTRY_VERIFY(!steps->isActive());
        QCOMPARE(control<QLabel>(Form1, "LabelGTexto")->text(), uiText(kPresentationSentence0));
        auto *sentence = control<QLabel>(Form1, "LabelGTexto");
        auto *growth = control<QTimer>(Form1, "Timerfrase");
        for (int step = 1; step <= 9; ++step) {
            QTest::mouseClick(next, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!steps->isActive(), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(!growth->isActive(), 10000);
            // The grown sentence shows whole: on one line, or wrapped within its height.
            const QFontMetrics metrics = sentence->fontMetrics();
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, sentence->width(), 1000),
                                     sentence->wordWrap() ? Qt::TextWordWrap : 0, sentence->text());
            QVERIFY2(needed.width() <= sentence->width() && needed.height() <= sentence->height(),
                     qPrintable(sentence->text()));
            QVERIFY(sentence->geometry().right() < presentation->width());
            QVERIFY(sentence->geometry().bottom() < next->y());
        }
        QVERIFY(!next->isEnabled());
        for (const char *cover : {"PanelMueve1", "panelmueve2", "Panelmueve3", "Panelmueve4", "Panelmueve5",
                                  "Panelmueve6", "Panelmueve7"})
            QVERIFY(control<QWidget>(Form1, cover)->width() <= 1);
        QTest::mouseClick(control<QPushButton>(Form1, "BotAcabarG"), Qt::LeftButton);
        QVERIFY(!presentation->isVisible());
        QVERIFY(next->isEnabled());
    }

    // From the artistic entry to plastic arts: a title's schools, a region's
    // schools chosen on the map, the kind printed; back to the menu.
    void artisticStudiesPrintTheSchoolsOfARegion()
    {
        auto *list = control<QListWidget>(Form1, "ListSel");
        auto *titles = control<QListWidget>(Form1, "ListComunidad");
        auto *map = control<QLabel>(Form1, "mapa");
        QTest::mouseMove(control<QPushButton>(Form1, "Menui4"));
        QTRY_VERIFY(control<QWidget>(Form1, "PanelMenu4")->isVisible());
        QTest::mouseClick(control<QPushButton>(Form1, "BotArtesPlas"), Qt::LeftButton);
        const ArtisticStudy study = loadArtisticStudy(ArtisticKind::PlasticArts);
        QCOMPARE(control<QLabel>(Form1, "PanelArtes")->text(), uiText(kPlasticArtsTitle));
        QCOMPARE(shownLines(list), displayed(artisticGeneralText(study)));
        QVERIFY(list->count() > 3);

        QTest::mouseClick(control<QPushButton>(Form1, "BotArtesEsp"), Qt::LeftButton);
        QCOMPARE(shownLines(titles), displayed(plasticArtsTitles(study)));
        clickRow(titles, 1);
        QCOMPARE(shownLines(list), displayed(plasticSchoolsOfTitle(study, 1)));
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("- ")));

        QTest::mouseClick(control<QPushButton>(Form1, "BotArtesLug"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelEstrellas")->isVisible() && !titles->isVisible());
        const QPoint onMap = pointOfRegion(1);
        clickMapAt(map, onMap);
        const std::vector<QByteArray> schools = plasticSchoolsOfRegion(study, 1);
        QVERIFY(schools.size() > 2);
        QCOMPARE(shownLines(list), displayed(schools));

        testsupport::PdfPrint pdf;
        QTest::mouseClick(control<QPushButton>(Form1, "BotImprimirN"), Qt::LeftButton);
        QCOMPARE(pdf.answerer.printQuestionsAnswered, 1);
        QVERIFY(pdf.written());
        const QString printed = pdf.text();
        QVERIFY(printed.contains(uiText(kPlasticArtsTitle).simplified()));
        QVERIFY2(printed.contains(displayText(schools.front()).simplified()), qPrintable(printed));
        QVERIFY(printed.contains(displayText(schools.back()).simplified()));
        // The report stays on screen.
        QCOMPARE(list->item(0)->text(), uiText(kPlasticArtsTitle));

        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
        QVERIFY(!control<QWidget>(Form1, "PanelArtes")->isVisible() && !map->isVisible()
                && !control<QWidget>(Form1, "PanelSel")->isVisible());
    }

    // A music school's address opens in the browser with a double click.
    void musicAddressesOpenInTheBrowser()
    {
        FakeBrowser browser;
        auto *list = control<QListWidget>(Form1, "ListSel");
        QTest::mouseMove(control<QPushButton>(Form1, "Menui4"));
        QTest::mouseClick(control<QPushButton>(Form1, "BotMusica"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(Form1, "BotArtesLug"), Qt::LeftButton);
        QCOMPARE(shownLines(list), displayed(artisticPlaces(loadArtisticStudy(ArtisticKind::Music))));
        const QStringList lines = shownLines(list);
        const qsizetype address = lines.indexOf(QRegularExpression(QStringLiteral("http.*")));
        QVERIFY(address > 0);
        const QPoint onLine = list->visualItemRect(list->item(int(address))).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onLine);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onLine);
        QTRY_COMPARE(browser.arguments(), QStringList{lines[address]});
        QTest::keyClick(Form1, Qt::Key_Escape);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
    }

    // A degree printed from the catalogue: its centres, requirements and
    // information text, read back from the PDF.
    void aDegreeIsPrintedFromTheCatalogue()
    {
        QTest::mouseClick(control<QPushButton>(Form1, "menunuevo1"), Qt::LeftButton);
        auto *tree = control<QTreeWidget>(Form1, "Tree");
        tree->expandItem(tree->topLevelItem(1));
        QTreeWidgetItem *degreeItem = tree->topLevelItem(1)->child(0);
        clickItem(tree, degreeItem);
        const int degree = Form1->currentDegree();
        testsupport::PdfPrint pdf;
        QTest::mouseClick(control<QPushButton>(Form1, "BotImprimirN"), Qt::LeftButton);
        QCOMPARE(pdf.answerer.printQuestionsAnswered, 1);
        const QString printed = pdf.text();
        QVERIFY2(printed.contains(displayText(degreeName(degree).trimmed())), qPrintable(printed));
        QVERIFY(printed.contains(uiText(kRequirementsCaption).simplified()));
        const std::vector<QByteArray> information = informationText(degree);
        QVERIFY(printed.contains(displayText(information.front()).simplified()));
        QCOMPARE(control<QListWidget>(Form1, "ListSel")->item(0)->text(),
                 displayText(trimTrailingBlanks(interfaceText(kUniversityDegreesShort)) + ":  "
                             + degreeName(degree).trimmed()));
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
    }

    // The double degrees of a degree, printed under the report's heading.
    void doubleDegreesOfADegreeArePrinted()
    {
        QTest::mouseClick(control<QPushButton>(Form1, "MenucarUniDoble"), Qt::LeftButton);
        clickRow(control<QListWidget>(Form1, "ListComunidad"), 0);
        auto *print = control<QPushButton>(Form1, "BotImprimir");
        QVERIFY(print->isVisible() && print->isEnabled());
        testsupport::PdfPrint pdf;
        QTest::mouseClick(print, Qt::LeftButton);
        const QString printed = pdf.text();
        const QString degree = displayText(degreesWithDoubles().lines.front()).left(20);
        QVERIFY2(printed.contains(uiText(kDoubleDegreesCaption) + QStringLiteral(" ") + uiText(kDegreeLabel)
                                  + QStringLiteral(": ") + degree),
                 qPrintable(printed));
        QVERIFY(printed.contains(QString(45, QLatin1Char('_'))));
        QTest::mouseClick(control<QPushButton>(Form1, "BotRetroceder"), Qt::LeftButton);
        QVERIFY(control<QWidget>(Form1, "PanelMenu")->isVisible());
    }
};

QTEST_MAIN(UniversityWindowTest)
#include "tst_university_window_sample.moc"

// The university window on the sample installation, driven as a pupil
// would from the main menu's first door: the catalogue by branches and the
// centres of a degree; universities by place, from a region on the map to a
// centre and back to one of its degrees in the catalogue; and the web links,
// run through a stand-in browser.

#include "support/started_installation.h"

#include "data/command_runner.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/place_lists.h"
#include "university/university_window.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace velmira;

namespace {

QStringList shownLines(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

QStringList displayed(const std::vector<QByteArray> &lines)
{
    QStringList shown;
    for (const QByteArray &line : lines)
        shown << displayText(line);
    return shown;
}

void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// A point of the map picture inside region r.
QPoint pointOfRegion(int region)
{
    for (int y = 0; y < 196; y += 2)
        for (int x = 0; x < 281; x += 2)
            if (hoveredRegion(x, y, 0) == region)
                return {x, y};
    return {-1, -1};
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
        m_program->clickDoor("LabelCarreras");
        QTRY_VERIFY_WITH_TIMEOUT(Form1->isVisible(), 5000);
        QVERIFY(Form1->PanelMenu->isVisible());
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void catalogueByBranchesListsTheCentresOfADegree()
    {
        QTest::mouseClick(Form1->menunuevo1, Qt::LeftButton);
        QVERIFY(Form1->Tree->isVisible());
        // Another arrangement, then back to the branches from the keyboard.
        QTest::keyClick(Form1->ComboAgru, Qt::Key_Down);
        QCOMPARE(Form1->ComboAgru->currentIndex(), 1);
        QTest::keyClick(Form1->ComboAgru, Qt::Key_Up);
        QCOMPARE(Form1->ComboAgru->currentIndex(), 0);
        QCOMPARE(Form1->Tree->topLevelItemCount(), 5);
        QCOMPARE(Form1->Tree->topLevelItem(1)->text(0), displayText(trimTrailingBlanks(interfaceText(516))));

        QTreeWidgetItem *heading = Form1->Tree->topLevelItem(1);
        heading->setExpanded(true);
        QTreeWidgetItem *degreeItem = heading->child(0);
        QTest::mouseClick(Form1->Tree->viewport(), Qt::LeftButton, {},
                          Form1->Tree->visualItemRect(degreeItem).center());
        const int degree = Form1->currentDegree();
        QVERIFY(degree > 0);
        QCOMPARE(degreeField(degree, DegreeField::Branch), 2);
        QCOMPARE(Form1->PanelSelTit->text(), displayText(degreeName(degree).trimmed()));
        QVERIFY(Form1->BotUni->isVisible() && Form1->BotCorte->isVisible());
        const QStringList lines = shownLines(Form1->ListSel);
        QCOMPARE(lines, displayed(centreListOfDegree(degree).lines));
        QVERIFY(lines.size() > 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("-                 ")));
        QVERIFY(lines[2].startsWith(QStringLiteral("- ")));

        // A heading clears the list and the title and hides the details.
        QTest::mouseClick(Form1->Tree->viewport(), Qt::LeftButton, {},
                          Form1->Tree->visualItemRect(heading).center());
        QCOMPARE(Form1->ListSel->count(), 0);
        QVERIFY(Form1->PanelSelTit->text().isEmpty());
        QVERIFY(!Form1->BotUni->isVisible());

        QTest::mouseClick(Form1->BotRetroceder, Qt::LeftButton);
        QVERIFY(Form1->PanelMenu->isVisible());
        QVERIFY(!Form1->PanelSel->isVisible() && !Form1->PanelCarSel->isVisible());
    }

    void fromARegionToACentreToADegree()
    {
        QTest::mouseClick(Form1->MenuCarUni3, Qt::LeftButton);
        QVERIFY(Form1->PanelEstrellas->isVisible());
        const int region = firstRegionWithCentres();
        const QPoint onMap = pointOfRegion(region);
        QTest::mouseMove(Form1->mapa, onMap);
        QTRY_VERIFY(Form1->PanelMapa->isVisible());
        QTest::mouseClick(Form1->mapa, Qt::LeftButton, {}, onMap);
        QCOMPARE(Form1->currentRegion(), region);
        QVERIFY(Form1->ListComunidad->isVisible());
        QVERIFY(!Form1->PanelEstrellas->isVisible());
        const NumberedLines centres = centresOfRegion(region);
        QCOMPARE(Form1->ListComunidad->count(), int(centres.lines.size()));

        clickRow(Form1->ListComunidad, 0);
        const NumberedLines degrees = degreeListOfCentre(centres.numbers[0]);
        QCOMPARE(shownLines(Form1->ListSel), displayed(degrees.lines));
        QCOMPARE(Form1->PanelSelTit->text(),
                 displayText(content().lugar.names.at(centres.numbers[0]).trimmed()));
        QVERIFY(Form1->BotIntUni->isVisible());

        const auto line =
            std::find_if(degrees.numbers.begin(), degrees.numbers.end(), [](int d) { return d > 0; });
        QVERIFY(line != degrees.numbers.end());
        const int row = int(line - degrees.numbers.begin());
        // A double click is a press and a release, then the double click.
        const QPoint onLine = Form1->ListSel->visualItemRect(Form1->ListSel->item(row)).center();
        QTest::mouseClick(Form1->ListSel->viewport(), Qt::LeftButton, {}, onLine);
        QTest::mouseDClick(Form1->ListSel->viewport(), Qt::LeftButton, {}, onLine);
        QCOMPARE(Form1->currentDegree(), *line);
        QVERIFY(Form1->PanelCarSel->isVisible());
        QVERIFY(!Form1->PanelEstrellas->isVisible() && !Form1->ListComunidad->isVisible());
        QCOMPARE(Form1->PanelSelTit->text(), displayText(degreeName(*line).trimmed()));
        QCOMPARE(shownLines(Form1->ListSel), displayed(centreListOfDegree(*line).lines));
        QTreeWidgetItem *chosen = Form1->Tree->currentItem();
        QVERIFY(chosen);
        QCOMPARE(chosen->text(0), displayText(trimTrailingBlanks(degreeName(*line))));

        QTest::mouseClick(Form1->BotRetroceder, Qt::LeftButton);
        QVERIFY(Form1->PanelMenu->isVisible());
    }

    // A centre's web address is one argument to the browser, whatever it holds.
    void webLinksReachTheBrowserAsOneArgument()
    {
        FakeBrowser browser;
        QTest::mouseClick(Form1->MenuCarUni3, Qt::LeftButton);
        const int region = firstRegionWithCentres();
        const QPoint onMap = pointOfRegion(region);
        QTest::mouseMove(Form1->mapa, onMap);
        QTest::mouseClick(Form1->mapa, Qt::LeftButton, {}, onMap);
        const int centre = centresOfRegion(region).numbers[0];
        QVERIFY(centre > 0);
        const QByteArray hostile = "ejemplo.es/a;touch pwned;$(touch pwned2) `touch pwned3` 'q'";
        content().lugar.second.set(centre, hostile);
        clickRow(Form1->ListComunidad, 0);
        QTest::mouseClick(Form1->BotIntUni, Qt::LeftButton);
        QTRY_COMPARE(browser.arguments(), QStringList{QString::fromLatin1("http://www." + hostile)});
        QVERIFY(!QFile::exists(browser.dir() + QStringLiteral("/pwned")));
        QVERIFY(!QFile::exists(QStringLiteral("pwned")) && !QFile::exists(QStringLiteral("pwned2"))
                && !QFile::exists(QStringLiteral("pwned3")));
        QTest::mouseClick(Form1->BotRetroceder, Qt::LeftButton);
        QTest::mouseClick(Form1->BotRetroceder, Qt::LeftButton);
        QVERIFY(Form1->PanelMenu->isVisible());
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
        QTest::mouseClick(Form1->Botinfo, Qt::LeftButton);
        Form1->botinfo2Click();
        QTRY_COMPARE(asked, 1);
        QCOMPARE(browserDefault(), QByteArray("konqueror"));
        qunsetenv("BROWSER");
    }

    // The sports line opens its document in the viewer; without a viewer the
    // pupil is told where the documents are. Its entry then lists its lines.
    void otherStudiesOpenTheSportsDocument()
    {
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        const QString viewer = bin.filePath(QStringLiteral("run-mailcap"));
        QFile script(viewer);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"${0%/*}/opened\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", bin.path().toLocal8Bit());

        QTest::mouseClick(Form1->menui6, Qt::LeftButton);
        QCOMPARE(shownLines(Form1->ListComunidad), displayed([] {
                     std::vector<QByteArray> trimmed;
                     for (const QByteArray &line : otherStudies())
                         trimmed.push_back(trimTrailingBlanks(line));
                     return trimmed;
                 }()));
        clickRow(Form1->ListComunidad, 2);
        QFile opened(bin.filePath(QStringLiteral("opened")));
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll(), programDirectory() + "pdf/DeportesCentros.pdf\n");
        QCOMPARE(m_program->messages(), QStringList());
        QCOMPARE(Form1->ListSel->count(), int(otherStudyLines(3).size()));

        QFile::remove(viewer);
        clickRow(Form1->ListComunidad, 2);
        qputenv("PATH", path);
        QCOMPARE(m_program->messages(),
                 QStringList{QStringLiteral(
                     "¡Lo siento! No puedo abrir el PDF. Los encontrarás en la carpeta \"PDF\"")});
        m_program->clearMessages();
        QTest::mouseClick(Form1->BotRetroceder, Qt::LeftButton);
        QVERIFY(Form1->PanelMenu->isVisible());
        QVERIFY(!Form1->ListComunidad->isVisible());
    }

    void presentationShowsItsStepsAndEnds()
    {
        Form1->setPresentationTick(0);
        Form1->botinfo1Click();
        QVERIFY(Form1->PanelGradosT->isVisible());
        QTRY_VERIFY(!Form1->Timergrado->isActive());
        QCOMPARE(Form1->LabelGTexto->text(), uiText(kPresentationSentence0));
        for (int step = 1; step <= 9; ++step) {
            QTest::mouseClick(Form1->BotAvanza, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!Form1->Timergrado->isActive(), 10000);
        }
        QVERIFY(!Form1->BotAvanza->isEnabled());
        for (QWidget *cover : Form1->PanelMueve)
            QVERIFY(cover->width() <= 1);
        QTest::mouseClick(Form1->BotAcabarG, Qt::LeftButton);
        QVERIFY(!Form1->PanelGradosT->isVisible());
        QVERIFY(Form1->BotAvanza->isEnabled());
    }
};

QTEST_MAIN(UniversityWindowTest)
#include "tst_university_window_sample.moc"

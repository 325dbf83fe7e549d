// Every text of the built windows whole, in every interface language and in
// both encodings: each combination starts the program afresh (windows are
// made once per run), opens each window as a pupil does, and measures every
// caption, list line and grid cell against its control. The runs in UTF mode
// name a wider font than "Arial" finds here (a desktop without its metric
// twin falls back to such a font), so that captions keep room to spare.

#include "data/settings.h"
#include "eso/eso_window.h"
#include "explorers/certificates_window.h"
#include "explorers/entrance_panels_window.h"
#include "explorers/families_window.h"
#include "explorers/initial_programmes_window.h"
#include "explorers/middle_grade_window.h"
#include "explorers/star_map_window.h"
#include "professions/professions_window.h"
#include "shell/main_menu_window.h"
#include "support/dialog_answerer.h"
#include "support/map_clicks.h"
#include "support/started_installation.h"
#include "support/text_fits.h"
#include "data/vocational_families.h"
#include "university/higher_grade_titles.h"
#include "university/university_window.h"
#include "widgets/question_window.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTreeWidget>
#include <QProcess>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace velmira;
using testsupport::click;
using testsupport::clickItem;
using testsupport::clickMapAt;
using testsupport::clickRow;
using testsupport::control;
using testsupport::hoverRow;
using testsupport::unfitTexts;

namespace {

const char *const kLanguageVariable = "VELMIRA_TEST_LANGUAGE";
const char *const kEncodingVariable = "VELMIRA_TEST_ENCODING";
const char *const kFontVariable = "VELMIRA_TEST_FONT";

// The middle of the map lies on Madrid.
void clickMiddleOf(QWidget *map) { clickMapAt(map, QPoint(map->width() / 2, map->height() / 2)); }

// Fails with the list of texts that do not fit.
void expectWhole(QWidget *window)
{
    const QStringList unfit = unfitTexts(window);
    QVERIFY2(unfit.isEmpty(),
             qPrintable(QString::fromLatin1(window->metaObject()->className()) + QStringLiteral(": ")
                        + unfit.join(QStringLiteral("\n  "))));
}

// Escape steps back through the window's views to the main menu.
void escapeToMainMenu(QWidget *window)
{
    for (int i = 0; i < 4 && window->isVisible(); ++i)
        QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(form0->isVisible());
}

} // namespace

// One language in one encoding, named by the environment.
class WindowTextsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

    // The panels a degree's details open, and the star map beside them.
    void entrancePanels()
    {
        QVERIFY(Form7->isVisible());
        expectWhole(Form7);
        click(Form1, "BotCorte");
        QTRY_VERIFY(Form6->isVisible());
        expectWhole(Form6);
        click(Form6, "BotEjemplo2");
        expectWhole(Form6);
        click(Form6, "BotCorte2");
        click(Form6, "Buttoncorte6");
        auto *degrees = control<QListWidget>(Form6, "L");
        QVERIFY(degrees->count() > 0);
        clickRow(degrees, 0);
        expectWhole(Form6);
        click(Form6, "BotCerrar3");
        click(Form1, "BotPonde");
        QTRY_VERIFY(Form6->isVisible());
        expectWhole(Form6);
        click(Form6, "Botcerrar4");
    }

private slots:
    void initTestCase()
    {
        const char language = char(qEnvironmentVariableIntValue(kLanguageVariable));
        const QByteArray encoding = qgetenv(kEncodingVariable);
        m_program = std::make_unique<StartedInstallation>([&](const InstallationCopy &copy) {
            // The longest centre name the record holds, in words that wrap.
            QFile record(copy.file(QStringLiteral("clave12")));
            QVERIFY(record.open(QIODevice::ReadWrite));
            SettingsRecord settings;
            settings.raw = record.readAll();
            settings.setCentreName("Instituto de Educaci\xF3n Secundaria Mar\xED"
                                   "a Zambrano (Ja\xE9n)");
            settings.raw[SettingsRecord::kLanguageOffset] = language;
            QVERIFY(record.seek(0) && record.write(settings.raw) == SettingsRecord::kSize);
            QFile fonts(copy.file(QStringLiteral("fuente")));
            QVERIFY(fonts.open(QIODevice::WriteOnly));
            fonts.write(qgetenv(kFontVariable) + "\n" + encoding + '\n');
        });
        QVERIFY(m_program->started());
    }

    void cleanupTestCase() { m_program.reset(); }

    void mainMenuAndConfiguration()
    {
        expectWhole(form0);
        click(form0, "LabelConfi");
        expectWhole(form0);
        for (const char *panel : {"Button1", "Botdeco", "Button3"}) {
            click(form0, panel);
            expectWhole(form0);
        }
        click(form0, "Button6");
    }

    void questionWindow()
    {
        QStringList unfit{QStringLiteral("never asked")};
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(Form4->isVisible());
            unfit = unfitTexts(Form4);
            click(Form4, "ShadowNo");
        });
        QTest::keyClick(form0, Qt::Key_Escape);
        QVERIFY2(unfit.isEmpty(), qPrintable(unfit.join(QLatin1Char('\n'))));
    }

    void esoWindow()
    {
        QVERIFY(m_program->openDoor("LabelCuesE", Form2));
        expectWhole(Form2);
        click(Form2, "BotCuestio1");
        expectWhole(Form2);
        {
            testsupport::DialogAnswerer answerer;
            click(Form2, "BotResCues");
            expectWhole(Form2);
            auto *results = control<QListWidget>(Form2, "ListresCues");
            QVERIFY(results->isVisible() && results->count() > 2);
            clickRow(results, 2);
            expectWhole(Form2);
            click(Form2, "BotCerrar");
        }
        click(Form2, "BitAcabarLogse");

        QVERIFY(m_program->openDoor("LabelIti", Form2));
        click(Form2, "BotItinerarios");
        // Each click draws one more stage; the subject boxes come last.
        for (int stage = 0; stage < 20 && !control<QWidget>(Form2, "BitBtn3")->isVisible(); ++stage)
            QTest::mouseClick(Form2, Qt::LeftButton, {}, QPoint(1000, 740));
        expectWhole(Form2);
        click(Form2, "BitBtn3");
        expectWhole(Form2);
        click(Form2, "botContextual");
        expectWhole(Form2);
        click(Form2, "BotCerrarV");
        click(Form2, "BitAcabarLogse");
    }

    void universityWindow()
    {
        QVERIFY(m_program->openDoor("LabelCarreras", Form1));
        expectWhole(Form1);
        click(Form1, "menunuevo1");
        expectWhole(Form1);
        auto *tree = control<QTreeWidget>(Form1, "Tree");
        QTreeWidgetItem *heading = tree->topLevelItem(0);
        clickItem(tree, heading);
        QTest::keyClick(tree, Qt::Key_Right);
        expectWhole(Form1);
        clickItem(tree, heading->child(0));
        expectWhole(Form1);
        entrancePanels();
        click(Form1, "BotRetroceder");

        click(Form1, "MenuCarUni3");
        expectWhole(Form1);
        clickMiddleOf(control<QLabel>(Form1, "mapa"));
        expectWhole(Form1);
        auto *centres = control<QListWidget>(Form1, "ListComunidad");
        if (centres->isVisible() && centres->count() > 0) {
            clickRow(centres, 0);
            expectWhole(Form1);
            click(Form1, "BotRetroceder");
        }
        click(Form1, "BotRetroceder");
        for (const char *entry : {"MenuCarUniDoble2", "menui6", "BotMaster"}) {
            click(Form1, entry);
            expectWhole(Form1);
            click(Form1, "BotRetroceder");
        }
        for (const char *kind : {"BotArtesPlas", "BotMusica", "BotDanza", "BotDramatico"}) {
            QTest::mouseMove(control<QPushButton>(Form1, "Menui4"));
            QTRY_VERIFY(control<QWidget>(Form1, "PanelMenu4")->isVisible());
            expectWhole(Form1);
            click(Form1, kind);
            expectWhole(Form1);
            for (const char *section : {"BotArtesEsp", "BotArtesLug"}) {
                click(Form1, section);
                expectWhole(Form1);
            }
            click(Form1, "BotRetroceder");
        }
        QTest::mouseMove(control<QPushButton>(Form1, "Botinfo"));
        QTRY_VERIFY(control<QWidget>(Form1, "Panelmenu2")->isVisible());
        expectWhole(Form1);
        click(Form1, "BotSalirUni");
    }

    void higherGradeTitles()
    {
        const auto row = [](const char *list, int r) {
            auto *shown = control<QListWidget>(Form1, list);
            QVERIFY(shown->count() > r);
            clickRow(shown, r);
        };
        const auto region = [] {
            clickMiddleOf(
                control<QWidget>(Form1, "PanelEstrellasFP")->findChild<QWidget *>(QStringLiteral("mapa")));
        };
        QVERIFY(m_program->openDoor("LabelFpS", Form1));
        expectWhole(Form1);
        click(Form1, "MenuFP1");
        expectWhole(Form1);
        row("ListPreFam", 0);
        row("ListPreFam", 1);
        auto *titles = control<QListWidget>(Form1, "ListTitFP");
        hoverRow(titles, 0);
        expectWhole(Form1);
        row("ListTitFP", 0);
        click(Form1, "MenuFpTit1");
        region();
        click(Form1, "botTelefono");
        expectWhole(Form1);
        for (const char *section : {"MenuFpTit2", "MenuFpTit3", "MenuFpTit4"}) {
            click(Form1, section);
            expectWhole(Form1);
        }
        click(Form1, "MenuFPTitTodo");
        expectWhole(Form1);
        // The first title of the first heading: the regions to print are
        // asked for when its listing of every region is too long.
        const VocationalCatalogue fp = higherGradeCatalogue();
        const int title = titlesOfFamily(fp, familiesOfGroup(fp, 1).front()).front();
        if (mustChooseRegionsFirst(higherTitleReport(title, {}), false)) {
            click(Form1, "MenuFpTit5");
            QVERIFY(control<QWidget>(Form1, "PanelImp")->isVisible());
            region();
            expectWhole(Form1);
        }
        for (int i = 0; i < 4 && !control<QWidget>(Form1, "PanelFP")->isVisible(); ++i)
            QTest::keyClick(Form1, Qt::Key_Escape);
        click(Form1, "MenuFP2");
        expectWhole(Form1);
        region();
        expectWhole(Form1);
        row("ListSelLugFP", 0);
        expectWhole(Form1);
        click(Form1, "BotRetrocederFP");
        click(Form1, "BotRetrocederFP");
        click(Form1, "BotRetrocederFP");
        click(Form1, "menuFP3");
        QTRY_VERIFY(form0->isVisible());
    }

    void bachilleratoQuestionnaire()
    {
        QVERIFY(m_program->openDoor("LabelCuesB", Form1));
        expectWhole(Form1);
        for (const char *part : {"Menucua", "MenuGus"}) {
            click(Form1, part);
            expectWhole(Form1);
            click(Form1, "VerResul");
            expectWhole(Form1);
            click(Form1, "acabarCua");
        }
        click(Form1, "MenuMedia");
        expectWhole(Form1);
        auto *results = control<QTableWidget>(Form1, "ListResul");
        for (int row = 0; row < results->rowCount(); ++row) {
            clickRow(results, row);
            expectWhole(Form1);
            click(Form1, "acabarCua");
        }
        click(Form1, "acabarCua");
        click(Form1, "MenuRetroCon");
        QTRY_VERIFY(form0->isVisible());
    }

    void middleGradeExplorer()
    {
        QVERIFY(m_program->openDoor("LabelFPM", Form3));
        expectWhole(Form3);
        click(Form3, "botTit2");
        expectWhole(Form3);
        auto *families = control<QListWidget>(Form3, "ListPreFam");
        QTest::keyClick(families, Qt::Key_Return);
        expectWhole(Form3);
        QTest::keyClick(families, Qt::Key_Return);
        expectWhole(Form3);
        for (int i = 0; i < 4 && !control<QWidget>(Form3, "botTit2")->isVisible(); ++i)
            QTest::keyClick(Form3, Qt::Key_Escape);
        click(Form3, "botLug2");
        expectWhole(Form3);
        escapeToMainMenu(Form3);
    }

    void initialProgrammesWindow()
    {
        QVERIFY(m_program->openDoor("LabelFPip", FIniPro));
        clickRow(control<QListWidget>(FIniPro, "ListSelFp"), 0);
        expectWhole(FIniPro);
        auto *programmes = control<QListWidget>(FIniPro, "ListTitFP");
        QTest::keyClick(programmes, Qt::Key_Return);
        click(FIniPro, "BotTra");
        expectWhole(FIniPro);
        escapeToMainMenu(FIniPro);
    }

    void certificatesWindow()
    {
        QVERIFY(m_program->openDoor("LabelDejar", Certifica));
        for (const char *list : {"ListSelFp", "ListTitFP", "ListFPExpli"})
            clickRow(control<QListWidget>(Certifica, list), 0);
        expectWhole(Certifica);
        click(Certifica, "BotRetrocederFP");
        click(Certifica, "BotRetrocederFP");
        QTRY_VERIFY(form0->isVisible());
    }

    void familiesCatalogue()
    {
        QVERIFY(m_program->openDoor("LabelCat", FormCat));
        clickRow(control<QListWidget>(FormCat, "ListFam"), 0);
        expectWhole(FormCat);
        clickRow(control<QListWidget>(FormCat, "ListCat4"), 0);
        expectWhole(FormCat);
        click(FormCat, "botcerrar");
        click(FormCat, "BotRetroceder");
        QTRY_VERIFY(form0->isVisible());
    }

    void professionsWindow()
    {
        QVERIFY(m_program->openDoor("LabelProfe", profe));
        expectWhole(profe);
        testsupport::DialogAnswerer answerer;
        QTest::keyClick(profe, Qt::Key_Escape);
        QTRY_VERIFY(form0->isVisible());
    }
};

// Runs the test above once per language and encoding, each in a program of
// its own.
class EveryLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void textsAreWhole_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("font");
        const char *const names[] = {"Castilian", "Catalan", "Galician", "Basque"};
        for (int language = 0; language < 4; ++language)
            for (const char *encoding : {"ISO", "UTF"}) {
                const QString font = QLatin1String(encoding) == QLatin1String("ISO")
                    ? QStringLiteral("Arial")
                    : QStringLiteral("DejaVu Sans");
                QTest::addRow("%s %s", names[language], encoding)
                    << language << QString::fromLatin1(encoding) << font;
            }
    }

    void textsAreWhole()
    {
        QFETCH(int, language);
        QFETCH(QString, encoding);
        QFETCH(QString, font);
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kLanguageVariable), QString::number(language));
        environment.insert(QString::fromLatin1(kEncodingVariable), encoding);
        environment.insert(QString::fromLatin1(kFontVariable), font);
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(run.waitForFinished(120000));
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, run.readAll().constData());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kLanguageVariable)) {
        WindowTextsTest one;
        return QTest::qExec(&one, argc, argv);
    }
    EveryLanguageTest all;
    return QTest::qExec(&all, argc, argv);
}

#include "tst_texts_fit.moc"

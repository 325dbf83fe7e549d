// The main menu as a pupil and a teacher use it: a door leads to its module
// and back, leaving asks first, and the configuration panel saves only after
// the password.

#include "data/encoding.h"
#include "eso/eso_window.h"
#include "shell/doors.h"
#include "shell/main_menu_window.h"
#include "support/controls.h"
#include "support/started_installation.h"
#include "widgets/question_window.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace velmira;
using testsupport::click;
using testsupport::control;
using testsupport::tabTo;
using testsupport::typeText;

namespace {

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MainMenuWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

    void typePassword(const QString &password)
    {
        auto *field = control<QLineEdit>(form0, "Edit1");
        field->clear();
        typeText(field, password);
    }

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QCOMPARE(m_program->messages(), QStringList());
    }

    // No message may have been shown at any point.
    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void doorsShowTheirCaptions()
    {
        auto *door = control<QLabel>(form0, "LabelCuesE");
        QVERIFY(!door->text().isEmpty());
        QCOMPARE(door->geometry(), doorGeometry(DoorEso));
        QVERIFY(!door->toolTip().isEmpty());
    }

    void aDoorLeadsToItsModuleAndBack()
    {
        QVERIFY(m_program->openDoor("LabelCuesE", Form2));
        QVERIFY(!form0->isVisible());
        // The module's return brings the main menu back.
        click(Form2, "BitAcabarLogse");
        QVERIFY(form0->isVisible());
        QVERIFY(!Form2->isVisible());
        QVERIFY(control<QLabel>(form0, "LabelCuesE")->isVisible());
    }

    void escapeAndNoKeepsTheProgramRunning()
    {
        QTimer::singleShot(0, [] { click(Form4, "ShadowNo"); });
        QTest::keyClick(form0, Qt::Key_Escape);
        QVERIFY(form0->isVisible());
        QVERIFY(!control<QLabel>(Form4, "LabelNombre")->text().isEmpty());
    }

    // Tab walks the doors with a visible frame; Return opens the focused one.
    void doorsAreReachedAndOpenedFromTheKeyboard()
    {
        QVERIFY(tabTo(form0, "LabelCuesE"));
        const QImage door = control<QLabel>(form0, "LabelCuesE")->grab().toImage();
        QCOMPARE(door.pixelColor(0, door.height() / 2), QColor(Qt::yellow));
        QTest::keyClick(form0->focusWidget(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(Form2->isVisible(), 5000);
        click(Form2, "BitAcabarLogse");
        QVERIFY(form0->isVisible());
    }

    // The buttons stand on the button picture (green), the exit button keeps
    // a readable caption under the pointer whatever the highlight colour, and
    // Return presses the focused button.
    void buttonsLookAndAnswerAsExpected()
    {
        auto *exit = control<QPushButton>(form0, "BotRetroce");
        const QImage look = exit->grab().toImage();
        const QColor middle = look.pixelColor(6, look.height() / 2);
        QVERIFY2(middle.green() > middle.red() + 40, qPrintable(middle.name()));
        QTest::mouseMove(control<QWidget>(form0, "mosaico"), QPoint(5, 5));
        QTest::mouseMove(exit);
        QTRY_VERIFY(exit->underMouse());
        exit->ensurePolished();
        const QColor caption = exit->palette().color(QPalette::ButtonText);
        const QColor behind = exit->palette().color(QPalette::Button);
        QVERIFY2(qAbs(caption.lightness() - behind.lightness()) > 100,
                 qPrintable(caption.name() + QLatin1Char('/') + behind.name()));
        QTest::mouseMove(control<QWidget>(form0, "mosaico"), QPoint(5, 5));

        click(form0, "LabelConfi");
        QVERIFY(tabTo(form0, "Button1"));
        QTest::keyClick(form0->focusWidget(), Qt::Key_Return);
        QVERIFY(control<QFrame>(form0, "PanelIdioma")->isVisible());
        const auto captionOf = [](const char *name) {
            auto *button = control<QPushButton>(form0, name);
            button->ensurePolished();
            return button->palette().color(QPalette::ButtonText);
        };
        QCOMPARE(captionOf("BotCas"), QColor(0, 0, 128));
        click(form0, "BotGal");
        QCOMPARE(captionOf("BotGal"), QColor(128, 0, 0));
        QCOMPARE(captionOf("BotCas"), QColor(Qt::black));
        click(form0, "BotCas");
        click(form0, "Button2");
    }

    // A language chosen and a wrong password save nothing; the right one
    // writes the language into the settings record.
    void theConfigurationIsSavedOnlyWithThePassword()
    {
        const QByteArray before = fileBytes(QStringLiteral("clave12"));
        QCOMPARE(before.size(), 86);
        click(form0, "LabelConfi");
        QVERIFY(control<QFrame>(form0, "PanelConfig")->isVisible());
        QCOMPARE(control<QRadioButton>(form0, "RUTF")->isChecked(), utfMode());
        QCOMPARE(control<QRadioButton>(form0, "RISO")->isChecked(), !utfMode());

        click(form0, "Button1");
        QVERIFY(control<QFrame>(form0, "PanelIdioma")->isVisible());
        click(form0, "BotGal");
        click(form0, "Button3");
        QVERIFY(control<QFrame>(form0, "PanelGuardar")->isVisible());

        typePassword(QStringLiteral("Quibble"));
        click(form0, "Button7");
        QCOMPARE(control<QLabel>(form0, "LabelClave")->text(), QStringLiteral("Clave NO válida"));
        QCOMPARE(fileBytes(QStringLiteral("clave12")), before);

        typePassword(QStringLiteral("quibble"));
        click(form0, "Button7");
        QCOMPARE(control<QLabel>(form0, "LabelClave")->text(), QStringLiteral("Config. guardada"));
        QByteArray expected = before;
        expected[58] = 2;
        QCOMPARE(fileBytes(QStringLiteral("clave12")), expected);

        // Back to Castilian, so that the installation stays as it was.
        click(form0, "BotCas");
        click(form0, "Button7");
        QCOMPARE(fileBytes(QStringLiteral("clave12")), before);

        click(form0, "Button6");
        for (const char *panel : {"PanelConfig", "PanelIdioma", "PanelGuardar"})
            QVERIFY2(!control<QFrame>(form0, panel)->isVisible(), panel);
    }

    // The second theme picture applies theme "M" at once: the year label
    // takes its highlight colour as background.
    void aThemePictureAppliesItsThemeAtOnce()
    {
        click(form0, "LabelConfi");
        click(form0, "Botdeco");
        QVERIFY(control<QFrame>(form0, "Paneldecorados")->isVisible());
        click(form0, "Image7");
        const QImage year = control<QLabel>(form0, "LabelAno")->grab().toImage();
        QCOMPARE(year.pixelColor(1, 1), QColor(190, 5, 37));
        click(form0, "Button2");
        QVERIFY(!control<QFrame>(form0, "Paneldecorados")->isVisible());
    }
};

QTEST_MAIN(MainMenuWindowTest)
#include "tst_main_menu_window.moc"

// The question window as a pupil answers it: a name typed into the field, a
// question answered from the keyboard, and the window put back after each use.

#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "support/controls.h"
#include "widgets/question_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace velmira;
using testsupport::control;
using testsupport::typeText;

class QuestionWindowTest : public QObject
{
    Q_OBJECT

    TForm4 *m_window = nullptr;

    // Runs the user's part once the window is up and waiting.
    void whenAsked(std::function<void()> answer)
    {
        QTimer::singleShot(0, this, [this, answer] {
            QTRY_VERIFY(m_window->isVisible());
            answer();
        });
    }

private slots:
    void init()
    {
        resetFoundationState();
        m_window = new TForm4;
    }
    void cleanup() { delete m_window; }

    // A "No" clicked last time leaves no focus behind: a name is typed straight
    // into the field, and Return then answers as "Si" does.
    void aNameIsTypedIntoTheFieldAndReturnAnswers()
    {
        whenAsked([&] { QTest::mouseClick(control<QPushButton>(m_window, "ShadowNo"), Qt::LeftButton); });
        QVERIFY(!m_window->askYesNo(QStringLiteral("¿Imprimir?")));

        QString focusedOn;
        whenAsked([&] {
            QWidget *focused = m_window->focusWidget();
            focusedOn = focused ? focused->objectName() : QString();
            typeText(focused, QStringLiteral("Ana Pérez"));
            QTest::keyClick(focused, Qt::Key_Return);
        });
        const std::optional<QString> name = m_window->askName(QStringLiteral("¿Nombre?"));
        QCOMPARE(focusedOn, QStringLiteral("EditNombre"));
        QCOMPARE(control<QLabel>(m_window, "LabelNombre")->text(), QStringLiteral("¿Nombre?"));
        QCOMPARE(name, std::optional<QString>(QStringLiteral("Ana Pérez")));
    }

    // After a "No" or a name, the next question has no field and its focus on
    // "Si": Return answers yes.
    void aQuestionStartsOnYes()
    {
        whenAsked([&] {
            typeText(m_window->focusWidget(), QStringLiteral("Luis"));
            QTest::mouseClick(control<QPushButton>(m_window, "ShadowNo"), Qt::LeftButton);
        });
        QCOMPARE(m_window->askName(QStringLiteral("¿Nombre?")), std::nullopt);

        QString focusedOn;
        bool fieldShown = true;
        whenAsked([&] {
            focusedOn = m_window->focusWidget()->objectName();
            fieldShown = control<QLineEdit>(m_window, "EditNombre")->isVisible();
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Return);
        });
        QVERIFY(m_window->askYesNo(QStringLiteral("¿Salir?")));
        QCOMPARE(focusedOn, QStringLiteral("ShadowSi"));
        QVERIFY(!fieldShown);
    }

    void noAndClosingAnswerNo()
    {
        whenAsked([&] { QTest::mouseClick(control<QPushButton>(m_window, "ShadowNo"), Qt::LeftButton); });
        QVERIFY(!m_window->askYesNo(QStringLiteral("¿Seguro?")));

        whenAsked([&] {
            typeText(m_window->focusWidget(), QStringLiteral("Eva"));
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(m_window->askName(QStringLiteral("¿Nombre?")), std::nullopt);

        // The field starts empty every time it is asked for.
        QString startedWith = QStringLiteral("unset");
        whenAsked([&] {
            startedWith = control<QLineEdit>(m_window, "EditNombre")->text();
            m_window->close();
        });
        QCOMPARE(m_window->askName(QStringLiteral("¿Nombre?")), std::nullopt);
        QCOMPARE(startedWith, QString());
    }

    // A question longer than the window was designed for widens it, with its
    // second line, so that both show whole; a short one keeps the design.
    void longTextsWidenTheWindow()
    {
        const QString question =
            QStringLiteral("¿Quieres salir del cuestionario de orientación profesional?");
        const QString second =
            QStringLiteral("Puedes ver estos estudios y muchos otros en las puertas del menú.");
        int width = 0;
        bool wholeTexts = false;
        QString shownSecond;
        whenAsked([&] {
            width = m_window->width();
            const auto *first = control<QLabel>(m_window, "LabelNombre");
            const auto *under = control<QLabel>(m_window, "LabelNombre2");
            wholeTexts = first->width() >= first->sizeHint().width()
                && under->width() >= under->sizeHint().width() && under->geometry().right() < width;
            shownSecond = under->isVisible() ? under->text() : QString();
            QTest::mouseClick(control<QPushButton>(m_window, "ShadowNo"), Qt::LeftButton);
        });
        QVERIFY(!m_window->askYesNo(question, second));
        QVERIFY(width > 382);
        QVERIFY(wholeTexts);
        QCOMPARE(shownSecond, second);

        whenAsked([&] {
            width = m_window->width();
            shownSecond =
                control<QLabel>(m_window, "LabelNombre2")->isVisible() ? QStringLiteral("shown") : QString();
            QTest::mouseClick(control<QPushButton>(m_window, "ShadowNo"), Qt::LeftButton);
        });
        QVERIFY(!m_window->askYesNo(QStringLiteral("¿Salir?")));
        QCOMPARE(width, 382);
        QVERIFY(shownSecond.isEmpty());
    }

    void leavingTheProgramAsksTextFortyNine()
    {
        interfaceTextTable().set(49, "Salir del programa");
        AssignInterfaceTexts();
        Form4 = m_window;
        QString asked;
        whenAsked([&] {
            asked = control<QLabel>(m_window, "LabelNombre")->text();
            QTest::mouseClick(control<QPushButton>(m_window, "ShadowNo"), Qt::LeftButton);
        });
        QVERIFY(!confirmLeavingProgram());
        Form4 = nullptr;
        QCOMPARE(asked, uiText(49));
    }
};

QTEST_MAIN(QuestionWindowTest)
#include "tst_question_window.moc"

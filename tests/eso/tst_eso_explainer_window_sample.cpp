// The ESO window's education-system explainer and its roads to the
// middle-grade explorer on the sample installation, as a pupil goes: the
// explainer opened from the menu, its stages revealed arrow by arrow, its
// information lists; the more-information link of box 47 of the itineraries
// diagram; a short questionnaire failed, which hands the pupil on to the
// middle-grade questionnaire.

#include "support/started_installation.h"

#include "data/interface_texts.h"
#include "data/middle_questionnaire.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "eso/eso_window.h"
#include "eso/explainer_information.h"
#include "eso/explainer_reveal.h"
#include "eso/itinerary_diagram.h"
#include "explorers/middle_grade_window.h"
#include "shell/main_menu_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace velmira;
using testsupport::click;
using testsupport::control;

namespace {

template <typename Control> Control *eso(const char *name) { return control<Control>(Form2, name); }

QWidget *explainer() { return eso<QWidget>("PanelExplica"); }
QWidget *cover(Cover c) { return eso<QWidget>(coverName(c)); }

// The covers still showing.
std::vector<Cover> shownCovers()
{
    std::vector<Cover> shown;
    for (int c = 0; c < kCoverCount; ++c)
        if (cover(Cover(c))->isVisible())
            shown.push_back(Cover(c));
    return shown;
}

std::vector<Cover> allCoversBut(std::initializer_list<Cover> gone)
{
    std::vector<Cover> rest;
    for (int c = 0; c < kCoverCount; ++c)
        if (std::find(gone.begin(), gone.end(), Cover(c)) == gone.end())
            rest.push_back(Cover(c));
    return rest;
}

// Clicks a picture of the explainer where the pupil sees it: nothing may lie
// over its middle.
void clickPicture(const char *name)
{
    auto *picture = eso<QAbstractButton>(name);
    QCOMPARE(explainer()->childAt(picture->geometry().center()), picture);
    QTest::mouseClick(picture, Qt::LeftButton);
}

// A click on an arrow, and the wipe it starts run to its end.
void reveal(const char *arrow, Cover wiped)
{
    clickPicture(arrow);
    QTRY_VERIFY_WITH_TIMEOUT(!cover(wiped)->isVisible(), 5000);
}

QString note() { return uiText(kPressTheArrow) + QLatin1Char(' ') + uiText(kToContinue); }

} // namespace

class EsoExplainerWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

private slots:
    void initTestCase()
    {
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QVERIFY(m_program->openDoor("LabelIti", Form2));
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void theExplainerOpensBesideTheMenuWithTheNoteBlinking()
    {
        auto *entry = eso<QPushButton>("BotExplica");
        QCOMPARE(entry->text(), uiText(kExplainerCaption));
        click(entry);
        QVERIFY(explainer()->isVisible());
        QVERIFY(eso<QWidget>("PanelMenu")->isVisible());
        QVERIFY(!eso<QPushButton>("botCuestio")->isVisible());
        QVERIFY(!explainer()->geometry().intersects(eso<QWidget>("PanelMenu")->geometry()));
        QCOMPARE(explainer()->geometry().right(), Form2->width() - 1);
        QCOMPARE(shownCovers(), allCoversBut({}));
        QCOMPARE(eso<QLabel>("LabelEx11")->text(),
                 uiText(kFourthCourse) + QLatin1Char(' ') + uiText(kEsoShortName));
        for (const QLabel *caption : explainer()->findChildren<QLabel *>())
            QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width(),
                     qPrintable(caption->objectName()));

        auto *label = eso<QLabel>("LabelNota");
        QCOMPARE(label->text(), note());
        QTRY_VERIFY(label->text().isEmpty());
        QTRY_COMPARE(label->text(), note());
        QTest::qWait(2000); // the blinking has ended: the note stays
        QCOMPARE(label->text(), note());
    }

    // The covers go in the order of the arrows; an arrow under a cover cannot
    // be reached until the stage below it shows.
    void theStagesAreRevealedArrowByArrow()
    {
        QVERIFY(explainer()->childAt(eso<QWidget>("Image2")->geometry().center()) == cover(Cover::T0));
        reveal("Image29", Cover::T0);
        reveal("Image2", Cover::T1d);
        reveal("Image1", Cover::T1i);
        QCOMPARE(shownCovers(), allCoversBut({Cover::T0, Cover::T1i, Cover::T1d}));
        reveal("Image3", Cover::T2i);
        // Across from 4th year: the programmes first, diversification next.
        reveal("Image24", Cover::T2C);
        QVERIFY(cover(Cover::T2D)->isVisible());
        reveal("Image24", Cover::T2D);
        // From 4th year up: Bachillerato, then on a second click middle-grade training.
        reveal("Image8", Cover::T3i);
        QVERIFY(cover(Cover::T3D)->isVisible());
        reveal("Image8", Cover::T3D);
        reveal("Image11", Cover::T4i);
        QCOMPARE(shownCovers(), std::vector<Cover>{Cover::T4D});
        reveal("Image13", Cover::T4D);
        QCOMPARE(eso<QLabel>("LabelEx17")->text(), uiText(kHigherGradeCaption));
    }

    void theInformationPicturesListTheirLines()
    {
        auto *panel = eso<QWidget>("PanelEx");
        auto *list = eso<QListWidget>("ListBoxEx");
        QVERIFY(!panel->isVisible());
        for (int picture : informationPictures()) {
            const QByteArray name = "Image" + QByteArray::number(picture);
            clickPicture(name.constData());
            QVERIFY(panel->isVisible());
            const std::vector<QByteArray> lines = explainerInformation(picture);
            QVERIFY2(!lines.empty(), name.constData());
            QCOMPARE(list->count(), int(lines.size()));
            QCOMPARE(list->item(0)->text(), displayText(lines.front()));
            click(eso<QPushButton>("BotCerrarEx"));
            QVERIFY(!panel->isVisible());
        }
        // The higher-grade titles, and Escape to close them.
        clickPicture("Image21");
        QVERIFY(list->count() > 2);
        QTest::keyClick(Form2->focusWidget(), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QVERIFY(explainer()->isVisible());
    }

    // Opened again, every stage is covered again; Return on the arrow the
    // keyboard is on starts its wipe.
    void openingAgainCoversEveryStage()
    {
        click(eso<QPushButton>("BotItinerarios"));
        QVERIFY(!explainer()->isVisible());
        click(eso<QPushButton>("BotExplica"));
        QCOMPARE(shownCovers(), allCoversBut({}));
        QCOMPARE(Form2->focusWidget(), eso<QWidget>("Image1"));
        QTest::keyClick(Form2->focusWidget(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!cover(Cover::T1i)->isVisible(), 5000);
        // Escape leaves the explainer for the menu.
        QTest::keyClick(Form2->focusWidget(), Qt::Key_Escape);
        QVERIFY(!explainer()->isVisible());
        QVERIFY(eso<QPushButton>("botCuestio")->isVisible());
        QVERIFY(eso<QPushButton>("BotExplica")->isVisible());
    }

    // Back to the main menu from the explainer: the next visit finds the
    // whole menu and the frames again.
    void goingBackFromTheExplainerBringsTheMenuBack()
    {
        click(eso<QPushButton>("BotExplica"));
        click(eso<QPushButton>("BitAcabarLogse"));
        QTRY_VERIFY(form0->isVisible());
        QVERIFY(m_program->openDoor("LabelIti", Form2));
        QVERIFY(!explainer()->isVisible());
        QVERIFY(eso<QPushButton>("botCuestio")->isVisible());
        QVERIFY(eso<QWidget>("PanelItiner")->isVisible());
    }

    void box47LinksToTheMiddleGradeExplorersMenu()
    {
        click(eso<QPushButton>("BotItinerarios"));
        for (int part = 1; part <= kLastDiagramPart + 1; ++part)
            QTest::mouseClick(Form2, Qt::LeftButton, {}, QPoint(1000, 740));
        QVERIFY(!Form2->drawing().drawingActive());
        click(eso<QPushButton>("BitBtn47"));
        auto *link = eso<QPushButton>("botContextual");
        QVERIFY(eso<QListWidget>("List_Sel")->isVisible());
        QVERIFY(link->isVisible());
        click(link);
        QTRY_VERIFY(Form3->isVisible());
        for (const char *entry : {"botTit2", "botLug2", "botSalir"})
            QVERIFY2(control<QPushButton>(Form3, entry)->isVisible(), entry);
        QVERIFY(!control<QListWidget>(Form3, "ListGM")->isVisible());
        click(control<QPushButton>(Form3, "botSalir"));
        QVERIFY(!Form3->isVisible());
        QVERIFY(Form2->isVisible());
        click(eso<QPushButton>("BitAcabarLogse"));
        QTRY_VERIFY(form0->isVisible());
    }

    // Results without a single answer changed: the lowest mark, and the
    // arrow takes the pupil to the middle-grade questionnaire's areas, over
    // the ESO window, which is there again when the pupil leaves.
    void aFailedShortQuestionnaireHandsOnToTheMiddleGradeQuestionnaire()
    {
        QVERIFY(m_program->openDoor("LabelCuesE", Form2));
        click(eso<QPushButton>("BotCuestio3"));
        click(eso<QPushButton>("BotResCues"));
        QVERIFY(!Form2->questionnaire().pass);
        auto *arrow = eso<QPushButton>("BotContinuar");
        QVERIFY(arrow->isVisible());
        click(arrow);
        QTRY_VERIFY(Form3->isVisible());
        QVERIFY(Form2->isVisible());
        QVERIFY(!eso<QWidget>("PanelCuestio")->isVisible());
        QVERIFY(eso<QWidget>("PanelMenu")->isVisible());
        auto *areas = control<QListWidget>(Form3, "ListGM");
        QVERIFY(areas->isVisible());
        QCOMPARE(areas->count(), kMiddleAreaCount);
        QVERIFY(!control<QPushButton>(Form3, "botTit2")->isVisible());
        click(control<QPushButton>(Form3, "BotSalirCues"));
        QVERIFY(!Form3->isVisible());
        QVERIFY(Form2->isVisible());
    }
};

QTEST_MAIN(EsoExplainerWindowTest)
#include "tst_eso_explainer_window_sample.moc"

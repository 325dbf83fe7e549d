// The certificates window on the sample installation, driven as a pupil
// would: from the main menu's certificates shortcut to a group, a family
// (hovered, then fixed) and a certificate's panel; the family printed to a
// PDF and read back; the Internet button with and without a browser; and
// the way back. What is clicked is chosen from the content.

#include "support/controls.h"
#include "support/dialog_answerer.h"
#include "support/started_installation.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "explorers/certificate_catalogue.h"
#include "explorers/certificates_window.h"
#include "shell/main_menu_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmira;
using testsupport::click;
using testsupport::clickRow;
using testsupport::control;
using testsupport::hoverRow;
using testsupport::PdfPrint;

namespace {

QListWidget *listOf(const char *name) { return control<QListWidget>(Certifica, name); }
QPushButton *buttonOf(const char *name) { return control<QPushButton>(Certifica, name); }
QString labelText(const char *name) { return control<QLabel>(Certifica, name)->text(); }

bool printed(const QString &text, const QByteArray &stored)
{
    return text.contains(displayText(stored).simplified());
}

} // namespace

class CertificatesWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StartedInstallation> m_program;

private slots:
    void initTestCase()
    {
        qunsetenv("BROWSER");
        m_program = std::make_unique<StartedInstallation>();
        QVERIFY(m_program->started());
        QVERIFY(m_program->openDoor("LabelDejar", Certifica));
        QVERIFY(!form0->isVisible());
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_program->messages(), QStringList());
        m_program.reset();
    }

    void fromAGroupToACertificateAndItsFamilyPrinted()
    {
        QListWidget *groups = listOf("ListSelFp");
        QVERIFY(groups->isVisible());
        QCOMPARE(groups->count(), 9);
        QCOMPARE(groups->item(0)->text(), displayText(certificates::groupName(1)));
        QVERIFY(!buttonOf("BotImprimir")->isVisible());

        clickRow(groups, 0);
        QListWidget *families = listOf("ListTitFP");
        QListWidget *listed = listOf("ListFPExpli");
        QVERIFY(families->isVisible() && !groups->isVisible());
        const std::vector<int> headings = certificates::familiesOfGroup(1);
        QVERIFY(headings.size() >= 2);
        QCOMPARE(families->count(), int(headings.size()));

        // Hovering a family previews its certificates.
        hoverRow(families, 1);
        QCOMPARE(listed->count(), int(certificates::certificatesOfFamily(headings[1]).size()));
        hoverRow(families, 0);
        const std::vector<int> first = certificates::certificatesOfFamily(headings[0]);
        QCOMPARE(listed->count(), int(first.size()));
        QCOMPARE(listed->item(0)->text(), displayText(certificates::rowText(first[0])));

        // A click fixes the family: hovering another no longer changes the list.
        clickRow(families, 0);
        QVERIFY(buttonOf("BotImprimir")->isVisible());
        hoverRow(families, 1);
        QCOMPARE(listed->count(), int(first.size()));

        clickRow(listed, 0);
        QVERIFY(control<QWidget>(Certifica, "PanelResul")->isVisible());
        QCOMPARE(labelText("LabelTitulo"), displayText(certificates::rowText(first[0])));
        QCOMPARE(labelText("LabelHoras"), displayText(hoursOfCertificate(first[0])));
        QCOMPARE(labelText("LabelDes"), displayText(descriptionOfCertificate(first[0])));
        const std::vector<QByteArray> labels = requirementLabelsOfCertificate(first[0]);
        QVERIFY(!labels.empty());
        QVERIFY(labelText("LabelRequisitos").startsWith(displayText(labels[0])));

        PdfPrint print;
        click(buttonOf("BotImprimir"));
        QTRY_VERIFY(print.written());
        QCOMPARE(print.answerer.printQuestionsAnswered, 1);
        const QString text = print.text();
        QVERIFY2(printed(text, interfaceText(certificates_text::kCaption)), qPrintable(text));
        QVERIFY(printed(text, certificates::rowText(headings[0])));
        for (int certificate : first) {
            QVERIFY2(printed(text, certificates::rowText(certificate)), qPrintable(text));
            QVERIFY(printed(
                text, interfaceText(certificates_text::kHours) + ": " + hoursOfCertificate(certificate)));
        }
        QVERIFY(!printed(text, certificates::rowText(certificates::certificatesOfFamily(headings[1])[0])));
    }

    void internetButtonStartsTheBrowserOnlyWhenOneIsNamed()
    {
        QTemporaryDir dir;
        const QString seen = dir.filePath(QStringLiteral("seen"));
        // Unset: nothing is run and the window stays as it was.
        click(buttonOf("BotInternet"));
        QVERIFY(Certifica->isVisible());
        QVERIFY(m_program->messages().isEmpty());

        // A browser that writes down the one argument it was given.
        const QString browser = dir.filePath(QStringLiteral("browser"));
        QFile script(browser);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            "#!/bin/sh\ncd \"$(dirname \"$0\")\" && printf '%s|%s' \"$#\" \"$1\" > part && mv part seen\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("BROWSER", browser.toLocal8Bit());
        click(buttonOf("BotInternet"));
        qunsetenv("BROWSER");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(seen), 5000);
        QFile result(seen);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray argument = result.readAll();
        QVERIFY2(argument.startsWith("1|https://") && argument.endsWith("/ciudadano/p_formacion.html"),
                 argument.constData());
    }

    void backStepsToTheGroupsThenToTheMainMenu()
    {
        click(buttonOf("BotRetrocederFP"));
        QVERIFY(listOf("ListSelFp")->isVisible());
        QVERIFY(!listOf("ListTitFP")->isVisible());
        QVERIFY(!control<QWidget>(Certifica, "PanelResul")->isVisible());
        click(buttonOf("BotRetrocederFP"));
        QTRY_VERIFY(form0->isVisible());
        QVERIFY(!Certifica->isVisible());
    }
};

QTEST_MAIN(CertificatesWindowTest)
#include "tst_certificates_window_sample.moc"

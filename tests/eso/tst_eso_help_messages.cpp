// The ESO help panel: which lines each message shows, the nine-tick reveal
// and the messages without lines of their own.

#include "diagram_test_support.h"

#include "eso/eso_help_messages.h"

#include "data/text_bytes.h"

#include <QtTest>

using namespace velmira;

namespace {

// Shows message n as the window does: its lines, or the previous ones.
void showHelpMessage(HelpPanel &panel, int message)
{
    HelpLines lines;
    panel.show(helpMessageLines(message, lines) ? &lines : nullptr);
}

} // namespace

class TestHelpPanel : public QObject
{
    Q_OBJECT

private slots:
    void init() { diagramtest::setNumberedTexts(); }

    void messagesTakeTheirInterfaceTexts()
    {
        HelpLines lines;
        QVERIFY(helpMessageLines(9, lines));
        QCOMPARE(lines, (HelpLines{"T192", "T193", "T194", "T195", "T196", "", "T197", "T198"}));
        QVERIFY(helpMessageLines(14, lines));
        QCOMPARE(lines, (HelpLines{"", "T248", "", "", "", "", "", ""}));
        QVERIFY(helpMessageLines(0, lines));
        QCOMPARE(lines, HelpLines{});
        QVERIFY(helpMessageLines(11, lines));
        QCOMPARE(displayText(lines[1]), QStringLiteral("- El Humnístico"));
        QCOMPARE(lines[6], QByteArray("T197"));
        for (int without : {2, 8, 21, 23, 30, 33})
            QVERIFY(!helpMessageLines(without, lines));
    }

    void linesAreCutToThePanelWidth()
    {
        diagramtest::setText(22, QByteArray(30, 'x')); // a slot of 40
        HelpLines lines;
        helpMessageLines(20, lines);
        QCOMPARE(lines[0], QByteArray(26, 'x'));
    }

    void nineTicksRevealEightLinesThenStop()
    {
        HelpPanel panel;
        showHelpMessage(panel, 32);
        QVERIFY(panel.running());
        QCOMPARE(panel.labels(), HelpLines{});
        for (int k = 1; k <= 8; ++k) {
            const HelpPanel::Tick t = panel.tick();
            QVERIFY(!t.stopped);
            QCOMPARE(t.revealedLine, k);
            QCOMPARE(t.guideFrame, k - 1);
            QCOMPARE(panel.labels()[k - 1], "T" + QByteArray::number(212 + k));
        }
        const HelpPanel::Tick last = panel.tick();
        QVERIFY(last.stopped);
        QCOMPARE(last.revealedLine, 0);
        QVERIFY(!panel.running());
        QCOMPARE(panel.tick().revealedLine, 0);

        showHelpMessage(panel, 1); // counters start again from the first line
        QCOMPARE(panel.tick().revealedLine, 1);
        QCOMPARE(panel.labels()[1], QByteArray());
        QCOMPARE(panel.tick().revealedLine, 2);
        QCOMPARE(panel.labels()[1], QByteArray("T185"));
    }

    void aMessageShownDuringARevealStartsFromItsFirstLine()
    {
        HelpPanel panel;
        showHelpMessage(panel, 32);
        for (int k = 1; k <= 8; ++k)
            panel.tick();
        showHelpMessage(panel, 1);
        QCOMPARE(panel.tick().revealedLine, 1);
        QCOMPARE(panel.tick().revealedLine, 2);
        QCOMPARE(panel.labels()[1], QByteArray("T185"));
    }

    void aMessageWithoutLinesShowsThePreviousAgain()
    {
        HelpPanel panel;
        showHelpMessage(panel, 31);
        showHelpMessage(panel, 30);
        QCOMPARE(panel.lines(), (HelpLines{"T207", "T208", "T209", "T210", "T211", "T212", "", ""}));
        QCOMPARE(panel.labels(), HelpLines{});
    }
};

QTEST_GUILESS_MAIN(TestHelpPanel)
#include "tst_eso_help_messages.moc"

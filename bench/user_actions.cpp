// Times the heaviest actions a pupil starts, on the installation in the
// current directory: each of the five arrangements of the degree catalogue,
// the centres of the degree taught at most centres, scoring the whole ESO
// questionnaire, and a 1,500-line report laid out and written to PDF. Prints
// the mean and the worst time of each over the runs.
//   velmira-bench-actions [RUNS]   (run from the installation directory)

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/line_table.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/settings.h"
#include "data/university_tables.h"
#include "eso/eso_questions.h"
#include "eso/eso_results.h"
#include "eso/eso_scoring.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/degree_tree.h"
#include "widgets/report_printer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace velmira;

namespace {

// Runs the action `runs` times and prints its mean and worst time.
void timeAction(const char *what, int runs, double targetMs, const std::function<void()> &action)
{
    action(); // warm the caches
    double total = 0;
    double worst = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        action();
        const double ms = timer.nsecsElapsed() / 1e6;
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf("%-44s mean %8.2f ms, worst %8.2f ms (target %g ms)\n", what, total / runs, worst, targetMs);
}

bool loadInstallation()
{
    allocateGlobalTables();
    applyFontSettings("fuente");
    decideEncoding(encodingSetting());
    ReadSettingsRecord("clave12");
    LoadInterfaceTexts(localName("textos"), interfaceTextTable());
    AssignInterfaceTexts();
    try {
        loadUniversityData();
        loadEsoData();
    } catch (const FileError &error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        return false;
    }
    return true;
}

// The degree with the longest list of centres.
int degreeAtMostCentres()
{
    int best = 1;
    size_t most = 0;
    for (int degree = 1; degree <= catalogueDegreeCount(); ++degree) {
        const size_t lines = centreListOfDegree(degree).lines.size();
        if (lines > most) {
            most = lines;
            best = degree;
        }
    }
    return best;
}

// Every question answered, each with a different number of clicks.
EsoQuestionnaire answeredQuestionnaire()
{
    EsoQuestionnaire questionnaire;
    const int count = esoData().cuestion.count();
    questionnaire.beginFull(count);
    questionnaire.fillRows(esoData().cuestion, questionnaire.startGrid(count));
    for (int question = 1; question <= questionnaire.shownCount; ++question)
        for (int click = 0; click < question % 4; ++click)
            questionnaire.sheet.advance(question);
    return questionnaire;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    int messages = 0;
    setMessageHandler([&messages](const QString &) { ++messages; });
    if (!loadInstallation() || messages > 0) {
        std::fprintf(stderr, "the installation is incomplete\n");
        return 1;
    }

    const char *arrangements[] = {"catalogue by branch", "catalogue by group", "catalogue by area",
                                  "catalogue by itinerary", "catalogue in alphabetical order"};
    for (int arrangement = ByBranch; arrangement <= Alphabetical; ++arrangement)
        timeAction(arrangements[arrangement], runs, 16, [arrangement] { buildDegreeTree(arrangement); });

    const int degree = degreeAtMostCentres();
    const QByteArray centres = "centres of the most taught degree (" + QByteArray::number(degree) + ")";
    timeAction(centres.constData(), runs, 16, [degree] { centreListOfDegree(degree); });

    const EsoQuestionnaire questionnaire = answeredQuestionnaire();
    timeAction("scoring the whole ESO questionnaire", runs, 16, [&questionnaire] {
        fullResultList(scoreFullQuestionnaire(questionnaire, content().datgrub.third, esoData()), esoData());
    });

    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("report.pdf"));
    qputenv("VELMIRA_PRINT_PDF", QFile::encodeName(pdf));
    constexpr int kReportLines = 1500;
    LineTable report(kReportLines + 1, 80);
    timeAction("a 1,500-line report written to PDF", std::max(1, runs / 4), 1000, [&report] {
        report.set(0, "Informe de prueba");
        for (int line = 1; line <= kReportLines; ++line)
            report.set(
                line, "Linea " + QByteArray::number(line) + " de un informe largo, con texto hasta el final");
        PrintLines(report, kReportLines, false, 10);
    });
    if (!QFile::exists(pdf) || messages > 0) {
        std::fprintf(stderr, "the report was not written\n");
        return 1;
    }
    return 0;
}

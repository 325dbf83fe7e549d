// Times the loading of every data file of an installation, as the windows'
// creations load them, without creating any window. Run from the
// installation directory; prints the mean and best time of the runs.

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/eso_tables.h"
#include "data/explorer_tables.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/professions_tables.h"
#include "data/settings.h"
#include "data/university_tables.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace velmira;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    int messages = 0;
    setMessageHandler([&messages](const QString &) { ++messages; });
    double total = 0;
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        allocateGlobalTables();
        applyFontSettings("fuente");
        decideEncoding(encodingSetting());
        ReadSettingsRecord("clave12");
        LoadInterfaceTexts(localName("textos"), interfaceTextTable());
        AssignInterfaceTexts();
        try {
            loadUniversityData();
            loadEsoData();
            loadInitialProgrammesData();
            loadCertificatesData();
            loadProfessionsData();
        } catch (const FileError &error) {
            std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
            return 1;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        total += ms;
        best = std::min(best, ms);
    }
    if (messages > 0) {
        std::fprintf(stderr, "the installation is incomplete (%d messages)\n", messages / runs);
        return 1;
    }
    std::printf("data loading: mean %.2f ms, best %.2f ms over %d runs\n", total / runs, best, runs);
    return 0;
}

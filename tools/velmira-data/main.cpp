// velmira-data: for the people who prepare an installation's data files.
//   velmira-data check DIR        reports every problem the program would meet
//   velmira-data dump DIR NAME    prints a table as the program holds it

#include "data/messages.h"
#include "installation_check.h"
#include "table_dump.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: velmira-data check DIR\n"
                 "       velmira-data dump DIR NAME   (NAME as opened, e.g. catVal/textos)\n");
    return 2;
}

int check(const QString &directory)
{
    const auto problems = velmira::checkInstallation(directory);
    for (const velmira::LoadNote &note : problems)
        std::fprintf(stderr, "%s\n", velmira::describeNote(note).toLocal8Bit().constData());
    if (problems.empty())
        std::printf("%s: no problems found\n", directory.toLocal8Bit().constData());
    return problems.empty() ? 0 : 1;
}

int dump(const QString &directory, const QByteArray &name)
{
    QString error;
    const auto table = velmira::dumpTable(directory, name, &error);
    if (!table) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    std::fwrite(table->constData(), 1, static_cast<size_t>(table->size()), stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    velmira::silenceQtWarnings();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // pictures are checked too
    if (argc == 3 && std::strcmp(argv[1], "check") == 0)
        return check(QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && std::strcmp(argv[1], "dump") == 0)
        return dump(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]));
    return usage();
}

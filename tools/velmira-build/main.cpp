// velmira-build CONTENT_DIR OUT_DIR: compiles the readable content sources
// into the data files of an installation directory.

#include "installation.h"
#include "source_error.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: velmira-build CONTENT_DIR OUT_DIR\n";
        return 2;
    }
    using namespace velmira::build;
    Installation installation;
    try {
        installation = compileInstallation(readSourceDirectory(args[1]));
    } catch (const SourceError &e) {
        err << e.message() << '\n';
        return 1;
    }
    QString error;
    if (!writeInstallation(installation, args[2], &error)) {
        err << "velmira-build: " << error << '\n';
        return 1;
    }
    return 0;
}

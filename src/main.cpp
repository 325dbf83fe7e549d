// Velmira: school guidance for secondary-school pupils. Run from the
// installation directory; `--smoke` runs the whole start-up without showing
// anything and reports each message on standard error.

#include "data/messages.h"
#include "shell/startup.h"
#include "widgets/message_boxes.h"

#include <QApplication>

#include <cstring>

int main(int argc, char *argv[])
{
    bool smoke = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
    if (smoke) {
        velmira::silenceQtWarnings();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    if (smoke)
        velmira::installStandardErrorMessages();
    else
        velmira::installMessageBoxes();

    const velmira::StartupResult startup = velmira::runStartup(!smoke);
    if (startup.aborted)
        return 1;
    if (smoke)
        return 0;
    return app.exec();
}

#include "message_box.h"

#include "data/messages.h"

#include <QMessageBox>

#include <cstdio>

namespace velmira {

void installMessageBoxes()
{
    setMessageHandler([](const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velmira"), text, QMessageBox::Ok);
        box.exec();
    });
}

void installStandardErrorMessages()
{
    setMessageHandler([](const QString &text) {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        std::fflush(stderr);
    });
}

void silenceQtWarnings()
{
    static const QtMessageHandler qtDefault = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            qtDefault(type, context, text);
    });
}

} // namespace velmira

#include "message_boxes.h"

#include "data/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace velmira {

void installMessageBoxes()
{
    setMessageHandler([](const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velmira"), text, QMessageBox::Ok);
        box.exec();
    });
    setQuestionHandler([](const QString &text) {
        return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("Velmira"), text,
                                     QMessageBox::Ok | QMessageBox::No, QMessageBox::Ok)
            == QMessageBox::Ok;
    });
}

} // namespace velmira

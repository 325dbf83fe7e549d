#include "pdf_documents.h"

#include "language.h"

#include <QDir>
#include <QFileInfo>

namespace velmira {

QByteArray documentDirectory() { return programDirectory() + "pdf/"; }

QString pdfFailureMessage()
{
    return QStringLiteral("¡Lo siento! No puedo abrir el PDF. Los encontrarás en la carpeta \"PDF\"");
}

QStringList pdfDocumentNames(const QString &directory)
{
    QStringList names;
    const QFileInfoList entries = QDir(directory).entryInfoList(QDir::Files | QDir::Hidden | QDir::System,
                                                                QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries)
        if (entry.suffix().toUpper() == QLatin1String("PDF"))
            names << entry.fileName();
    return names;
}

} // namespace velmira

#include "documents.h"

#include "pdf_document.h"
#include "record_reader.h"

#include <QMap>
#include <QRegularExpression>

namespace velmira::build {
namespace {

// The fixed texts of the documents, written here in UTF-8, as Latin-1 bytes.
QByteArray latin1(const char *text) { return QString::fromUtf8(text).toLatin1(); }

const QByteArray kSampleNotice =
    latin1("Datos de ejemplo de Velmira, curso 2011/12. Consulte siempre las publicaciones oficiales.");

// The five branches, in the order of the weighting columns.
const QStringList kBranchFields = {QStringLiteral("arts"), QStringLiteral("sciences"),
                                   QStringLiteral("social"), QStringLiteral("health"),
                                   QStringLiteral("engineering")};
const QList<QByteArray> kBranchHeadings = {"Artes y H.", "Ciencias", "CC. SS. y J.", "Salud", "Ing. y Arq."};

QByteArray sportsCentres(const SourceSet &sources)
{
    const SourceTable table = sources.table(QStringLiteral("sports-centres.txt"),
                                            {QStringLiteral("region"), QStringLiteral("town"),
                                             QStringLiteral("centre"), QStringLiteral("studies")},
                                            Translation::None);
    PdfDocument pdf;
    pdf.addLine(latin1("Centros de Enseñanzas Deportivas"), PdfDocument::Style::Title);
    pdf.addLine(kSampleNotice);
    QByteArray region;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const QByteArray next = reader.text(QStringLiteral("region"), 40);
        if (next != region) {
            pdf.addSpace();
            pdf.addLine(next, PdfDocument::Style::Heading);
            region = next;
        }
        pdf.addRow({reader.text(QStringLiteral("centre"), 60), reader.text(QStringLiteral("town"), 30)},
                   {0, 330});
        pdf.addRow({reader.text(QStringLiteral("studies"), 90)}, {16});
    }
    return pdf.bytes();
}

// "0,1" and "0,2" are the weights a subject of the specific phase can have;
// an empty value means the subject does not count for that branch.
QByteArray weight(const RecordReader &reader, const QString &field)
{
    const QString value = reader.value(field);
    if (!value.isEmpty() && value != QLatin1String("0,1") && value != QLatin1String("0,2"))
        throw reader.error(
            QStringLiteral("field '%1': \"%2\" is not a weight 0,1 or 0,2, nor ~").arg(field, value));
    return value.isEmpty() ? QByteArray("-") : value.toLatin1();
}

void addWeightings(const SourceSet &sources, Installation &out)
{
    const SourceTable documents = sources.table(QStringLiteral("weighting-documents.txt"),
                                                {QStringLiteral("key"), QStringLiteral("file"),
                                                 QStringLiteral("title"), QStringLiteral("universities")},
                                                Translation::None);
    QStringList keys;
    QMap<QString, PdfDocument> pdfs;
    QMap<QString, QString> paths;
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_-]+$"));
    for (const SourceRecord &record : documents.records) {
        const RecordReader reader(documents, record);
        const QString key = reader.value(QStringLiteral("key"));
        const QString file = reader.value(QStringLiteral("file"));
        // The viewer command is given the name unquoted.
        if (!plainName.match(file).hasMatch())
            throw reader.error(
                QStringLiteral("field 'file': \"%1\" must be letters, digits, \"_\" or \"-\"").arg(file));
        if (pdfs.contains(key))
            throw reader.error(QStringLiteral("document '%1' is given twice").arg(key));
        PdfDocument &pdf = pdfs[key];
        paths.insert(key, QStringLiteral("pdf/%1.pdf").arg(file));
        pdf.addLine(latin1("Ponderaciones de la fase específica de la PAU"), PdfDocument::Style::Title);
        pdf.addLine(reader.text(QStringLiteral("title"), 80), PdfDocument::Style::Heading);
        pdf.addLine(reader.text(QStringLiteral("universities"), 90));
        pdf.addLine(kSampleNotice);
        pdf.addSpace();
        pdf.addLine(
            latin1("Parámetro de ponderación de cada materia según la rama de conocimiento del grado:"));
        pdf.addSpace();
        QList<QByteArray> heading{"Materia"};
        heading += kBranchHeadings;
        pdf.addRow(heading, {0, 195, 255, 320, 400, 450}, PdfDocument::Style::Heading);
        keys << key;
    }

    const SourceTable weightings =
        sources.table(QStringLiteral("weightings.txt"),
                      QStringList{QStringLiteral("document"), QStringLiteral("subject")} + kBranchFields,
                      Translation::None);
    for (const SourceRecord &record : weightings.records) {
        const RecordReader reader(weightings, record);
        const QString key = reader.value(QStringLiteral("document"));
        if (!pdfs.contains(key))
            throw reader.error(QStringLiteral("field 'document': unknown document '%1'").arg(key));
        QList<QByteArray> row{reader.text(QStringLiteral("subject"), 40)};
        for (const QString &field : kBranchFields)
            row << weight(reader, field);
        pdfs[key].addRow(row, {0, 205, 265, 335, 405, 465});
    }
    for (const QString &key : keys) {
        PdfDocument &pdf = pdfs[key];
        pdf.addSpace();
        pdf.addLine(latin1("Nota de admisión = 0,6 x nota media de Bachillerato + 0,4 x fase general"));
        pdf.addLine(latin1(
            "                          + a x M1 + b x M2 (las dos mejores materias ponderadas aprobadas)."));
        out.insert(paths.value(key), pdf.bytes());
    }
}

} // namespace

Installation compileDocuments(const SourceSet &sources)
{
    Installation out;
    out.insert(QStringLiteral("pdf/DeportesCentros.pdf"), sportsCentres(sources));
    addWeightings(sources, out);
    return out;
}

} // namespace velmira::build

#include "short_catalogues.h"

#include "catalogue_line.h"
#include "fixed_line.h"
#include "member_blocks.h"
#include "record_reader.h"

#include <QSet>

namespace velmira::build {
namespace {

constexpr int kGroupLines = 9;

const QString kKey = QStringLiteral("key");
const QString kName = QStringLiteral("name");
const QString kFamily = QStringLiteral("family");
const QString kText = QStringLiteral("text");

// The nine group lines that open "fpip" and "certifica": a code of up to
// codeWidth characters, then the name.
QList<QByteArray> compileGroupLines(const SourceTable &table, int codeWidth)
{
    if (table.records.size() != kGroupLines)
        throw SourceError{table.file, 0, QStringLiteral("there must be exactly %1 groups").arg(kGroupLines)};
    QList<QByteArray> lines;
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        lines << FixedLine()
                     .put(1, reader.text(QStringLiteral("codes"), codeWidth))
                     .put(codeWidth + 1, reader.text(kName, 60 - codeWidth))
                     .bytes();
    }
    return lines;
}

// A catalogue line: the family code, then the name ("-" first for a heading).
QByteArray familyLine(const RecordReader &reader, const Families &families)
{
    familyNumber(families, reader, kFamily);
    return reader.text(kFamily, 1) + reader.text(kName, 59);
}

} // namespace

InitialProgrammes compileInitialProgrammes(const SourceSet &sources, const Families &families)
{
    InitialProgrammes out;
    out.fpip = compileGroupLines(
        sources.table(QStringLiteral("initial-programme-groups.txt"), {QStringLiteral("codes"), kName}), 4);

    const SourceTable table = sources.table(QStringLiteral("initial-programmes.txt"), {kKey, kFamily, kName});
    MemberBlocks modules(QStringLiteral("module"), 10, false);
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        const int programme = modules.blockCount() + 1;
        if (!isHeadingName(reader.value(kName)))
            out.programmes.add(reader.value(kKey), programme, reader);
        out.fpip << familyLine(reader, families);
        modules.addBlock();
    }

    // Lines 1-5 of a programme's ten are its modules, lines 6-10 its job positions.
    const SourceTable moduleTable =
        sources.table(QStringLiteral("initial-programme-modules.txt"),
                      {QStringLiteral("programme"), QStringLiteral("kind"), kText});
    for (const SourceRecord &record : moduleTable.records) {
        const RecordReader reader(moduleTable, record);
        const int programme = out.programmes.find(reader.value(QStringLiteral("programme")), reader,
                                                  QStringLiteral("programme"));
        const QString kind = reader.value(QStringLiteral("kind"));
        const QByteArray text = reader.text(kText, 60);
        if (kind == QLatin1String("module"))
            modules.append(programme, 1, 5, text, reader);
        else if (kind == QLatin1String("job"))
            modules.append(programme, 6, 10, text, reader);
        else
            throw reader.error(
                QStringLiteral("field 'kind' must be \"module\" or \"job\", not \"%1\"").arg(kind));
    }
    out.ipmodulos = modules.lines();
    return out;
}

Certificates compileCertificates(const SourceSet &sources, const Families &families)
{
    Certificates out;
    out.certifica = compileGroupLines(
        sources.table(QStringLiteral("certificate-groups.txt"), {QStringLiteral("codes"), kName}), 8);

    const SourceTable labels = sources.table(QStringLiteral("certificate-requirements.txt"),
                                             {QStringLiteral("code"), QStringLiteral("label")});
    if (labels.records.size() != kGroupLines)
        throw SourceError{labels.file, 0,
                          QStringLiteral("there must be exactly %1 requirement labels").arg(kGroupLines)};
    QSet<QString> codes;
    for (const SourceRecord &record : labels.records) {
        const RecordReader reader(labels, record);
        const QByteArray code = reader.text(QStringLiteral("code"), 1);
        if (code.isEmpty())
            throw reader.error(QStringLiteral("field 'code' must be one character"));
        codes.insert(reader.value(QStringLiteral("code")));
        out.certificah << code + reader.text(QStringLiteral("label"), 27);
    }

    const SourceTable table = sources.table(QStringLiteral("certificates.txt"),
                                            {kFamily, kName, QStringLiteral("requirements"),
                                             QStringLiteral("hours"), QStringLiteral("description")},
                                            Translation::ByPosition);
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        if (out.certifica.size() == 1100 || out.certificah.size() == 250)
            throw reader.error(QStringLiteral("too many certificate lines"));
        out.certifica << familyLine(reader, families);
        if (isHeadingName(reader.value(kName))) {
            out.certificah << QByteArray();
            continue;
        }
        QByteArray requirementCodes;
        for (const QString &code : reader.list(QStringLiteral("requirements"), 3)) {
            if (!codes.contains(code))
                throw reader.error(
                    QStringLiteral("field 'requirements': unknown requirement '%1'").arg(code));
            requirementCodes += code.toLatin1();
        }
        out.certificah << FixedLine()
                              .put(1, requirementCodes)
                              .putNumber(4, 3, reader.number(QStringLiteral("hours"), 1, 999))
                              .put(8, reader.text(QStringLiteral("description"), 83))
                              .bytes();
    }
    return out;
}

OtherStudies compileOtherStudies(const SourceSet &sources)
{
    OtherStudies out;
    const SourceTable table = sources.table(QStringLiteral("other-studies.txt"), {kKey, kName});
    KeyIndex studies(QStringLiteral("study"));
    MemberBlocks lines(QStringLiteral("study"), 50, true);
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        if (out.otros.size() == 50)
            throw reader.error(QStringLiteral("more than 50 lines"));
        out.otros << reader.text(kName, 45);
        lines.addBlock(out.otros.last());
        if (!reader.isEmpty(kKey))
            studies.add(reader.value(kKey), int(out.otros.size()), reader);
    }
    const SourceTable texts =
        sources.table(QStringLiteral("other-study-lines.txt"), {QStringLiteral("study"), kText});
    for (const SourceRecord &record : texts.records) {
        const RecordReader reader(texts, record);
        const int study =
            studies.find(reader.value(QStringLiteral("study")), reader, QStringLiteral("study"));
        lines.append(study, 1, 50, reader.text(kText, 60), reader);
    }
    out.asignaot = lines.lines();
    return out;
}

} // namespace velmira::build

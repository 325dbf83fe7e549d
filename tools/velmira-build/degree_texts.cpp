#include "degree_texts.h"

#include "fixed_line.h"
#include "record_reader.h"

#include <QMap>

#include <algorithm>

namespace velmira::build {
namespace {

constexpr int kTextWidth = 75;
const QByteArray kKeyMark = "<<";     // starts a block; the program never shows such a line
constexpr int kFirstBranchText = 515; // interface texts 515-519 name the five branches
constexpr int kCreditsPerYear = 60;

const QString kText = QStringLiteral("text");

QByteArray textLine(const RecordReader &reader)
{
    const QByteArray line = reader.text(kText, kTextWidth);
    if (line.contains(kKeyMark))
        throw reader.error(QStringLiteral("field 'text': \"<<\" would start a new block"));
    return line;
}

// The lines every degree text ends with, worded by degree-text-labels.txt;
// "%1" and "%2" stand for the numbers or the branch.
class FactLines
{
public:
    explicit FactLines(const SourceSet &sources)
        : m_table(sources.table(QStringLiteral("degree-text-labels.txt"), {QStringLiteral("key"), kText}))
    {
        for (const QString &key :
             {QStringLiteral("branch"), QStringLiteral("length"), QStringLiteral("centre"),
              QStringLiteral("centres"), QStringLiteral("outlets")}) {
            const auto record = std::find_if(m_table.records.begin(), m_table.records.end(),
                                             [&](const SourceRecord &r) { return r.values[0] == key; });
            if (record == m_table.records.end())
                throw SourceError{m_table.file, 0, QStringLiteral("the label '%1' is missing").arg(key)};
            m_labels.insert(key, &*record);
        }
    }

    QByteArray line(const QString &key, const QByteArray &first, const QByteArray &second = {}) const
    {
        const RecordReader reader(m_table, *m_labels.value(key));
        QByteArray line = reader.text(kText, kTextWidth);
        line.replace("%1", first).replace("%2", second);
        if (line.size() > kTextWidth)
            throw reader.error(QStringLiteral("with \"%1\" the line is %2 characters long; at most %3 fit")
                                   .arg(QString::fromLatin1(first))
                                   .arg(line.size())
                                   .arg(kTextWidth));
        return line;
    }

private:
    SourceTable m_table;
    QMap<QString, const SourceRecord *> m_labels;
};

QByteArray professionName(const QByteArray &profesioLine) { return profesioLine.mid(10, 40).trimmed(); }

} // namespace

QByteArray compileDegreeTexts(const SourceSet &sources, const Degrees &degrees,
                              const Professions &professions, const QList<QByteArray> &interfaceTexts)
{
    const SourceTable table =
        sources.table(QStringLiteral("degree-texts.txt"), {QStringLiteral("degree"), kText});
    QMap<int, QList<QByteArray>> texts; // degree number -> its description
    for (const SourceRecord &record : table.records) {
        const RecordReader reader(table, record);
        texts[degrees.keys.find(reader.value(QStringLiteral("degree")), reader, QStringLiteral("degree"))]
            << textLine(reader);
    }
    const FactLines facts(sources);
    QList<QByteArray> lines;
    for (int degree = 1; degree <= degrees.carreran.size(); ++degree) {
        if (!texts.contains(degree))
            throw SourceError{table.file, 0,
                              QStringLiteral("degree %1 (%2) has no text")
                                  .arg(degree)
                                  .arg(QString::fromLatin1(degrees.carreran[degree - 1]))};
        // The key line, then two lines the program skips: the name and a rule.
        const QByteArray &name = degrees.carreran[degree - 1];
        lines << FixedLine().put(1, kKeyMark).putNumber(3, 3, degree).put(7, name).bytes();
        lines << name;
        lines << QByteArray(name.size(), '=');
        lines += texts.value(degree);

        const DegreeFacts &fact = degrees.facts[degree - 1];
        const int branchLine = kFirstBranchText + fact.branch - 1;
        const QByteArray branch = interfaceTexts.value(branchLine - 1);
        if (branch.isEmpty())
            throw SourceError{
                QStringLiteral("textos.txt"), 0,
                QStringLiteral("line %1, the name of branch %2, is empty").arg(branchLine).arg(fact.branch)};
        lines << QByteArray();
        lines << facts.line(QStringLiteral("branch"), branch);
        lines << facts.line(QStringLiteral("length"), QByteArray::number(fact.years),
                            QByteArray::number(fact.years * kCreditsPerYear));
        lines << (fact.centres == 1
                      ? facts.line(QStringLiteral("centre"), {})
                      : facts.line(QStringLiteral("centres"), QByteArray::number(fact.centres)));
        if (!fact.professions.isEmpty()) {
            lines << QByteArray() << facts.line(QStringLiteral("outlets"), {});
            for (int profession : fact.professions)
                lines << "* " + professionName(professions.profesio[profession - 1]);
        }
    }
    lines << kKeyMark; // the last block ends at a key mark too
    return textFile(lines);
}

QByteArray compileMasterText(const SourceSet &sources)
{
    const SourceTable table =
        sources.table(QStringLiteral("master-text.txt"), {kText}, Translation::WholeFile);
    QList<QByteArray> lines;
    for (const SourceRecord &record : table.records)
        lines << RecordReader(table, record).text(kText, kTextWidth);
    return textFile(lines);
}

} // namespace velmira::build

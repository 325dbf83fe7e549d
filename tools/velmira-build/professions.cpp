#include "professions.h"

#include "fixed_line.h"
#include "record_reader.h"

#include <QSet>

#include <algorithm>

namespace velmira::build {
namespace {

constexpr int kCodeWidth = 4;

const QString kKey = QStringLiteral("key");
const QString kText = QStringLiteral("text");
const QString kName = QStringLiteral("name");
const QString kActivity1 = QStringLiteral("activity1");
const QString kActivity2 = QStringLiteral("activity2");

QByteArray activityCode(const RecordReader &reader, const QString &field, const QSet<QString> &codes,
                        bool optional)
{
    if (optional && reader.isEmpty(field))
        return QByteArray(kCodeWidth, ' ');
    if (!codes.contains(reader.value(field)))
        throw reader.error(
            QStringLiteral("field '%1': unknown activity code '%2'").arg(field, reader.value(field)));
    return reader.text(field, kCodeWidth).leftJustified(kCodeWidth, ' ');
}

// The non-blank 4-character codes at the given columns (counted from 1).
QSet<QByteArray> codesAt(const QByteArray &line, std::initializer_list<int> columns)
{
    QSet<QByteArray> codes;
    for (int column : columns) {
        const QByteArray code = line.mid(column - 1, kCodeWidth).leftJustified(kCodeWidth, ' ');
        if (code.trimmed().size() > 0)
            codes.insert(code);
    }
    return codes;
}

const QList<std::pair<QString, StudyLevel>> kLevelNames = {
    {QStringLiteral("degree"), DegreeLevel},
    {QStringLiteral("higher"), HigherGradeLevel},
    {QStringLiteral("middle"), MiddleGradeLevel},
};

unsigned levelMask(const RecordReader &reader)
{
    unsigned mask = 0;
    for (const QString &name : reader.list(QStringLiteral("levels"), 3)) {
        const auto level = std::find_if(kLevelNames.begin(), kLevelNames.end(),
                                        [&](const auto &known) { return known.first == name; });
        if (level == kLevelNames.end())
            throw reader.error(
                QStringLiteral("field 'levels': \"%1\" is not degree, higher or middle").arg(name));
        mask |= level->second;
    }
    return mask;
}

int numberAt(const QByteArray &line, int column) { return line.mid(column - 1, 3).trimmed().toInt(); }

} // namespace

int mostReachedStatements(const Professions &professions)
{
    QList<QSet<QByteArray>> chosenCodes;
    for (const QByteArray &line : professions.fralargas)
        chosenCodes << codesAt(line, {116, 121, 126, 131});

    // More codes never reach fewer statements, so choosing as many long
    // statements as allowed (three, or all when there are fewer) is enough.
    const int n = int(chosenCodes.size());
    const int chosen = std::min(n, 3);
    int most = 0;
    QList<bool> pick(n, false);
    std::fill(pick.end() - chosen, pick.end(), true);
    do {
        QSet<QByteArray> codes;
        for (int i = 0; i < n; ++i)
            if (pick[i])
                codes.unite(chosenCodes[i]);
        QSet<int> reached;
        for (const QByteArray &line : professions.profesio) {
            if (!codes.intersects(codesAt(line, {1, 6})))
                continue;
            for (int column : {51, 54})
                if (const int statement = numberAt(line, column); statement > 0)
                    reached.insert(statement);
        }
        most = std::max(most, int(reached.size()));
    } while (std::next_permutation(pick.begin(), pick.end()));
    return most;
}

Professions compileProfessions(const SourceSet &sources)
{
    Professions out;

    const SourceTable activities =
        sources.table(QStringLiteral("activities.txt"), {QStringLiteral("code"), kName});
    QSet<QString> codes;
    for (const SourceRecord &record : activities.records) {
        const RecordReader reader(activities, record);
        const QByteArray code = reader.text(QStringLiteral("code"), kCodeWidth);
        if (code.isEmpty() || codes.contains(reader.value(QStringLiteral("code"))))
            throw reader.error(QStringLiteral("each activity needs its own code"));
        codes.insert(reader.value(QStringLiteral("code")));
        out.activida << FixedLine().put(1, code).put(6, reader.text(kName, 60)).bytes();
    }
    if (out.activida.size() > 30)
        throw SourceError{activities.file, 0, QStringLiteral("more than 30 activities")};

    const SourceTable shorts =
        sources.table(QStringLiteral("short-statements.txt"), {kKey, kActivity1, kActivity2, kText});
    KeyIndex statements(QStringLiteral("short statement"));
    for (const SourceRecord &record : shorts.records) {
        const RecordReader reader(shorts, record);
        if (out.fracortas.size() == 120)
            throw reader.error(QStringLiteral("more than 120 short statements"));
        statements.add(reader.value(kKey), int(out.fracortas.size()) + 1, reader);
        out.fracortas << FixedLine()
                             .put(1, activityCode(reader, kActivity1, codes, false))
                             .put(6, activityCode(reader, kActivity2, codes, true))
                             .put(11, reader.text(kText, 60))
                             .bytes();
    }

    const SourceTable longs = sources.table(QStringLiteral("long-statements.txt"),
                                            {kText, QStringLiteral("activities")}, Translation::ByPosition);
    for (const SourceRecord &record : longs.records) {
        const RecordReader reader(longs, record);
        if (out.fralargas.size() == 20)
            throw reader.error(QStringLiteral("more than 20 long statements"));
        FixedLine line;
        line.put(1, reader.text(kText, 115));
        int column = 116;
        for (const QString &code : reader.list(QStringLiteral("activities"), 4)) {
            if (!codes.contains(code))
                throw reader.error(
                    QStringLiteral("field 'activities': unknown activity code '%1'").arg(code));
            line.put(column, toLatin1(code, reader, QStringLiteral("activities")).left(kCodeWidth));
            column += 5;
        }
        out.fralargas << line.bytes();
    }

    const SourceTable professions = sources.table(
        QStringLiteral("professions.txt"),
        {kKey, kActivity1, kActivity2, kName, QStringLiteral("statements"), QStringLiteral("levels")});
    for (const SourceRecord &record : professions.records) {
        const RecordReader reader(professions, record);
        if (out.profesio.size() == 249)
            throw reader.error(QStringLiteral("more than 249 professions"));
        out.professions.add(reader.value(kKey), int(out.profesio.size()) + 1, reader);
        out.levels << levelMask(reader);
        FixedLine line;
        line.put(1, activityCode(reader, kActivity1, codes, false))
            .put(6, activityCode(reader, kActivity2, codes, true))
            .put(11, reader.text(kName, 40).leftJustified(40, ' '));
        int column = 51;
        for (const QString &key : reader.list(QStringLiteral("statements"), 2)) {
            line.putNumber(column, 3, statements.find(key, reader, QStringLiteral("statements")));
            column += 3;
        }
        out.profesio << line.bytes();
    }
    if (const int most = mostReachedStatements(out); most > kMostDealtStatements)
        throw SourceError{professions.file, 0,
                          QStringLiteral("three long statements can reach %1 short statements through the "
                                         "professions; the questionnaire shows at most %2")
                              .arg(most)
                              .arg(kMostDealtStatements)};
    return out;
}

int professionOfLevel(const Professions &professions, const QString &key, StudyLevel level,
                      const RecordReader &reader, const QString &field)
{
    const int line = professions.professions.find(key, reader, field);
    if (!(professions.levels.value(line - 1) & level)) {
        const QString study = level == DegreeLevel ? QStringLiteral("a degree")
            : level == HigherGradeLevel            ? QStringLiteral("a higher-grade title")
                                                   : QStringLiteral("a middle-grade title");
        throw reader.error(
            QStringLiteral("field '%1': profession '%2' is not one that %3 leads to (see its levels)")
                .arg(field, key, study));
    }
    return line;
}

} // namespace velmira::build

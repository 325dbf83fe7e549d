#include "professions_tables.h"

#include "content_tables.h"
#include "encoding.h"
#include "language.h"
#include "load_notes.h"

namespace velmira {

void StudiesIndex::add(int profession, int study)
{
    if (profession < 1 || profession >= kProfessions)
        return;
    auto &list = m_studies[profession];
    if (static_cast<int>(list.size()) < kStudies)
        list.push_back(study);
}

const std::vector<int> &StudiesIndex::studies(int profession) const
{
    static const std::vector<int> none;
    if (profession < 1 || profession >= kProfessions)
        return none;
    return m_studies[profession];
}

void StudiesIndex::clear()
{
    for (auto &list : m_studies)
        list.clear();
}

ProfessionsData &professionsData()
{
    static ProfessionsData data;
    return data;
}

namespace {

// Reads up to maxLines records; `parse` gets each line and its number.
template <typename Record, typename Parse>
std::vector<Record> readRecords(const QByteArray &name, int maxLines, Parse parse)
{
    std::vector<Record> records(1); // numbered from 1
    int lineNo = 0;
    for (const QByteArray &line : readRecordLines(name, maxLines))
        records.push_back(parse(line, ++lineNo));
    return records;
}

void loadShortStatements(ProfessionsData &data, const QByteArray &name)
{
    data.shortStatements = readRecords<ShortStatement>(name, ProfessionsData::kMaxShortStatements,
                                                       [](const QByteArray &line, int) {
                                                           ShortStatement s = parseShortStatement(line);
                                                           s.text = storedLine(s.text);
                                                           return s;
                                                       });
}

void loadLongStatements(ProfessionsData &data, const QByteArray &name)
{
    data.longStatements = readRecords<LongStatement>(name, ProfessionsData::kMaxLongStatements,
                                                     [](const QByteArray &line, int) {
                                                         LongStatement s = parseLongStatement(line);
                                                         s.text = storedLine(s.text).left(135);
                                                         return s;
                                                     });
}

void loadActivities(ProfessionsData &data, const QByteArray &name)
{
    data.activities =
        readRecords<Activity>(name, ProfessionsData::kMaxActivities, [](const QByteArray &line, int) {
            Activity a = parseActivity(line);
            a.name = storedLine(a.name);
            return a;
        });
}

void loadProfessions(ProfessionsData &data, const QByteArray &name)
{
    data.professions = readRecords<Profession>(
        name, ProfessionsData::kMaxProfessions, [&name](const QByteArray &line, int lineNo) {
            Profession p = parseProfession(
                line, [&] { addLoadNote(name, lineNo, QStringLiteral("statement number is not a number")); });
            p.name = storedLine(p.name).left(50);
            return p;
        });
}

} // namespace

void loadProfessionFiles(ProfessionsData &data, const QByteArray &shortName, const QByteArray &longName,
                         const QByteArray &activityName, const QByteArray &professionName)
{
    loadShortStatements(data, shortName);
    loadLongStatements(data, longName);
    loadActivities(data, activityName);
    loadProfessions(data, professionName);
}

void buildStudiesIndexes(ProfessionsData &data, const ContentTables &tables)
{
    data.degrees.clear();
    data.higherTitles.clear();
    data.middleTitles.clear();
    for (int i = 1; i <= tables.carreran.count(); ++i)
        for (int k = 4; k <= 7; ++k)
            data.degrees.add(tables.datgrados.at(i, k), i);
    for (int i = 1; i <= tables.fp.count(); ++i)
        for (int k = 17; k <= 22; ++k)
            data.higherTitles.add(tables.datfps.at(i, k), i);
    for (int i = 1; i <= tables.fp2.count(); ++i)
        for (int k = 0; k <= 2; ++k)
            data.middleTitles.add(tables.datfpm.at(i, k), i);
}

void loadProfessionsData()
{
    ProfessionsData &data = professionsData();
    loadProfessionFiles(data, languagePrefixed("fracortas"), languagePrefixed("fralargas"),
                        languagePrefixed("activida"), languagePrefixed("profesio"));
    buildStudiesIndexes(data, content());
}

LoadSteps professionFileChecks()
{
    ProfessionsData &data = professionsData();
    return {
        [&] { loadShortStatements(data, languagePrefixed("fracortas")); },
        [&] { loadLongStatements(data, languagePrefixed("fralargas")); },
        [&] { loadActivities(data, languagePrefixed("activida")); },
        [&] { loadProfessions(data, languagePrefixed("profesio")); },
    };
}

} // namespace velmira

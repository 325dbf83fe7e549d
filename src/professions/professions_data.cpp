#include "professions_data.h"

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/language.h"
#include "data/load_notes.h"

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

void loadProfessionFiles(ProfessionsData &data, const QByteArray &shortName,
                         const QByteArray &longName, const QByteArray &activityName,
                         const QByteArray &professionName)
{
    data.shortStatements.assign(1, {});
    for (const QByteArray &line : readRecordLines(shortName, ProfessionsData::kMaxShortStatements)) {
        ShortStatement s = parseShortStatement(line);
        s.text = storedLine(s.text);
        data.shortStatements.push_back(s);
    }
    data.longStatements.assign(1, {});
    for (const QByteArray &line : readRecordLines(longName, ProfessionsData::kMaxLongStatements)) {
        LongStatement s = parseLongStatement(line);
        s.text = storedLine(s.text).left(135);
        data.longStatements.push_back(s);
    }
    data.activities.assign(1, {});
    for (const QByteArray &line : readRecordLines(activityName, ProfessionsData::kMaxActivities)) {
        Activity a = parseActivity(line);
        a.name = storedLine(a.name);
        data.activities.push_back(a);
    }
    data.professions.assign(1, {});
    int lineNo = 0;
    for (const QByteArray &line : readRecordLines(professionName, ProfessionsData::kMaxProfessions)) {
        ++lineNo;
        Profession p = parseProfession(line, [&] {
            addLoadNote(professionName, lineNo, QStringLiteral("statement number is not a number"));
        });
        p.name = storedLine(p.name).left(50);
        data.professions.push_back(p);
    }
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

} // namespace velmira

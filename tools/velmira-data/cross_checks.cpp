#include "cross_checks.h"

#include "data/content_tables.h"
#include "data/eso_tables.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/loaders.h"
#include "data/map_geometry.h"
#include "data/professions_tables.h"
#include "data/spanish_order.h"
#include "data/text_bytes.h"
#include "data/text_file.h"
#include "data/university_tables.h"

#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace velmira {

namespace {

constexpr int kShortQuestionnaire = 35;
constexpr int kAnySubject = 50;

void note(const QByteArray &file, const QString &what) { addLoadNote(file, 0, what); }

// A reference must be 0 (none) or a line of the table it points into.
void checkReference(const QByteArray &file, int row, const char *field, int value, int count,
                    const char *table)
{
    if (value < 0 || value > count)
        note(file,
             QStringLiteral("row %1: %2 %3 is not a line of %4 (%5 lines)")
                 .arg(row)
                 .arg(QLatin1String(field))
                 .arg(value)
                 .arg(QLatin1String(table))
                 .arg(count));
}

void checkDegrees(const ContentTables &t, const UniversityData &u, const ProfessionsData &p)
{
    const int professions = static_cast<int>(p.professions.size()) - 1;
    std::set<int> codes;
    for (int i = 1; i <= t.carreran.count(); ++i) {
        const int branch = t.datgrados.at(i, DegreeField::Branch);
        if (branch < 1 || branch > 5)
            note("datgrados", QStringLiteral("row %1: branch %2 is not 1-5").arg(i).arg(branch));
        checkReference("datgrados", i, "group", t.datgrados.at(i, DegreeField::Group), t.carreranb.count(),
                       "carreranb");
        for (int k = DegreeField::FirstItinerary; k <= DegreeField::SecondItinerary; ++k)
            checkReference("datgrados", i, "itinerary", t.datgrados.at(i, k), u.itinerar.count(), "itinerar");
        for (int k = DegreeField::FirstProfession; k < DegreeField::FirstProfession + 4; ++k)
            checkReference("datgrados", i, "profession", t.datgrados.at(i, k), professions, "profesio");
        for (int k = DegreeField::FirstSubject; k < DegreeField::FirstSubject + 4; ++k) {
            const int subject = t.datgrados.at(i, k);
            if (subject != kAnySubject)
                checkReference("datgrados", i, "subject", subject, t.materiasp.count(), "materiasp");
        }
        const int code = t.datgrados.at(i, DegreeField::OutletCode);
        if (!codes.insert(code).second)
            note("datgrados",
                 QStringLiteral("row %1: outlet code %2 is used by an earlier degree").arg(i).arg(code));
        if (u.centres.centreCount(i) == 0)
            note("datcarn", QStringLiteral("degree %1 is taught in no centre").arg(i));
        for (int k = 1; k <= u.centres.centreCount(i); ++k) {
            const int centre = u.centres.centre(i, k);
            if (centre < 1 || centre > t.lugar.names.count())
                note("datcarn",
                     QStringLiteral("degree %1: centre %2 is not a line of lugar").arg(i).arg(centre));
        }
    }
}

void checkTitles(const ContentTables &t, const ProfessionsData &p)
{
    const int professions = static_cast<int>(p.professions.size()) - 1;
    for (int i = 1; i <= t.fp.count() && i <= t.datfps.rows(); ++i) {
        for (int k = 0; k <= 3; ++k)
            checkReference("datfps", i, "itinerary", t.datfps.at(i, k), kItineraryGroups,
                           "itinerar (groups 1-13)");
        for (int k = 4; k <= 16; ++k)
            checkReference("datfps", i, "requirement", t.datfps.at(i, k), t.reqfp.count(), "reqfp");
        for (int k = 17; k <= 22; ++k)
            checkReference("datfps", i, "profession", t.datfps.at(i, k), professions, "profesio");
    }
    for (int i = 1; i <= t.fp2.count() && i <= t.datfpm.rows(); ++i)
        for (int k = 0; k <= 2; ++k)
            checkReference("datfpm", i, "profession", t.datfpm.at(i, k), professions, "profesio");
}

// The words of a title's name that a shortened form keeps, lower case:
// joining words go, and hyphens and commas part words.
QStringList titleWords(const QByteArray &name)
{
    static const QStringList kJoiningWords = {
        QStringLiteral("a"),   QStringLiteral("da"),  QStringLiteral("das"), QStringLiteral("de"),
        QStringLiteral("del"), QStringLiteral("do"),  QStringLiteral("dos"), QStringLiteral("e"),
        QStringLiteral("el"),  QStringLiteral("en"),  QStringLiteral("eta"), QStringLiteral("i"),
        QStringLiteral("la"),  QStringLiteral("las"), QStringLiteral("los"), QStringLiteral("na"),
        QStringLiteral("y")};
    static const QRegularExpression kSeparators(QStringLiteral("[\\s,-]+"));
    QStringList words;
    for (const QString &word : displayText(name).toLower().split(kSeparators, Qt::SkipEmptyParts))
        if (!kJoiningWords.contains(word))
            words << word;
    return words;
}

// Whether a list names the title: its words appear in the title's name in
// order, each whole or shortened with a full stop ("Sist." for "Sistemas").
bool namesTitle(const QStringList &listed, const QStringList &title)
{
    qsizetype at = 0;
    for (const QString &word : listed) {
        const bool shortened = word.endsWith(QLatin1Char('.'));
        const QString stem = shortened ? word.chopped(1) : word;
        while (at < title.size() && !(shortened ? title[at].startsWith(stem) : title[at] == stem))
            ++at;
        if (at == title.size())
            return false;
        ++at;
    }
    return !listed.isEmpty();
}

// Every title the ESO lists of higher-grade titles name is in the catalogue.
void checkListedTitles(const ContentTables &t, const EsoData &e)
{
    std::vector<QStringList> catalogue;
    for (int i = 1; i <= t.fp.count(); ++i)
        if (!t.fp.at(i).startsWith('-'))
            catalogue.push_back(titleWords(trimTrailingBlanks(t.fp.at(i))));
    for (int i = 1; i <= e.fps.count(); ++i) {
        const QByteArray listed = trimTrailingBlanks(columns(e.fps.at(i), 8, 50));
        const QStringList words = titleWords(listed);
        if (std::none_of(catalogue.begin(), catalogue.end(),
                         [&](const QStringList &title) { return namesTitle(words, title); }))
            addLoadNote("fps", i,
                        QStringLiteral("\"%1\" is no higher-grade title of fp").arg(displayText(listed)));
    }
}

// A ranked group whose details would list no title and no degree shows the
// pupil an empty list.
void checkItineraryGroups(const ContentTables &t)
{
    for (int group = 1; group <= kItineraryGroups; ++group) {
        const ItineraryStudies studies = itineraryStudies(group, t);
        if (studies.titles.empty() && studies.degrees.empty())
            note("datfps",
                 QStringLiteral("ESO itinerary group %1 has no %2: its details list would be empty")
                     .arg(group)
                     .arg(QLatin1String(!studies.listsDegrees      ? "higher-grade title"
                                            : !studies.listsTitles ? "degree"
                                                                   : "higher-grade title or degree")));
    }
}

void checkPlaceTitles(const QByteArray &file, const std::array<PlaceTitleTable, 4> &tables,
                      const ContentTables &t, int titles, const char *titleTable)
{
    for (int list = 0; list < 4; ++list) {
        const int places = t.placeLists[list].count();
        for (int place = 1; place <= tables[list].rows(); ++place) {
            const int n = tables[list].at(place, 0);
            if (n == 0)
                continue;
            const QString where = QStringLiteral("lu%1 place %2").arg(list + 1).arg(place);
            if (n < 0 || n > 25 || place > places) {
                note(file, where + QStringLiteral(": %1 titles for a place the list does not have").arg(n));
                continue;
            }
            for (int k = 1; k <= n; ++k) {
                const int title = tables[list].at(place, k);
                if (title < 1 || title > titles)
                    note(file,
                         where
                             + QStringLiteral(": %1 is not a line of %2")
                                   .arg(title)
                                   .arg(QLatin1String(titleTable)));
            }
        }
    }
}

void checkItemGroups(const ItemGroupRecord &record, int groups, int items, const char *itemTable,
                     const char *which, int minimum = 1)
{
    for (int g = 1; g <= groups; ++g) {
        if (record.itemCount(g) < minimum)
            note("datgrub",
                 QStringLiteral("%1 record, group %2 lists no item").arg(QLatin1String(which)).arg(g));
        for (int k = 1; k <= record.itemCount(g); ++k)
            if (record.item(g, k) > items)
                note("datgrub",
                     QStringLiteral("%1 record, group %2: item %3 is not a line of %4")
                         .arg(QLatin1String(which))
                         .arg(g)
                         .arg(record.item(g, k))
                         .arg(QLatin1String(itemTable)));
    }
}

void checkQuestionnaires(const ContentTables &t, const UniversityData &u, const EsoData &e)
{
    checkItemGroups(t.datgrub.first, 12, u.cualidad.count(), "cualidad", "first");
    checkItemGroups(t.datgrub.second, 12, u.interes.count(), "interes", "second");
    checkItemGroups(t.datgrub.third, 19, e.cuestion.count(), "cuestion", "third");
    for (int g = 14; g <= 19; ++g) {
        bool shortOne = false;
        for (int k = 1; k <= t.datgrub.third.itemCount(g); ++k)
            shortOne = shortOne || t.datgrub.third.item(g, k) <= kShortQuestionnaire;
        if (!shortOne)
            note("datgrub",
                 QStringLiteral("third record, advice group %1 lists no question of the "
                                "short questionnaire (1-%2)")
                     .arg(g)
                     .arg(kShortQuestionnaire));
    }
}

void checkProfessions(const ProfessionsData &p)
{
    const int statements = static_cast<int>(p.shortStatements.size()) - 1;
    for (size_t i = 1; i < p.professions.size(); ++i)
        for (int s : {p.professions[i].firstStatement, p.professions[i].secondStatement})
            checkReference("profesio", static_cast<int>(i), "statement", s, statements, "fracortas");
}

// A NUL byte would end the address, and the command built from it, early.
void checkWebAddresses(const ContentTables &t)
{
    for (int i = 1; i <= t.lugar.names.count(); ++i)
        if (t.lugar.second.at(i).contains('\0'))
            addLoadNote("lugar", i, QStringLiteral("the web address holds a NUL byte"));
    for (int i = 1; i <= t.comuint.count(); ++i)
        if (t.comuint.at(i).contains('\0'))
            addLoadNote("comuint", i, QStringLiteral("the web address holds a NUL byte"));
}

void checkDoubleDegrees(const ContentTables &t)
{
    for (int g = 1; g <= t.dobles.groupCount; ++g)
        for (int m = 1; m <= t.dobles.memberCount[g]; ++m) {
            const DoubleDegreeMember &member = t.dobles.member(g, m);
            if (member.firstDegree == 0 || member.secondDegree == 0)
                note("dobles",
                     QStringLiteral("group %1, member %2 names a degree code that no degree has")
                         .arg(g)
                         .arg(m));
        }
}

// Regions 1-19 give their first province code; provinces (entries 20 on)
// give their region, in province-code order, so the k-th province of region
// r has code first(r) + k - 1. Every province must have places in its list.
void checkProvinces(const ContentTables &t)
{
    std::vector<int> next(kRegionCount + 1, 0);
    for (int r = 1; r <= kRegionCount; ++r)
        parseFieldNumber(columns(t.comunida.at(r), 1, 2), next[r]);
    std::set<int> used;
    for (int i = kRegionCount + 1; i <= t.comunida.count(); ++i) {
        int region = 0;
        if (!parseFieldNumber(columns(t.comunida.at(i), 1, 2), region) || region < 1
            || region > kRegionCount) {
            addLoadNote("comunida", i, QStringLiteral("a province whose region is not 1-19"));
            continue;
        }
        const int code = next[region]++;
        if (code < 1 || code > kProvinceCount || !used.insert(code).second) {
            addLoadNote("comunida", i, QStringLiteral("province code %1 is outside 1-64 or taken").arg(code));
            continue;
        }
        const QByteArray key = provinceKey(code);
        const PlaceList &list = t.placeLists[key[0] - '1'];
        bool hasPlaces = false;
        for (int line = 1; line <= list.count() && !hasPlaces; ++line)
            hasPlaces = list.columnA.at(line).startsWith(key[1]);
        if (!hasPlaces)
            addLoadNote("comunida", i,
                        QStringLiteral("province code %1 (key %2) has no places in lu%3")
                            .arg(code)
                            .arg(QString::fromLatin1(key))
                            .arg(key[0] - '0'));
    }
}

} // namespace

void crossCheckLoadedTables()
{
    const ContentTables &t = content();
    const UniversityData &u = universityData();
    const ProfessionsData &p = professionsData();
    checkDegrees(t, u, p);
    checkTitles(t, p);
    checkItineraryGroups(t);
    checkListedTitles(t, esoData());
    checkPlaceTitles("datluggs", t.datluggs, t, t.fp.count(), "fp");
    checkPlaceTitles("datluggm", t.datluggm, t, t.fp2.count(), "fp2");
    checkPlaceTitles("datlugip", t.datlugip, t, t.fpip.count(), "fpip");
    checkQuestionnaires(t, u, esoData());
    checkProfessions(p);
    checkDoubleDegrees(t);
    checkProvinces(t);
    checkWebAddresses(t);
}

void checkAlphabeticalDegrees()
{
    // Compared as Latin-1 names, whichever encoding the table holds.
    const LineTable &degrees = content().carreran;
    const auto name = [&](int i) { return displayText(trimTrailingBlanks(degrees.at(i))); };
    for (int i = 2; i <= degrees.count(); ++i) {
        if (spanishLess(name(i).toLatin1(), name(i - 1).toLatin1()))
            addLoadNote(
                "carreran", i,
                QStringLiteral("\"%1\" comes before \"%2\" in alphabetical order").arg(name(i), name(i - 1)));
    }
}

void checkInterfaceTextFile(const QByteArray &name)
{
    const auto lines = readTextLines(name);
    if (!lines)
        return;
    for (int k = 1; k <= static_cast<int>(lines->size()); ++k)
        if (const int capacity = textSlotCapacity(k); capacity > 0)
            noteCutLine(name, k, trimTrailingBlanks(lines->at(k - 1)), capacity, true);
}

} // namespace velmira

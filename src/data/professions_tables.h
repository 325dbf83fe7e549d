#pragma once
// What the professions window reads at its creation: its four record files
// and, per profession, the studies that lead to it.

#include "load_steps.h"
#include "profession_records.h"

#include <QByteArray>

#include <vector>

namespace velmira {

struct ContentTables;

// Per profession (1-249), up to 50 study numbers in record order.
class StudiesIndex
{
public:
    static constexpr int kProfessions = 250;
    static constexpr int kStudies = 50;

    StudiesIndex()
        : m_studies(kProfessions)
    {
    }
    void add(int profession, int study);
    const std::vector<int> &studies(int profession) const;
    void clear();

private:
    std::vector<std::vector<int>> m_studies;
};

struct ProfessionsData
{
    static constexpr int kMaxShortStatements = 120;
    static constexpr int kMaxLongStatements = 20;
    static constexpr int kMaxActivities = 30;
    static constexpr int kMaxProfessions = 250;

    // Records numbered from 1: element 0 is unused.
    std::vector<ShortStatement> shortStatements;
    std::vector<LongStatement> longStatements;
    std::vector<Activity> activities;
    std::vector<Profession> professions;

    StudiesIndex degrees;      // "carreran" lines
    StudiesIndex higherTitles; // "fp" lines
    StudiesIndex middleTitles; // "fp2" lines
};

ProfessionsData &professionsData();

// Reads "fracortas", "fralargas", "activida" and "profesio" (names as opened)
// with their text fields converted in UTF mode. Raises FileError at the first
// file that cannot be opened.
void loadProfessionFiles(ProfessionsData &data, const QByteArray &shortName, const QByteArray &longName,
                         const QByteArray &activityName, const QByteArray &professionName);

// Fills the three study indexes from the degree and title rows.
void buildStudiesIndexes(ProfessionsData &data, const ContentTables &tables);

// The professions window's loading: its four files (with the language
// directory when the language is not Castilian) and the study indexes.
void loadProfessionsData();
// Each file on its own, for the data tool.
LoadSteps professionFileChecks();
} // namespace velmira

#include "installation.h"

#include "degree_texts.h"
#include "degrees.h"
#include "documents.h"
#include "eso_title_lists.h"
#include "families.h"
#include "fixed_line.h"
#include "interface_texts_source.h"
#include "item_groups.h"
#include "list_layouts.h"
#include "middle_questionnaire.h"
#include "places.h"
#include "professions.h"
#include "regions.h"
#include "settings_files.h"
#include "short_catalogues.h"
#include "source_error.h"
#include "vocational_titles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace velmira::build {
namespace {

const QStringList kLanguageDirectories = {QStringLiteral("catVal"), QStringLiteral("galego"),
                                          QStringLiteral("euskera")};

// The files every language has its own copy of.
const QStringList kPerLanguageFiles = {
    QStringLiteral("textos"),     QStringLiteral("materias"),  QStringLiteral("informa"),
    QStringLiteral("fps"),        QStringLiteral("cuestion"),  QStringLiteral("cuesgm"),
    QStringLiteral("itinerar"),   QStringLiteral("fp2"),       QStringLiteral("asignagm"),
    QStringLiteral("materiasp"),  QStringLiteral("carreran"),  QStringLiteral("carreranb"),
    QStringLiteral("otros"),      QStringLiteral("cualidad"),  QStringLiteral("interes"),
    QStringLiteral("fp"),         QStringLiteral("reqfp"),     QStringLiteral("asignafp"),
    QStringLiteral("asignaot"),   QStringLiteral("activida"),  QStringLiteral("familias"),
    QStringLiteral("fpip"),       QStringLiteral("ipmodulos"), QStringLiteral("certifica"),
    QStringLiteral("certificah"), QStringLiteral("artesplas"), QStringLiteral("musica"),
    QStringLiteral("danza"),      QStringLiteral("dramatico"), QStringLiteral("profesio"),
    QStringLiteral("fracortas"),  QStringLiteral("fralargas"), QStringLiteral("grados.txt"),
    QStringLiteral("master.txt"),
};

// Files in a language directory that translate no source would be ignored
// silently: refuse them instead.
void requireTranslatedSources(const SourceSet &sources)
{
    for (auto it = sources.files.constBegin(); it != sources.files.constEnd(); ++it) {
        const QString directory = it.key().section(QLatin1Char('/'), 0, 0);
        if (!kLanguageDirectories.contains(directory))
            continue;
        const QString source = it.key().section(QLatin1Char('/'), 1);
        if (!sources.files.contains(source))
            throw SourceError{it.key(), 0,
                              QStringLiteral("translates no source: there is no %1").arg(source)};
    }
}

Installation compileLanguage(const SourceSet &sources);

} // namespace

// The Castilian files, then each language's copy of the per-language files,
// compiled from the sources with that language's translations applied (the
// Castilian text stands wherever a translation is missing).
Installation compileInstallation(const SourceSet &sources)
{
    requireTranslatedSources(sources);
    Installation out = compileLanguage(sources);
    for (const QString &directory : kLanguageDirectories) {
        SourceSet translated = sources;
        translated.language = directory;
        const Installation language = compileLanguage(translated);
        for (const QString &name : kPerLanguageFiles)
            out.insert(directory + QLatin1Char('/') + name, language.value(name));
    }
    return out;
}

namespace {

Installation compileLanguage(const SourceSet &sources)
{
    Installation out;
    const QList<QByteArray> interfaceTexts =
        compileInterfaceTexts(sources.table(QStringLiteral("textos.txt"), interfaceTextFields()));
    out.insert(QStringLiteral("textos"), textFile(interfaceTexts));
    QHash<QString, int> lineCounts;
    for (const ListLayout &layout : listLayouts()) {
        const QList<QByteArray> lines =
            compileList(sources.table(layout.source, layoutFields(layout), layout.translation), layout);
        out.insert(layout.output, textFile(lines));
        lineCounts.insert(layout.output, int(lines.size()));
    }

    const Regions regions = compileRegions(sources);
    out.insert(QStringLiteral("comunida"), textFile(regions.comunida));
    out.insert(QStringLiteral("comuint"), textFile(regions.comuint));
    out.insert(QStringLiteral("lugar"), textFile(regions.lugar));

    const Professions professions = compileProfessions(sources);
    out.insert(QStringLiteral("activida"), textFile(professions.activida));
    out.insert(QStringLiteral("fracortas"), textFile(professions.fracortas));
    out.insert(QStringLiteral("fralargas"), textFile(professions.fralargas));
    out.insert(QStringLiteral("profesio"), textFile(professions.profesio));

    const Families families = compileFamilies(sources);
    const Degrees degrees = compileDegrees(sources, regions, professions, families);
    out.insert(QStringLiteral("carreranb"), textFile(degrees.carreranb));
    out.insert(QStringLiteral("materiasp"), textFile(degrees.materiasp));
    out.insert(QStringLiteral("carreran"), textFile(degrees.carreran));
    out.insert(QStringLiteral("datgrados"), degrees.datgrados);
    out.insert(QStringLiteral("datcarn"), degrees.datcarn);
    out.insert(QStringLiteral("dobles"), textFile(degrees.dobles));
    out.insert(QStringLiteral("grados.txt"),
               compileDegreeTexts(sources, degrees, professions, interfaceTexts));
    out.insert(QStringLiteral("master.txt"), compileMasterText(sources));
    out.insert(compileDocuments(sources));

    const HigherTitles higher = compileHigherTitles(sources, professions, families);
    out.insert(QStringLiteral("fp"), textFile(higher.fp));
    out.insert(QStringLiteral("datfps"), higher.datfps);
    out.insert(QStringLiteral("reqfp"), textFile(higher.reqfp));
    out.insert(QStringLiteral("asignafp"), textFile(higher.asignafp));
    out.insert(QStringLiteral("fps"), textFile(compileEsoTitleLists(sources, higher)));

    const MiddleTitles middle = compileMiddleTitles(sources, professions, families);
    out.insert(QStringLiteral("fp2"), textFile(middle.fp2));
    out.insert(QStringLiteral("datfpm"), middle.datfpm);
    out.insert(QStringLiteral("asignagm"), textFile(middle.asignagm));
    out.insert(QStringLiteral("cuesgm"), textFile(compileMiddleQuestionnaire(sources, middle)));
    out.insert(QStringLiteral("familias"),
               textFile(compileFamilyFile(sources, families, middle.headings, higher.headings)));

    const InitialProgrammes initial = compileInitialProgrammes(sources, families);
    out.insert(QStringLiteral("fpip"), textFile(initial.fpip));
    out.insert(QStringLiteral("ipmodulos"), textFile(initial.ipmodulos));
    const Certificates certificates = compileCertificates(sources, families);
    out.insert(QStringLiteral("certifica"), textFile(certificates.certifica));
    out.insert(QStringLiteral("certificah"), textFile(certificates.certificah));
    const OtherStudies others = compileOtherStudies(sources);
    out.insert(QStringLiteral("otros"), textFile(others.otros));
    out.insert(QStringLiteral("asignaot"), textFile(others.asignaot));

    const Places places = compilePlaces(sources, regions, higher, middle, initial);
    for (int k = 0; k < 4; ++k)
        out.insert(QStringLiteral("lu%1").arg(k + 1), textFile(places.lists[k]));
    out.insert(QStringLiteral("datluggs"), places.datluggs);
    out.insert(QStringLiteral("datluggm"), places.datluggm);
    out.insert(QStringLiteral("datlugip"), places.datlugip);

    out.insert(QStringLiteral("datgrub"),
               compileItemGroups(sources,
                                 {lineCounts.value(QStringLiteral("cualidad")),
                                  lineCounts.value(QStringLiteral("interes")),
                                  lineCounts.value(QStringLiteral("cuestion"))}));
    const SettingsFiles settings = compileSettings(sources);
    out.insert(QStringLiteral("clave12"), settings.clave12);
    out.insert(QStringLiteral("fuente"), settings.fuente);
    return out;
}

} // namespace

bool writeInstallation(const Installation &installation, const QString &outDir, QString *error)
{
    const QDir root(outDir);
    for (const QString &directory : kLanguageDirectories + QStringList{QStringLiteral("pdf")}) {
        if (!root.mkpath(directory)) {
            *error = QStringLiteral("cannot create %1").arg(root.filePath(directory));
            return false;
        }
    }
    for (auto it = installation.constBegin(); it != installation.constEnd(); ++it) {
        QSaveFile file(root.filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size()
            || !file.commit()) {
            *error = QStringLiteral("cannot write %1").arg(file.fileName());
            return false;
        }
    }
    return true;
}

} // namespace velmira::build

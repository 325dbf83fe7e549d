#include "installation_check.h"

#include "cross_checks.h"
#include "installation_files.h"

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/eso_tables.h"
#include "data/explorer_tables.h"
#include "data/file_access.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/loaders.h"
#include "data/map_geometry.h"
#include "data/messages.h"
#include "data/professions_tables.h"
#include "data/settings.h"
#include "data/university_tables.h"

#include <QDir>

namespace velmira {

namespace {

// Restores the directory, the message handler and the note collection.
class CheckScope
{
public:
    CheckScope(const QString &directory, std::vector<LoadNote> *notes)
        : m_previousDirectory(QDir::currentPath())
    {
        m_entered = QDir::setCurrent(directory);
        m_previousHandler = setMessageHandler([](const QString &) {});
        collectLoadNotes(notes);
    }
    ~CheckScope()
    {
        collectLoadNotes(nullptr);
        setMessageHandler(m_previousHandler);
        QDir::setCurrent(m_previousDirectory);
        setLanguage(Castilian);
        setUtfMode(m_utfMode);
        clearStartupAbort();
    }
    bool entered() const { return m_entered; }

private:
    QString m_previousDirectory;
    MessageHandler m_previousHandler;
    bool m_utfMode = utfMode();
    bool m_entered = false;
};

// Every step runs, so that one unreadable file does not hide the next.
void loadNoting(const LoadSteps &steps)
{
    for (const auto &step : steps) {
        try {
            step();
        } catch (const FileError &error) {
            // The real cause when the file cannot be opened at all.
            const QString why = whyUnreadable(QString::fromLocal8Bit(error.fileName()));
            addLoadNote(error.fileName(), 0, why.isEmpty() ? error.reason() : why);
        }
    }
}

void checkArtisticStudies()
{
    for (const char *name : {"artesplas", "musica", "danza", "dramatico"})
        LoadPaddedLines(localName(name), work().workB, kWidthE);
}

void checkLanguage(unsigned char value)
{
    setLanguage(value);
    allocateGlobalTables();
    LoadInterfaceTexts(localName("textos"), interfaceTextTable());
    loadNoting(universityLoadSteps());
    loadNoting(esoLoadSteps());
    loadNoting(initialProgrammesLoadSteps());
    loadNoting({loadCertificatesData});
    loadNoting(professionFileChecks());
    checkArtisticStudies();
    checkInterfaceTextFile(localName("textos"));
    crossCheckLoadedTables();
    if (value == Castilian)
        checkAlphabeticalDegrees();
}

bool sameNote(const LoadNote &a, const LoadNote &b)
{
    return a.file == b.file && a.line == b.line && a.what == b.what;
}

} // namespace

std::vector<LoadNote> checkInstallation(const QString &directory)
{
    std::vector<LoadNote> found;
    {
        CheckScope scope(directory, &found);
        if (!scope.entered())
            return {{directory.toLocal8Bit(), 0, QStringLiteral("not a directory")}};
        FillProvinceKeys();
        ReadFontSettings("fuente");
        if (!ReadSettingsRecord("clave12"))
            addLoadNote("clave12", 0, QStringLiteral("missing, or shorter than its 86 bytes"));
        checkPictures();
        checkDocuments();
        // Every text as a Latin-1 display and a UTF-8 display would hold it.
        for (bool utf : {false, true}) {
            setUtfMode(utf);
            for (unsigned char value : {Castilian, CatalanValencian, Galician, Basque})
                checkLanguage(value);
        }
    }
    std::vector<LoadNote> unique;
    for (const LoadNote &note : found)
        if (std::none_of(unique.begin(), unique.end(),
                         [&](const LoadNote &kept) { return sameNote(kept, note); }))
            unique.push_back(note);
    return unique;
}

QString describeNote(const LoadNote &note)
{
    const QString file = QString::fromLocal8Bit(note.file);
    if (note.line > 0)
        return QStringLiteral("%1:%2: %3").arg(file).arg(note.line).arg(note.what);
    return QStringLiteral("%1: %2").arg(file, note.what);
}

} // namespace velmira

#pragma once
// The run-time state of the data foundation in one place: what the settings,
// the language, the encoding and the start-up decide, where messages go, and
// what the next report prints. Every module reaches it through the accessor
// functions of its own unit (language(), utfMode(), fontName(), ...); tests
// start each case from resetFoundationState().

#include "language.h"
#include "load_notes.h"
#include "messages.h"
#include "settings.h"

#include <QByteArray>
#include <QImage>

#include <set>
#include <vector>

namespace velmira {

struct FoundationState
{
    // Interface language and encoding.
    unsigned char language = Castilian;
    bool notCastilian = false;
    QByteArray languageDirectory; // "catVal/", "galego/", "euskera/" or empty
    QByteArray programDirectory;
    bool utfMode = false;

    // Settings files: "fuente" and "clave12".
    QByteArray fontName;
    QByteArray encodingSetting;
    SettingsRecord settingsRecord;
    QByteArray centreName;              // converted in UTF mode
    unsigned char settingsLanguage = 0; // the language of "clave12", as changed since
    QByteArray theme;
    bool recordsReadOnly = false;

    // Messages, questions and the start-up checks.
    MessageHandler messageHandler;
    QuestionHandler questionHandler;
    std::vector<LoadNote> *loadNotes = nullptr; // collected when set
    bool startupAborted = false;
    bool pictureMissing = false;

    // Printing.
    std::set<int> boldLines;
    QByteArray printQuestion;

    // External programs.
    QByteArray browserDefault = "firefox";

    // Pictures every window shares.
    QImage girlPicture;
    QImage emptyPicture;
};

FoundationState &foundationState();

// Puts every field back to its value before start-up.
void resetFoundationState();

} // namespace velmira

#include "startup.h"

#include "data/foundation.h"
#include "data/language.h"
#include "data/messages.h"
#include "eso/eso_window.h"
#include "explorers/certificates_window.h"
#include "explorers/entrance_panels_window.h"
#include "explorers/families_window.h"
#include "explorers/initial_programmes_window.h"
#include "explorers/middle_grade_window.h"
#include "explorers/star_map_window.h"
#include "professions/professions_window.h"
#include "shell/main_menu_window.h"
#include "shell/welcome_window.h"
#include "university/university_window.h"
#include "widgets/question_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace velmira {

namespace {

template <typename Window> void create(Window *&instance, const char *name, StartupResult &result)
{
    instance = new Window;
    result.createdWindows << QString::fromLatin1(name);
}

// Qt's own dialogs (printing, saving) speak the interface language where Qt
// ships it (Castilian, Catalan); Castilian stands in for Galician and Basque.
void installQtTranslations()
{
    static QPointer<QTranslator> translator;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = new QTranslator(qApp);
    const QString code = language() == CatalanValencian ? QStringLiteral("ca") : QStringLiteral("es");
    if (translator->load(QStringLiteral("qtbase_") + code,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace

StartupResult runStartup(bool showWindows)
{
    StartupResult result;
    initialiseDataFoundation();
    clearStartupAbort();

    Bienvenida = new TBienvenida;
    if (showWindows) {
        Bienvenida->show();
        QApplication::processEvents();
    }

    const auto aborted = [&result] {
        result.aborted = startupAborted();
        return result.aborted;
    };

    create(form0, "form0", result);
    installQtTranslations(); // the settings have decided the language
    create(Form7, "Form7", result);
    if (aborted())
        return result;
    create(Form1, "Form1", result);
    if (aborted())
        return result;
    create(Form2, "Form2", result);
    if (aborted())
        return result;
    create(Form3, "Form3", result);
    create(Form4, "Form4", result);
    create(FIniPro, "FIniPro", result);
    if (aborted())
        return result;
    create(Certifica, "Certifica", result);
    create(profe, "profe", result);
    create(FormCat, "FormCat", result);
    create(Form6, "Form6", result);

    if (showWindows)
        form0->show();
    return result;
}

} // namespace velmira

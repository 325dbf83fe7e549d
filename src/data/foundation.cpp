#include "foundation.h"

#include "content_tables.h"
#include "encoding.h"
#include "map_geometry.h"
#include "messages.h"
#include "settings.h"

namespace velmira {

namespace {
QImage g_girl;
QImage g_empty;
} // namespace

void initialiseDataFoundation()
{
    allocateGlobalTables();
    FillProvinceKeys();
    applyFontSettings("fuente");
    decideEncoding(encodingSetting());
    g_empty = QImage();
    clearStartupAbort();
    setPictureMissing(false);
    if (!g_girl.load(QStringLiteral("chica.bmp"))) {
        showMessage(QStringLiteral("Faltan ficheros. Vuelva a instalar Velmira"));
        setPictureMissing(true);
    }
}

const QImage &girlPicture() { return g_girl; }
const QImage &emptyPicture() { return g_empty; }

} // namespace velmira

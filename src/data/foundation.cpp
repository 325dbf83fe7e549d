#include "foundation.h"

#include "content_tables.h"
#include "encoding.h"
#include "foundation_state.h"
#include "map_geometry.h"
#include "messages.h"
#include "pictures.h"
#include "settings.h"

namespace velmira {

void initialiseDataFoundation()
{
    allocateGlobalTables();
    FillProvinceKeys();
    applyFontSettings("fuente");
    decideEncoding(encodingSetting());
    foundationState().emptyPicture = QImage();
    clearStartupAbort();
    setPictureMissing(false);
    try {
        foundationState().girlPicture = readPicture(QStringLiteral("chica.bmp"));
    } catch (const FileError &) {
        showMessage(QStringLiteral("Faltan ficheros. Vuelva a instalar Velmira"));
        setPictureMissing(true);
    }
}

const QImage &girlPicture() { return foundationState().girlPicture; }
const QImage &emptyPicture() { return foundationState().emptyPicture; }

} // namespace velmira

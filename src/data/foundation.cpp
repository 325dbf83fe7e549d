#include "foundation.h"

#include "content_tables.h"
#include "encoding.h"
#include "foundation_state.h"
#include "map_geometry.h"
#include "messages.h"
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
    if (!foundationState().girlPicture.load(QStringLiteral("chica.bmp"))) {
        showMessage(QStringLiteral("Faltan ficheros. Vuelva a instalar Velmira"));
        setPictureMissing(true);
    }
}

const QImage &girlPicture() { return foundationState().girlPicture; }
const QImage &emptyPicture() { return foundationState().emptyPicture; }

} // namespace velmira

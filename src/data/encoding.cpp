#include "encoding.h"

#include "foundation_state.h"
#include "text_bytes.h"

#include <QtGlobal>

namespace velmira {

bool utfMode() { return foundationState().utfMode; }
void setUtfMode(bool on) { foundationState().utfMode = on; }

bool decideUtfMode(const QByteArray &langVariable, const QByteArray &encodingSetting)
{
    bool utf = langVariable.contains("UTF");
    if (encodingSetting == "UTF")
        utf = true;
    else if (encodingSetting == "ISO")
        utf = false;
    return utf;
}

void decideEncoding(const QByteArray &encodingSetting)
{
    setUtfMode(decideUtfMode(qgetenv("LANG"), encodingSetting));
}

QByteArray storedLine(const QByteArray &fileLine) { return utfMode() ? latin1ToUtf8(fileLine) : fileLine; }

} // namespace velmira

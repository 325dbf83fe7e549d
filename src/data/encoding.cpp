#include "encoding.h"

#include "text_bytes.h"

#include <QtGlobal>

namespace velmira {

namespace {
bool g_utfMode = false;
}

bool utfMode() { return g_utfMode; }
void setUtfMode(bool on) { g_utfMode = on; }

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

QByteArray storedLine(const QByteArray &fileLine) { return g_utfMode ? latin1ToUtf8(fileLine) : fileLine; }

} // namespace velmira

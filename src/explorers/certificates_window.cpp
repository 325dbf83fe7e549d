#include "certificates_window.h"

#include "data/colours.h"
#include "data/explorer_tables.h"

namespace velmira {

TCertifica *Certifica = nullptr;

TCertifica::TCertifica(QWidget *parent)
    : WindowBase(QStringLiteral("Certificados de Profesionalidad"), QSize(1024, 768), colour4(), parent)
{
    applyCommonLook();
    load(loadCertificatesData);
}

} // namespace velmira

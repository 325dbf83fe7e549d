#pragma once
// The smaller catalogues: initial vocational programmes ("fpip",
// "ipmodulos"), professional certificates ("certifica", "certificah") and
// other studies ("otros", "asignaot").

#include "families.h"
#include "key_index.h"
#include "sources.h"

#include <QList>

namespace velmira::build {

struct InitialProgrammes
{
    QList<QByteArray> fpip;
    QList<QByteArray> ipmodulos;
    KeyIndex programmes{QStringLiteral("initial programme")}; // key -> line after the nine groups
};

struct Certificates
{
    QList<QByteArray> certifica;
    QList<QByteArray> certificah;
};

struct OtherStudies
{
    QList<QByteArray> otros;
    QList<QByteArray> asignaot;
};

InitialProgrammes compileInitialProgrammes(const SourceSet &sources, const Families &families);
Certificates compileCertificates(const SourceSet &sources, const Families &families);
OtherStudies compileOtherStudies(const SourceSet &sources);

} // namespace velmira::build

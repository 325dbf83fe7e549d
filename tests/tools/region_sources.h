#pragma once
// Sources shared by the builder's tests: all nineteen regions, each with one
// province (so that province codes follow region numbers), Madrid (region 13)
// with a second one unless told otherwise, and two universities: usal (line 1)
// and ucm (line 2).

#include "sources.h"

inline velmira::build::SourceSet regionSources(bool secondMadridProvince = true)
{
    velmira::build::SourceSet set;
    QByteArray regions = "#fields: region | name | web\n";
    QByteArray provinces = "#fields: region | name\n";
    for (int r = 1; r <= 19; ++r) {
        regions += QByteArray::number(r) + " | Región " + QByteArray::number(r) + " | www.region"
            + QByteArray::number(r) + ".es\n";
        provinces += QByteArray::number(r) + " | Provincia " + QByteArray::number(r) + "\n";
        if (r == 13 && secondMadridProvince)
            provinces += "13 | Provincia 13 bis\n";
    }
    set.files.insert(QStringLiteral("regions.txt"), regions);
    set.files.insert(QStringLiteral("provinces.txt"), provinces);
    set.files.insert(QStringLiteral("universities.txt"),
                     "#fields: key | region | name | web\n"
                     "# a comment, then a blank line\n\n"
                     "usal | 8 | Universidad de Salamanca | usal.es\n"
                     "ucm  | 13 | Universidad Complutense de Madrid | ucm.es\n");
    return set;
}

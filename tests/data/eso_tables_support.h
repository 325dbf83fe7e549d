#pragma once
// An `itinerar` table built in a test, as the ESO tables hold it once prepared.

#include "data/eso_tables.h"
#include "data/text_bytes.h"

#include <memory>

namespace esotest {

// `itinerar` as loaded (54 wide): group g is named "Grupo <g>", modality
// line n reads "Modalidad <n>", other lines "Linea <n>"; then prepared.
inline std::unique_ptr<velmira::EsoData> itineraryData(int lineCount = 52)
{
    auto data = std::make_unique<velmira::EsoData>();
    for (int n = 1; n <= lineCount; ++n) {
        QByteArray text = "Linea " + QByteArray::number(n);
        if (n <= velmira::kItineraryGroups)
            text = "Grupo " + QByteArray::number(n);
        else if (n >= velmira::kFirstModalityLine && n <= velmira::kLastModalityLine)
            text = "Modalidad " + QByteArray::number(n);
        data->itinerar.set(n, velmira::padTo(text, velmira::kWidthEsoItineraries));
    }
    data->itinerar.setCount(lineCount);
    velmira::prepareItineraryTexts(*data);
    return data;
}

} // namespace esotest

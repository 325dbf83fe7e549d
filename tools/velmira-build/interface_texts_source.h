#pragma once
// "textos": the interface texts of one language, one record per line number.

#include "source_table.h"

#include <QList>

namespace velmira::build {

// Refuses a text longer than its line's slot (75 for a line without a slot).
QList<QByteArray> compileInterfaceTexts(const SourceTable &table);

const QStringList &interfaceTextFields();

} // namespace velmira::build

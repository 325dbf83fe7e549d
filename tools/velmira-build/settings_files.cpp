#include "settings_files.h"

#include "record_reader.h"

#include "data/settings.h"

#include <QHash>

namespace velmira::build {

SettingsFiles compileSettings(const SourceSet &sources)
{
    const SourceTable table =
        sources.table(QStringLiteral("settings.txt"), {QStringLiteral("setting"), QStringLiteral("value")},
                      Translation::None);
    QHash<QString, QByteArray> values;
    velmira::SettingsRecord record;
    const QString kValue = QStringLiteral("value");
    for (const SourceRecord &source : table.records) {
        const RecordReader reader(table, source);
        const QString setting = reader.value(QStringLiteral("setting"));
        if (setting == QLatin1String("centre")) {
            record.setCentreName(reader.text(kValue, velmira::SettingsRecord::kNameCapacity));
        } else if (setting == QLatin1String("language")) {
            record.raw[velmira::SettingsRecord::kLanguageOffset] = char(reader.number(kValue, 0, 3));
        } else if (setting == QLatin1String("theme")) {
            const QByteArray theme = reader.text(kValue, 1);
            if (theme.isEmpty() || !QByteArray("BMIHCNP").contains(theme))
                throw reader.error(QStringLiteral("field 'value': the theme is one of B, M, I, H, C, N, P"));
            record.raw[velmira::SettingsRecord::kThemeLengthOffset] = 1;
            record.raw[velmira::SettingsRecord::kThemeOffset] = theme[0];
        } else if (setting == QLatin1String("font")) {
            values.insert(setting, reader.text(kValue, 60));
        } else if (setting == QLatin1String("encoding")) {
            const QByteArray encoding = reader.text(kValue, 3);
            if (encoding != "UTF" && encoding != "ISO" && encoding != "-")
                throw reader.error(QStringLiteral("field 'value': the encoding is UTF, ISO or -"));
            values.insert(setting, encoding);
        } else {
            throw reader.error(QStringLiteral("unknown setting '%1'").arg(setting));
        }
    }
    return {record.raw,
            values.value(QStringLiteral("font")) + '\n' + values.value(QStringLiteral("encoding")) + '\n'};
}

} // namespace velmira::build

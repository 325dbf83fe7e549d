// The sample installation speaks every language it offers: a per-language
// file that is mostly a copy of the Castilian one (more than two thirds of
// its lines the same, line for line) would show a pupil who chose Catalan,
// Galician or Basque Castilian pages. Names of professions, centres and
// titles that are written alike keep a translated file well below that.

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QList<QByteArray> lines(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
}

bool mostlyACopy(const QList<QByteArray> &translated, const QList<QByteArray> &castilian)
{
    int text = 0;
    int same = 0;
    for (qsizetype i = 0; i < castilian.size(); ++i) {
        if (castilian[i].trimmed().isEmpty())
            continue;
        ++text;
        same += i < translated.size() && translated[i] == castilian[i];
    }
    return 3 * same > 2 * text;
}

} // namespace

class LanguageCopiesTest : public QObject
{
    Q_OBJECT

private slots:
    void noPerLanguageFileIsMostlyACopyOfTheCastilianOne()
    {
        const QDir sample(QStringLiteral(VELMIRA_SAMPLE_DIR));
        QStringList copies;
        int files = 0;
        for (const QString language : {"catVal", "galego", "euskera"}) {
            for (const QString &name : QDir(sample.filePath(language)).entryList(QDir::Files)) {
                ++files;
                const QString file = language + QLatin1Char('/') + name;
                if (mostlyACopy(lines(sample.filePath(file)), lines(sample.filePath(name))))
                    copies << file;
            }
        }
        QVERIFY2(files >= 3 * 34, qPrintable(QStringLiteral("only %1 per-language files").arg(files)));
        QVERIFY2(copies.isEmpty(),
                 qPrintable(QStringLiteral("Castilian copies: ") + copies.join(QLatin1Char(' '))));
    }
};

QTEST_GUILESS_MAIN(LanguageCopiesTest)
#include "tst_language_copies.moc"

// A broken cross reference in a copy of the sample sources, or in an
// installed file, is named with its file and line (or row).

#include "installation.h"
#include "source_error.h"
#include "sources.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace velmira::build;

namespace {

// Replaces the first match of the pattern in one source and returns the line
// number it was on.
int breakSource(SourceSet &sources, const QString &file, const QRegularExpression &pattern,
                const QString &replacement)
{
    QString text = QString::fromUtf8(sources.files.value(file));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return 0;
    const int line = text.left(match.capturedStart()).count(QLatin1Char('\n')) + 1;
    text.replace(match.capturedStart(), match.capturedLength(), replacement);
    sources.files.insert(file, text.toUtf8());
    return line;
}

QString compileError(const SourceSet &sources)
{
    try {
        compileInstallation(sources);
    } catch (const SourceError &error) {
        return error.message();
    }
    return {};
}

} // namespace

class BrokenReferencesTest : public QObject
{
    Q_OBJECT

    SourceSet m_sources;

private slots:
    void initTestCase()
    {
        m_sources = readSourceDirectory(QStringLiteral(VELMIRA_CONTENT_DIR));
        QVERIFY(m_sources.files.contains(QStringLiteral("degrees.txt")));
        QCOMPARE(compileError(m_sources), QString());
    }

    void unknownReferencesAreNamedWithFileAndLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        // A degree's profession, a title's family, a centre's degree, a
        // translation's key: each points into another file.
        QTest::newRow("degree profession") << "degrees.txt"
                                           << "\\| medico "
                                           << "| cirujano-jefe ";
        QTest::newRow("centre of a degree") << "degree-centres.txt"
                                            << "^medicina "
                                            << "medicine ";
        QTest::newRow("higher title family") << "higher-titles.txt"
                                             << "(?<=Energías Renovables \\| )M"
                                             << "Z";
        QTest::newRow("translated degree") << "catVal/degrees.txt"
                                           << "^medicina "
                                           << "medecina ";
    }

    void unknownReferencesAreNamedWithFileAndLine()
    {
        QFETCH(QString, file);
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        SourceSet broken = m_sources;
        if (!broken.files.contains(file))
            QSKIP("this source is not in the sample yet");
        const int line = breakSource(
            broken, file, QRegularExpression(pattern, QRegularExpression::MultilineOption), replacement);
        QVERIFY2(line > 0, "the pattern matches nothing in the sample");
        const QString error = compileError(broken);
        QVERIFY2(error.startsWith(QStringLiteral("content/%1:%2: ").arg(file).arg(line)), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(BrokenReferencesTest)
#include "tst_broken_references.moc"

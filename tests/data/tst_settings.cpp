// The settings files: "fuente" (font name and encoding setting) and the
// 86-byte "clave12" record (centre name, language, theme), read and written.

#include "data_test_support.h"

#include "data/encoding.h"
#include "data/language.h"
#include "data/messages.h"
#include "data/record_files.h"
#include "data/settings.h"
#include "data/text_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <unistd.h>

using namespace velmira;
using namespace testsupport;

namespace {

// A record whose reserved bytes all differ from zero, so that a save that
// disturbs any of them shows.
QByteArray sampleRecord(const QByteArray &latin1Name, unsigned char language, const QByteArray &theme)
{
    QByteArray raw(SettingsRecord::kSize, '\0');
    for (int i = 0; i < raw.size(); ++i)
        raw[i] = static_cast<char>(0xA0 + i);
    const QByteArray encoded = encodeCentreName(latin1Name);
    raw[1] = static_cast<char>(latin1Name.size());
    raw.replace(2, encoded.size(), encoded);
    raw[58] = static_cast<char>(language);
    raw[62] = static_cast<char>(theme.size());
    if (!theme.isEmpty())
        raw[63] = theme[0];
    return raw;
}

// True when file permissions do not stop this process from writing
// (running as root, for instance).
bool permissionsIgnored(const QString &readOnlyDir)
{
    QFile probe(readOnlyDir + QStringLiteral("/.probe"));
    const bool wrote = probe.open(QIODevice::WriteOnly);
    if (wrote) {
        probe.close();
        probe.remove();
    }
    return wrote || ::geteuid() == 0;
}

QStringList entries() { return QDir().entryList(QDir::Files | QDir::Hidden | QDir::System); }

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { resetFoundationState(); }

    void fontSettingsTrailingBlanks();
    void fontSettingsEmptyFirstLine();
    void fontSettingsMissingFile();
    void fontSettingsWriteAndReadBack();
    void fontSettingsUnwritable();

    void centreNameEncoding();
    void readSettingsRecord();
    void readSettingsRecordUtfMode();
    void readSettingsRecordOddLengths();
    void shortOrMissingRecord();
    void saveChangesOnlyLanguageAndTheme();
    void saveReplacesWholeFile();
    void saveThemeCutToOneLetter();
    void readOnlyInstallation();
};

void TestSettings::init() { resetFoundationState(); }

void TestSettings::fontSettingsTrailingBlanks()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("fuente", "Courier   \nISO  \n"));
    QCOMPARE(ReadFontSettings("fuente"), QByteArray("Courier"));
    QCOMPARE(encodingSetting(), QByteArray("ISO"));

    applyFontSettings("fuente");
    QCOMPARE(fontName(), QByteArray("Courier"));
    QVERIFY(!velmira::decideUtfMode("C.UTF-8", encodingSetting()));

    // CR LF line ends and a missing second line.
    QVERIFY(writeFile("fuente", "Times New Roman \r\n"));
    setEncodingSetting("UTF");
    QCOMPARE(ReadFontSettings("fuente"), QByteArray("Times New Roman"));
    QCOMPARE(encodingSetting(), QByteArray());
}

void TestSettings::fontSettingsEmptyFirstLine()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("fuente", "\nUTF\n"));
    setFontName("Verdana");
    applyFontSettings("fuente");
    QCOMPARE(fontName(), QByteArray("Arial"));
    QCOMPARE(encodingSetting(), QByteArray("UTF"));

    QVERIFY(writeFile("fuente", "     \n-\n"));
    applyFontSettings("fuente");
    QCOMPARE(fontName(), QByteArray("Arial"));
    QCOMPARE(encodingSetting(), QByteArray("-"));

    QVERIFY(writeFile("fuente", QByteArray()));
    applyFontSettings("fuente");
    QCOMPARE(fontName(), QByteArray("Arial"));
}

void TestSettings::fontSettingsMissingFile()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    MessageCatcher catcher;
    setFontName("Verdana");
    setEncodingSetting("UTF");
    QCOMPARE(ReadFontSettings("fuente"), QByteArray("Verdana"));
    QCOMPARE(encodingSetting(), QByteArray("UTF"));
    QCOMPARE(catcher.messages(),
             QStringList{QStringLiteral("Faltan ficheros (fuente). Vuelva a instalar el programa")});
    QVERIFY(!startupAborted());

    // At start the font name is empty: the caller falls back to Arial.
    setFontName(QByteArray());
    setEncodingSetting(QByteArray());
    applyFontSettings("fuente");
    QCOMPARE(fontName(), QByteArray("Arial"));
    QCOMPARE(encodingSetting(), QByteArray());
    QVERIFY(!startupAborted());
}

void TestSettings::fontSettingsWriteAndReadBack()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("fuente", "Arial\n-\nuna tercera linea que sobra\n"));
    setFontName("Courier New");
    setEncodingSetting("ISO");
    MessageCatcher catcher;
    QVERIFY(WriteFontSettings("fuente"));
    QVERIFY(catcher.messages().isEmpty());
    QCOMPARE(readFile("fuente"), QByteArray("Courier New\nISO\n"));
    QCOMPARE(entries(), QStringList{QStringLiteral("fuente")});

    setFontName(QByteArray());
    setEncodingSetting(QByteArray());
    applyFontSettings("fuente");
    QCOMPARE(fontName(), QByteArray("Courier New"));
    QCOMPARE(encodingSetting(), QByteArray("ISO"));
}

void TestSettings::fontSettingsUnwritable()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    setFontName("Courier");
    setEncodingSetting("UTF");
    MessageCatcher catcher;
    QVERIFY(!WriteFontSettings("no/existe/fuente"));
    QCOMPARE(catcher.messages(), QStringList{QStringLiteral("No puedo grabar")});
    QVERIFY(entries().isEmpty());
    QVERIFY(!QFileInfo::exists(QStringLiteral("no")));
}

void TestSettings::centreNameEncoding()
{
    QByteArray every;
    for (int b = 0; b < 256; ++b)
        every.append(static_cast<char>(b));
    QCOMPARE(decodeCentreName(encodeCentreName(every)), every);
    QCOMPARE(encodeCentreName(every).size(), every.size());

    const QByteArray name("IES Rosal\xED"
                          "a de Castro",
                          21);
    SettingsRecord record;
    record.setCentreName(name);
    QCOMPARE(record.centreName(), name);
    QCOMPARE(static_cast<int>(record.raw[1]), name.size());
    QCOMPARE(record.raw.size(), SettingsRecord::kSize);

    // A name longer than the 56 characters of the record is cut.
    const QByteArray longName(70, 'N');
    record.setCentreName(longName);
    QCOMPARE(record.centreName(), longName.left(56));
    QCOMPARE(record.raw.size(), SettingsRecord::kSize);
    QCOMPARE(static_cast<unsigned char>(record.raw[58]), static_cast<unsigned char>(0));
}

void TestSettings::readSettingsRecord()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray name("Colegio Nuestra Se\xF1"
                          "ora",
                          23);
    const QByteArray raw = sampleRecord(name, 2, "M");
    QVERIFY(writeFile("clave12", raw));

    QVERIFY(ReadSettingsRecord("clave12"));
    QCOMPARE(settingsRecord().raw, raw);
    QCOMPARE(centreName(), name);
    QCOMPARE(currentLanguage(), static_cast<unsigned char>(2));
    QVERIFY(notCastilian());
    QCOMPARE(languageDirectory(), QByteArray("galego/"));
    QCOMPARE(currentTheme(), QByteArray("M"));
    QCOMPARE(settingsRecordBytes(), raw); // nothing changed yet

    QVERIFY(writeFile("clave12", sampleRecord("Centro", 0, "")));
    QVERIFY(ReadSettingsRecord("clave12"));
    QCOMPARE(centreName(), QByteArray("Centro"));
    QVERIFY(!notCastilian());
    QCOMPARE(languageDirectory(), QByteArray());
    QCOMPARE(currentTheme(), QByteArray());
}

void TestSettings::readSettingsRecordUtfMode()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("clave12", sampleRecord(QByteArray("IES M\xE1laga", 10), 5, "B")));
    setUtfMode(true);
    QVERIFY(ReadSettingsRecord("clave12"));
    QCOMPARE(centreName(), QByteArray("IES M\xC3\xA1laga", 11));
    QCOMPARE(displayText(centreName()), QStringLiteral("IES Málaga"));
    // Language 5: no directory, still not Castilian.
    QVERIFY(notCastilian());
    QCOMPARE(languageDirectory(), QByteArray());
}

void TestSettings::readSettingsRecordOddLengths()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QByteArray raw = sampleRecord("ABC", 1, "I");
    raw[1] = static_cast<char>(250); // a name length beyond the 56 characters
    raw[62] = static_cast<char>(9);  // a theme length beyond one letter
    QVERIFY(writeFile("clave12", raw));
    QVERIFY(ReadSettingsRecord("clave12"));
    QCOMPARE(centreName().size(), 56);
    QCOMPARE(currentTheme(), QByteArray("I"));
    QCOMPARE(languageDirectory(), QByteArray("catVal/"));

    // A longer file: the first record is read.
    QVERIFY(writeFile("clave12", sampleRecord("Uno", 3, "C") + sampleRecord("Dos", 1, "P")));
    QVERIFY(ReadSettingsRecord("clave12"));
    QCOMPARE(centreName(), QByteArray("Uno"));
    QCOMPARE(currentLanguage(), static_cast<unsigned char>(3));
}

void TestSettings::shortOrMissingRecord()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!ReadSettingsRecord("clave12"));
    // Reading, and the writability probe before it, create nothing: the start
    // that reports the missing record must not leave an empty one behind.
    QVERIFY(!QFileInfo::exists(QStringLiteral("clave12")));
    QVERIFY(writeFile("clave12", sampleRecord("Centro", 2, "H").left(85)));
    QVERIFY(!ReadSettingsRecord("clave12"));
    QVERIFY(writeFile("clave12", QByteArray()));
    QVERIFY(!ReadSettingsRecord("clave12"));
}

void TestSettings::saveChangesOnlyLanguageAndTheme()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QByteArray original = sampleRecord("Instituto", 0, "");
    original[63] = 'B'; // a stale letter behind a theme length of 0
    QVERIFY(writeFile("clave12", original));
    QVERIFY(ReadSettingsRecord("clave12"));

    setCurrentTheme("H");
    setCurrentLanguage(2);
    WriteSettingsRecord("clave12");

    const QByteArray saved = readFile("clave12");
    QCOMPARE(saved.size(), SettingsRecord::kSize);
    QList<int> changed;
    for (int i = 0; i < saved.size(); ++i)
        if (saved[i] != original[i])
            changed << i;
    QCOMPARE(changed, (QList<int>{58, 62, 63}));
    QCOMPARE(static_cast<unsigned char>(saved[58]), static_cast<unsigned char>(2));
    QCOMPARE(static_cast<unsigned char>(saved[62]), static_cast<unsigned char>(1));
    QCOMPARE(saved[63], 'H');

    // Read back: the new language and theme, the same centre name.
    setCurrentLanguage(0);
    setCurrentTheme(QByteArray());
    QVERIFY(ReadSettingsRecord("clave12"));
    QCOMPARE(currentLanguage(), static_cast<unsigned char>(2));
    QCOMPARE(currentTheme(), QByteArray("H"));
    QCOMPARE(centreName(), QByteArray("Instituto"));
}

void TestSettings::saveReplacesWholeFile()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray original = sampleRecord("Centro", 1, "N");
    QVERIFY(writeFile("clave12", original));
    QVERIFY(ReadSettingsRecord("clave12"));
    // A second name for the old file: a save that rewrote it in place would
    // change what this link shows.
    QVERIFY(::link("clave12", "clave12.old") == 0);

    setCurrentLanguage(3);
    WriteSettingsRecord("clave12");
    QCOMPARE(readFile("clave12.old"), original);
    const QByteArray saved = readFile("clave12");
    QCOMPARE(saved.size(), SettingsRecord::kSize);
    QCOMPARE(static_cast<unsigned char>(saved[58]), static_cast<unsigned char>(3));
    QStringList expected{QStringLiteral("clave12"), QStringLiteral("clave12.old")};
    QCOMPARE(entries(), expected);

    // The font settings are replaced the same way.
    QVERIFY(writeFile("fuente", "Arial\n-\n"));
    QVERIFY(::link("fuente", "fuente.old") == 0);
    setFontName("Courier");
    setEncodingSetting("UTF");
    QVERIFY(WriteFontSettings("fuente"));
    QCOMPARE(readFile("fuente.old"), QByteArray("Arial\n-\n"));
    QCOMPARE(readFile("fuente"), QByteArray("Courier\nUTF\n"));
    expected << QStringLiteral("fuente") << QStringLiteral("fuente.old");
    QCOMPARE(entries(), expected);

    // Saving into a directory that does not exist leaves nothing behind.
    bool raised = false;
    try {
        WriteSettingsRecord("no/existe/clave12");
    } catch (const FileError &error) {
        raised = true;
        QCOMPARE(error.fileName(), QByteArray("no/existe/clave12"));
    }
    QVERIFY(raised);
    QCOMPARE(entries(), expected);
}

void TestSettings::saveThemeCutToOneLetter()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile("clave12", sampleRecord("Centro", 0, "M")));
    QVERIFY(ReadSettingsRecord("clave12"));
    setCurrentTheme("Ponente");
    QCOMPARE(settingsRecordBytes()[62], '\1');
    QCOMPARE(settingsRecordBytes()[63], 'P');
    // An empty theme: length 0, the letter byte as read.
    setCurrentTheme(QByteArray());
    QCOMPARE(settingsRecordBytes()[62], '\0');
    QCOMPARE(settingsRecordBytes()[63], 'M');
}

void TestSettings::readOnlyInstallation()
{
    ScratchDir dir;
    QVERIFY(dir.isValid());
    const QByteArray original = sampleRecord("Centro", 2, "H");
    QVERIFY(writeFile("clave12", original));
    QVERIFY(writeFile("datfpm", QByteArray(4000, '\0')));
    QVERIFY(writeFile("fuente", "Arial\n-\n"));
    QFile::setPermissions(QStringLiteral("clave12"), QFile::ReadOwner | QFile::ReadGroup);
    QFile::setPermissions(QStringLiteral("fuente"), QFile::ReadOwner | QFile::ReadGroup);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool ignored = permissionsIgnored(dir.path());

    struct RestoreWritable
    {
        QString path;
        ~RestoreWritable()
        {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(path + "/clave12", QFile::ReadOwner | QFile::WriteOwner);
            QFile::setPermissions(path + "/fuente", QFile::ReadOwner | QFile::WriteOwner);
        }
    } restore{dir.path()};

    if (ignored)
        QSKIP("file permissions do not stop writes for this user (root): a read-only "
              "installation cannot be simulated");

    QVERIFY(!probeWritableRecord("clave12"));
    QVERIFY(recordFilesReadOnly());

    // Still read, read-only.
    QVERIFY(ReadSettingsRecord("clave12"));
    QVERIFY(recordFilesReadOnly());
    QCOMPARE(currentLanguage(), static_cast<unsigned char>(2));
    MiddleTitleRows rows;
    LoadTitleRows("datfpm", rows);

    setCurrentLanguage(1);
    bool raised = false;
    try {
        WriteSettingsRecord("clave12");
    } catch (const FileError &error) {
        raised = true;
        QCOMPARE(error.fileName(), QByteArray("clave12"));
    }
    QVERIFY(raised);
    QCOMPARE(readFile("clave12"), original);

    MessageCatcher catcher;
    setFontName("Courier");
    QVERIFY(!WriteFontSettings("fuente"));
    QCOMPARE(catcher.messages(), QStringList{QStringLiteral("No puedo grabar")});
    QCOMPARE(readFile("fuente"), QByteArray("Arial\n-\n"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

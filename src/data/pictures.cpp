#include "pictures.h"

#include "messages.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cstdio>
#include <unistd.h>

namespace velmira {

namespace {

// libpng reports a damaged picture on standard error itself, past every
// message handler of the program. While a picture is decoded, standard error
// goes to a scratch file, and what lands there becomes part of the reason.
class CapturedStandardError
{
public:
    CapturedStandardError()
        : m_file(std::tmpfile())
    {
        std::fflush(stderr);
        m_saved = m_file ? dup(STDERR_FILENO) : -1;
        if (m_saved >= 0)
            dup2(fileno(m_file), STDERR_FILENO);
    }
    ~CapturedStandardError()
    {
        restore();
        if (m_file)
            std::fclose(m_file);
    }
    CapturedStandardError(const CapturedStandardError &) = delete;
    CapturedStandardError &operator=(const CapturedStandardError &) = delete;

    // Puts standard error back and returns what was written meanwhile.
    QString release()
    {
        restore();
        if (!m_file)
            return {};
        std::rewind(m_file);
        QByteArray text;
        char buffer[512];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
            text.append(buffer, static_cast<qsizetype>(n));
        return QString::fromLocal8Bit(text).simplified();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }

    std::FILE *m_file = nullptr;
    int m_saved = -1;
};

} // namespace

QImage readPicture(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(name.toLocal8Bit(), file.errorString());
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    CapturedStandardError decoderWords;
    const QImage image = reader.read();
    const QString said = decoderWords.release();
    if (image.isNull())
        throw FileError(name.toLocal8Bit(),
                        said.isEmpty()
                            ? reader.errorString()
                            : reader.errorString() + QStringLiteral(" (") + said + QLatin1Char(')'));
    return image;
}

QPixmap loadPicture(const QString &name) { return QPixmap::fromImage(readPicture(name)); }

std::vector<QPixmap> loadStrip(const QString &name, int frames)
{
    const QPixmap strip = loadPicture(name);
    const int width = strip.width() / frames;
    std::vector<QPixmap> out;
    for (int i = 0; i < frames; ++i)
        out.push_back(strip.copy(i * width, 0, width, strip.height()));
    return out;
}

} // namespace velmira

#include "gif_writer.h"

#include <QHash>

#include <algorithm>

namespace velmira::pictures {

namespace {

constexpr int kMaxCode = 4095; // codes are at most 12 bits wide

class BitWriter
{
public:
    void write(int code, int width)
    {
        m_buffer |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(char(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_buffer & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_bits = 0;
};

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// The palette: every colour of the frames, or the 256 most frequent ones.
QVector<QRgb> buildPalette(const QVector<QImage> &frames)
{
    QHash<QRgb, int> counts;
    for (const QImage &frame : frames)
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                ++counts[frame.pixel(x, y) | 0xFF000000];
    QVector<QPair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.push_back({it.value(), it.key()});
    std::sort(byCount.begin(), byCount.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QVector<QRgb> palette;
    for (int i = 0; i < byCount.size() && i < 256; ++i)
        palette.push_back(byCount[i].second);
    return palette;
}

int nearestIndex(const QVector<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QByteArray frameIndices(const QImage &frame, const QVector<QRgb> &palette, QHash<QRgb, int> &lookup)
{
    QByteArray indices;
    indices.reserve(frame.width() * frame.height());
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb colour = frame.pixel(x, y) | 0xFF000000;
            auto it = lookup.find(colour);
            if (it == lookup.end())
                it = lookup.insert(colour, nearestIndex(palette, colour));
            indices.append(char(it.value()));
        }
    return indices;
}

void appendSubBlocks(QByteArray &out, const QByteArray &data)
{
    for (int at = 0; at < data.size(); at += 255) {
        const int length = std::min(255, int(data.size()) - at);
        out.append(char(length));
        out.append(data.mid(at, length));
    }
    out.append(char(0));
}

} // namespace

QByteArray gifLzw(const QByteArray &indices, int minimumCodeSize)
{
    const int clearCode = 1 << minimumCodeSize;
    const int endCode = clearCode + 1;
    BitWriter bits;
    QHash<int, int> table; // (prefix code << 8 | next index) -> code
    int width = minimumCodeSize + 1;
    int nextCode = endCode + 1;
    bits.write(clearCode, width);
    if (indices.isEmpty()) {
        bits.write(endCode, width);
        return bits.finish();
    }
    int prefix = quint8(indices[0]);
    for (int i = 1; i < indices.size(); ++i) {
        const int index = quint8(indices[i]);
        const int key = (prefix << 8) | index;
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = found.value();
            continue;
        }
        bits.write(prefix, width);
        if (nextCode <= kMaxCode) {
            // A decoder widens its codes as soon as the new code needs it.
            if (nextCode == (1 << width) && width < 12)
                ++width;
            table.insert(key, nextCode++);
        } else {
            // The table is full: start a fresh one.
            bits.write(clearCode, width);
            table.clear();
            width = minimumCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = index;
    }
    bits.write(prefix, width);
    bits.write(endCode, width);
    return bits.finish();
}

QByteArray animatedGif(const QVector<QImage> &frames, int delay)
{
    if (frames.isEmpty())
        return {};
    const int width = frames.first().width();
    const int height = frames.first().height();
    QVector<QRgb> palette = buildPalette(frames);
    int depth = 1; // the palette holds 2^depth entries
    while ((1 << depth) < palette.size())
        ++depth;
    palette.resize(1 << depth);

    QByteArray out("GIF89a");
    appendWord(out, width);
    appendWord(out, height);
    out.append(char(0x80 | ((depth - 1) << 4) | (depth - 1))); // global palette follows
    out.append(char(0));                                       // background colour index
    out.append(char(0));                                       // no aspect ratio
    for (QRgb colour : palette) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    // Loop for ever.
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    appendWord(out, 0);
    out.append(char(0));

    QHash<QRgb, int> lookup;
    const int minimumCodeSize = std::max(2, depth);
    for (const QImage &frame : frames) {
        const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
        out.append("\x21\xF9\x04\x04", 4); // graphic control: keep the frame
        appendWord(out, delay);
        out.append(char(0));
        out.append(char(0));
        out.append(char(0x2C)); // image descriptor, whole picture, no local palette
        appendWord(out, 0);
        appendWord(out, 0);
        appendWord(out, width);
        appendWord(out, height);
        out.append(char(0));
        out.append(char(minimumCodeSize));
        appendSubBlocks(out, gifLzw(frameIndices(pixels, palette, lookup), minimumCodeSize));
    }
    out.append(char(0x3B));
    return out;
}

} // namespace velmira::pictures

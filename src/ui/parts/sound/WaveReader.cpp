#include "ui/parts/sound/WaveReader.h"

#include <QtEndian>

namespace cardova::ui {

namespace {

constexpr qsizetype kRiffHeaderSize = 12; // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeaderSize = 8; // id, size
constexpr qsizetype kFmtMinSize = 16;
constexpr qsizetype kFmtExtensibleMinSize = 40;
constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatExtensible = 0xFFFE;
constexpr int kBitsPerSample = 16;
constexpr int kMinRate = 4000;
constexpr int kMaxRate = 192000;

struct Format {
    int channels = 0;
    int rate = 0;
};

quint16 u16(const char *at) { return qFromLittleEndian<quint16>(at); }
quint32 u32(const char *at) { return qFromLittleEndian<quint32>(at); }

// The format of a "fmt " chunk, or a problem.
QString readFormat(QByteArrayView body, Format *format)
{
    if (body.size() < kFmtMinSize)
        return QStringLiteral("the fmt chunk is too short");
    quint16 tag = u16(body.data());
    // The extensible form names its real format in its sub-format's first two bytes.
    if (tag == kFormatExtensible && body.size() >= kFmtExtensibleMinSize)
        tag = u16(body.data() + 24);
    const int channels = u16(body.data() + 2);
    const quint32 rate = u32(body.data() + 4);
    const int blockAlign = u16(body.data() + 12);
    const int bits = u16(body.data() + 14);
    if (tag != kFormatPcm)
        return QStringLiteral("not PCM data (format %1)").arg(tag);
    if (bits != kBitsPerSample)
        return QStringLiteral("%1-bit samples, not 16-bit").arg(bits);
    if (channels != 1 && channels != 2)
        return QStringLiteral("%1 channels, not 1 or 2").arg(channels);
    if (rate < quint32(kMinRate) || rate > quint32(kMaxRate))
        return QStringLiteral("a rate of %1 Hz").arg(rate);
    if (blockAlign != channels * kBitsPerSample / 8)
        return QStringLiteral("a block size of %1 bytes for %2 channels").arg(blockAlign).arg(channels);
    format->channels = channels;
    format->rate = int(rate);
    return {};
}

} // namespace

WaveReadResult readWave(QByteArrayView bytes)
{
    auto fail = [](const QString &why) { return WaveReadResult{{}, why}; };
    if (bytes.size() < kRiffHeaderSize || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE")
        return fail(QStringLiteral("not a RIFF/WAVE file"));

    Format format;
    bool haveFormat = false;
    QByteArrayView data;
    bool haveData = false;
    qsizetype pos = kRiffHeaderSize;
    while (bytes.size() - pos >= kChunkHeaderSize) {
        const QByteArrayView id = bytes.sliced(pos, 4);
        const quint32 size = u32(bytes.data() + pos + 4);
        const qsizetype body = pos + kChunkHeaderSize;
        if (size > quint64(bytes.size() - body))
            return fail(id == "data" ? QStringLiteral("the data chunk is truncated")
                                     : QStringLiteral("a chunk runs past the end of the file"));
        if (id == "fmt " && !haveFormat) {
            const QString problem = readFormat(bytes.sliced(body, size), &format);
            if (!problem.isEmpty())
                return fail(problem);
            haveFormat = true;
        } else if (id == "data" && !haveData) {
            data = bytes.sliced(body, size);
            haveData = true;
        }
        // A chunk of odd size is followed by one byte of padding.
        pos = body + qsizetype(size) + qsizetype(size & 1);
    }
    if (!haveFormat)
        return fail(QStringLiteral("no fmt chunk"));
    if (!haveData)
        return fail(QStringLiteral("no data chunk"));

    const qsizetype frameBytes = qsizetype(format.channels) * kBitsPerSample / 8;
    const qsizetype frames = data.size() / frameBytes; // a partial last frame is dropped
    if (frames == 0)
        return fail(QStringLiteral("no samples"));
    WaveReadResult result;
    result.sound.rate = format.rate;
    result.sound.channels = format.channels;
    result.sound.samples.resize(size_t(frames * format.channels));
    for (size_t i = 0; i < result.sound.samples.size(); ++i)
        result.sound.samples[i] = qFromLittleEndian<qint16>(data.data() + 2 * i);
    return result;
}

} // namespace cardova::ui

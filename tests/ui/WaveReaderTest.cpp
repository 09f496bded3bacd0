// The WAV reader (the bundled waves are read in SoundTest): the layouts a
// valid file may have, and every kind of damaged or unsupported file giving
// no samples and a reason.
#include "ui/parts/sound/PcmSound.h"
#include "ui/parts/sound/WaveReader.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <cstring>
#include <memory>

using namespace cardova::ui;

namespace {

QByteArray le16(int v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(quint16(v), b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(v, b.data());
    return b;
}

// A chunk with its padding byte when its size is odd; `declared` overrides the size field.
QByteArray chunk(const char *id, const QByteArray &body, qint64 declared = -1)
{
    QByteArray c = QByteArray(id) + le32(quint32(declared < 0 ? body.size() : declared)) + body;
    if (body.size() % 2)
        c += '\0';
    return c;
}

QByteArray fmtBody(int tag, int channels, int rate, int bits)
{
    const int block = channels * bits / 8;
    return le16(tag) + le16(channels) + le32(quint32(rate)) + le32(quint32(rate * block)) + le16(block) + le16(bits);
}

QByteArray samples(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b += le16(v);
    return b;
}

QByteArray riff(const QByteArray &chunks) { return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks; }

const QByteArray kMonoFmt = chunk("fmt ", fmtBody(1, 1, 22050, 16));
const QByteArray kData = chunk("data", samples({1, -2, 32767, -32768}));

// Reads from a buffer of exactly the file's size, so a read past the end
// touches memory the reader was not given (caught under the sanitizer).
WaveReadResult readExact(const QByteArray &bytes)
{
    const auto copy = std::make_unique<char[]>(size_t(bytes.size()) + 1);
    std::memcpy(copy.get(), bytes.constData(), size_t(bytes.size()));
    return readWave(QByteArrayView(copy.get(), bytes.size()));
}

} // namespace

TEST(WaveReader, ReadsChunksInAnyOrderSkippingUnknownOnesAndTheirPadding)
{
    const QByteArray odd = chunk("LIST", "abc"); // 3 bytes and a padding byte
    const QByteArray stereoFmt = chunk("fmt ", fmtBody(1, 2, 44100, 16));
    const WaveReadResult read = readExact(riff(odd + chunk("data", samples({5, -5, 300, -300})) + odd + stereoFmt));
    ASSERT_TRUE(read.ok()) << qPrintable(read.problem);
    EXPECT_EQ(read.sound.rate, 44100);
    EXPECT_EQ(read.sound.channels, 2);
    EXPECT_EQ(read.sound.samples, (std::vector<int16_t>{5, -5, 300, -300}));
    EXPECT_EQ(read.sound.frames(), 2u);

    // The extremes of 16 bits, and a data chunk at the very end of the file.
    const WaveReadResult extremes = readExact(riff(kMonoFmt + kData));
    ASSERT_TRUE(extremes.ok()) << qPrintable(extremes.problem);
    EXPECT_EQ(extremes.sound.samples, (std::vector<int16_t>{1, -2, 32767, -32768}));

    // The extensible header naming PCM as its sub-format.
    QByteArray extensible = fmtBody(0xFFFE, 1, 8000, 16) + le16(22) + le16(16) + le32(4) + le16(1);
    extensible += QByteArray(14, '\x01'); // the rest of the sub-format's GUID
    const WaveReadResult ext = readExact(riff(chunk("fmt ", extensible) + kData));
    ASSERT_TRUE(ext.ok()) << qPrintable(ext.problem);
    EXPECT_EQ(ext.sound.rate, 8000);

    // A last odd byte of data is half a sample: it is dropped.
    const WaveReadResult half = readExact(riff(kMonoFmt + chunk("data", samples({7, 8}) + "\x09")));
    ASSERT_TRUE(half.ok()) << qPrintable(half.problem);
    EXPECT_EQ(half.sound.samples, (std::vector<int16_t>{7, 8}));
}

TEST(WaveReader, DamagedOrUnsupportedFilesGiveNoSamplesAndAReason)
{
    const QByteArray good = riff(kMonoFmt + kData);
    QByteArray notWave = good;
    notWave.replace(8, 4, "AVI ");
    QByteArray badBlock = fmtBody(1, 1, 22050, 16);
    badBlock.replace(12, 2, le16(4));
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"an empty file", QByteArray()},
        {"only the RIFF header's start", good.left(10)},
        {"another RIFF form", notWave},
        {"not RIFF at all", "RIFX" + good.mid(4)},
        {"a missing fmt chunk", riff(kData)},
        {"a missing data chunk", riff(kMonoFmt)},
        {"a fmt chunk too short", riff(chunk("fmt ", fmtBody(1, 1, 22050, 16).left(12)) + kData)},
        {"8-bit samples", riff(chunk("fmt ", fmtBody(1, 1, 22050, 8)) + kData)},
        {"float samples", riff(chunk("fmt ", fmtBody(3, 1, 22050, 32)) + kData)},
        {"three channels", riff(chunk("fmt ", fmtBody(1, 3, 22050, 16)) + kData)},
        {"no channel", riff(chunk("fmt ", fmtBody(1, 0, 22050, 16)) + kData)},
        {"a rate of 0 Hz", riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + kData)},
        {"a block size that does not fit", riff(chunk("fmt ", badBlock) + kData)},
        {"a data chunk cut short", riff(kMonoFmt + kData).chopped(3)},
        {"a data size larger than the file", riff(kMonoFmt + chunk("data", samples({1, 2}), 0xFFFFFFFF))},
        {"an unknown chunk running past the end", riff(kMonoFmt + kData + chunk("LIST", "abcd", 400))},
        {"a chunk of the largest size before the fmt", riff(chunk("JUNK", "ab", 0xFFFFFFFE) + kMonoFmt + kData)},
        {"an empty data chunk", riff(kMonoFmt + chunk("data", {}))},
        {"a data chunk with half a sample", riff(kMonoFmt + chunk("data", "\x01"))},
    };
    for (const auto &c : cases) {
        const WaveReadResult read = readExact(c.bytes);
        EXPECT_FALSE(read.ok()) << c.what;
        EXPECT_FALSE(read.problem.isEmpty()) << c.what;
        EXPECT_TRUE(read.sound.samples.empty()) << c.what;
    }
}

TEST(WaveReader, EveryCutOfAFileIsRefusedAndNoDamagedByteCrashesIt)
{
    const QByteArray good = riff(kMonoFmt + kData);
    for (qsizetype n = 0; n < good.size(); ++n)
        EXPECT_FALSE(readExact(good.left(n)).ok()) << "cut after " << n << " bytes";
    // Any byte of the headers set to any of a few values: read or refused, never more samples than bytes.
    for (qsizetype at = 0; at < good.size() - 8; ++at) {
        for (const char value : {'\0', '\x01', '\x7f', '\x80', '\xff'}) {
            QByteArray damaged = good;
            damaged[at] = value;
            const WaveReadResult read = readExact(damaged);
            EXPECT_LE(read.sound.samples.size() * 2, size_t(damaged.size()));
            EXPECT_EQ(read.ok(), !read.sound.samples.empty());
        }
    }
}

TEST(PcmSound, ConvertsChannelsAndRate)
{
    const PcmSound mono{100, 1, {0, 1000, -1000}};
    EXPECT_EQ(converted(mono, 100, 2).samples, (std::vector<int16_t>{0, 0, 1000, 1000, -1000, -1000}));
    const PcmSound stereo{100, 2, {100, 300, -32768, -32768}};
    EXPECT_EQ(converted(stereo, 100, 1).samples, (std::vector<int16_t>{200, -32768}));
    const PcmSound up = converted(PcmSound{100, 1, {0, 1000, 2000, 3000}}, 200, 1);
    EXPECT_EQ(up.rate, 200);
    EXPECT_EQ(up.samples, (std::vector<int16_t>{0, 500, 1000, 1500, 2000, 2500, 3000, 3000}));
    const PcmSound down = converted(PcmSound{200, 2, {0, 0, 10, -10, 20, -20, 30, -30}}, 100, 2);
    EXPECT_EQ(down.samples, (std::vector<int16_t>{0, 0, 20, -20}));
    EXPECT_TRUE(converted(PcmSound{100, 1, {}}, 50, 2).samples.empty());
}

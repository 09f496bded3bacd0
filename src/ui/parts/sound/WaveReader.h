#pragma once
// Reads a WAV file (RIFF/WAVE) held in memory: 16-bit PCM, one or two
// channels. Its chunks may come in any order and unknown ones are skipped.
// Anything damaged, truncated or of another format gives no samples and a
// reason; the reader never reads past the bytes it is given.
#include "ui/parts/sound/PcmSound.h"

#include <QByteArrayView>
#include <QString>

namespace cardova::ui {

struct WaveReadResult {
    PcmSound sound;  // empty when the file could not be read
    QString problem; // why, when it could not
    bool ok() const { return problem.isEmpty(); }
};

WaveReadResult readWave(QByteArrayView bytes);

} // namespace cardova::ui

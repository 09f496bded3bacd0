#pragma once
// The sounds live in a part of their own (libcardova_sound), loaded when the
// first sound is wanted, so ALSA and the sound server's libraries stay out
// of the start. This header is all the program and the part share.
#include "engine/Interfaces.h"

class QObject;

// The part's one entry: a player of the bundled waves, owned by `parent`.
#define CARDOVA_SOUND_PART_ENTRY "cardovaSoundPart"
extern "C" {
using CardovaSoundPartEntry = cardova::SoundPlayer *(*)(QObject *parent);
}

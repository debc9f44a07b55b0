#pragma once

#include "core/base/SoundPlayer.h"

// The one entry of the sound module: the desktop program loads the module on the first call
// tone and asks it for a player, so that the sound system's libraries are not loaded at start.
#define QTR_SOUND_MODULE_ENTRY "qtr31x_new_sound_player"

extern "C" {
using QtrNewSoundPlayer = qtr::SoundPlayer* (*)();
}

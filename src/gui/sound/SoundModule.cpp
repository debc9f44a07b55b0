#include "gui/sound/QtSoundPlayer.h"
#include "gui/sound/SoundModule.h"

extern "C" __attribute__((visibility("default"))) qtr::SoundPlayer* qtr31x_new_sound_player()
{
    return new qtr::gui::QtSoundPlayer;
}

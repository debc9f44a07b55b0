#pragma once

#include "core/document/ImageReplacer.h"

namespace qtr {

class HelpFile;
class RadioState;
class ShellHooks;

// Replaces the image in one order for every cause: the windows hear that it is going,
// the editors close (what they still hold goes into the old image), the new image goes in,
// it counts as saved, then the title, the menus and the help file follow it, the windows
// hear that it is in place, and Channel Information shows it.
class ImageReplacementSequence : public ImageReplacer {
public:
    ImageReplacementSequence(RadioState& state, ShellHooks& shell, HelpFile& help, const int& language);

    void ReplaceImage(const ImageReplacement& replacement) override;

private:
    void ChangeHelpFile(HelpFileChange change);

    RadioState& state_;
    ShellHooks& shell_;
    HelpFile& help_;
    const int& language_;
};

} // namespace qtr

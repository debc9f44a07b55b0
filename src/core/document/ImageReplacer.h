#pragma once

#include "core/base/ImageNotifier.h"

#include <functional>

namespace qtr {

// What replacing the image does to the help file, besides the steps every replacement takes.
enum class HelpFileChange {
    None,
    FollowLine,     // the help of the new image's line (an opened file)
    FollowModel,    // the help chosen after a model change; the help window closes when it changes
    FollowLanguage, // the help window closes and the help follows the language
};

struct ImageReplacement {
    ImageReason reason;
    // Puts the new image, its model and its document name in place; the editors are closed by then.
    std::function<void()> install;
    bool markSaved = true;
    HelpFileChange help = HelpFileChange::None;
};

// The one sequence that replaces the image (New, Open, a read, a model change, a language
// change); the document asks for it from below without knowing who carries it out.
class ImageReplacer {
public:
    virtual ~ImageReplacer() = default;
    virtual void ReplaceImage(const ImageReplacement& replacement) = 0;
};

} // namespace qtr

#pragma once

#include "core/model/ImageField.h"
#include "core/model/ImageView.h"

#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

// One setting of an image as its editor shows it: a name a user recognises ("Channel 3 RX
// Frequency"), the text the editor shows, and the bytes it is stored in (including what
// is derived from it, such as step codes and bitmap bits).
struct ShownSetting {
    std::string name;
    std::string value;
    std::vector<ImageRange> bytes;
};

// Every setting of the image, editor by editor in the order the editors show them: the
// model, the channels, the settings forms, the test frequencies and the message.
std::vector<ShownSetting> ShownSettings(const ImageBytes& image, const MessageCatalog& catalog);

} // namespace qtr

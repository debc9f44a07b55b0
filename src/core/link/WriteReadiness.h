#pragma once

#include "core/base/Prompter.h"
#include "core/model/ImageView.h"

#include <optional>
#include <vector>

namespace qtr {

class MessageCatalog;

// The settings a radio cannot work without, checked before Write to Radio: the PTT ID
// codes the channels send, the own fleet of the data signalling, and the priority
// channel of an LMR radio.
class WriteReadiness {
public:
    // The names of the first missing group of settings; each goes on a line of its own,
    // after an empty line when `blankLineFirst`.
    struct Missing {
        std::vector<int> nameIds;
        bool blankLineFirst = false;
    };

    static std::optional<Missing> FindMissing(const ImageBytes& image);
    // The error to show instead of writing, if any.
    static std::optional<Prompt> Refusal(const ImageBytes& image, const MessageCatalog& catalog);

private:
    static std::optional<Missing> MissingPttIdCodes(const ImageBytes& image);
    static bool AnyChannelSendsPttId(const ImageBytes& image);
};

} // namespace qtr

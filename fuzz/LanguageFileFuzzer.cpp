// Feeds arbitrary bytes to the language-file loader: it must never crash, must answer
// loaded, cannot open or damaged, and every text it claims to have must be there.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/base/MessageCatalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string contents(reinterpret_cast<const char*>(data), size);
    qtr::MessageCatalog catalog;
    std::vector<int> ids = qtr::MessageCatalog::RequiredMessages();
    const int result = catalog.LoadText(ids, contents);
    if (result != qtr::MessageCatalog::kLoaded && result != qtr::MessageCatalog::kCannotOpen &&
        result != qtr::MessageCatalog::kDamaged)
        std::abort();
    if (result == qtr::MessageCatalog::kLoaded) {
        for (const int id : ids) {
            if (!catalog.Has(id) || catalog.MessageText(id, 1).size() > 255 ||
                catalog.MessageText(id, 1).size() > catalog.MessageText(id, 0).size())
                std::abort();
        }
    }
    return 0;
}

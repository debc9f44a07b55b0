#include "core/base/TranslationLocale.h"

#include "core/base/MessageCatalog.h"

namespace qtr {

std::optional<std::string> TranslationLocale(int language)
{
    switch (language) {
    case MessageCatalog::kSpanish:
        return "es";
    case MessageCatalog::kChinese:
        return "zh_CN";
    default:
        return std::nullopt;
    }
}

} // namespace qtr

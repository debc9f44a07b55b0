#pragma once

#include "core/base/MessageCatalog.h"

#include <QString>

namespace qtr::gui {

// A catalogue text as Qt shows it; language files are UTF-8.
inline QString CatalogText(const MessageCatalog& catalog, int id, int mode = 0)
{
    return QString::fromUtf8(catalog.MessageText(id, mode));
}

// For seams asked before any language file is loaded.
inline const MessageCatalog& EmptyCatalog()
{
    static const MessageCatalog empty;
    return empty;
}

inline QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text);
}

} // namespace qtr::gui

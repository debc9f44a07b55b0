#include "gui/widgets/ValueCombo.h"

#include "gui/widgets/CatalogText.h"
#include "core/channels/ChannelListEntries.h"

namespace qtr::gui {

void ValueCombo::Fill(const ValueList& list, const MessageCatalog& catalog)
{
    const QSignalBlocker quiet(this);
    list_ = list;
    clear();
    for (const LabelValue& entry : list_)
        addItem(CatalogText(catalog, entry.messageId, 1));
    setCurrentIndex(-1); // the value is selected by the caller
}

void ValueCombo::SelectValue(int value)
{
    setCurrentIndex(ChannelListEntries::ValueEntry(list_, value));
}

std::optional<int> ValueCombo::Value() const
{
    const int entry = currentIndex();
    if (entry < 0 || entry >= static_cast<int>(list_.size()))
        return std::nullopt;
    return list_[static_cast<std::size_t>(entry)].value;
}

} // namespace qtr::gui

#pragma once

#include "core/model/FieldRoutines.h"

#include "gui/widgets/WidePopupCombo.h"

#include <optional>

namespace qtr {
class MessageCatalog;
}

namespace qtr::gui {

// A channel list field: each entry shows its message and carries the value it stores.
class ValueCombo : public WidePopupCombo {
    Q_OBJECT
public:
    using WidePopupCombo::WidePopupCombo;

    void Fill(const ValueList& list, const MessageCatalog& catalog);
    void SelectValue(int value);
    // The value of the chosen entry, or nothing without one.
    std::optional<int> Value() const;

private:
    ValueList list_;
};

} // namespace qtr::gui

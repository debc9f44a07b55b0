#pragma once

#include "gui/widgets/OffEntryCombo.h"

namespace qtr {
struct ToneListContents;
}

namespace qtr::gui {

// A tone list as FillToneList makes it: on LMR models a list with an edit field that
// takes tone characters, on Parlane models a fixed list of numbered tones.
class ToneCombo : public OffEntryCombo {
    Q_OBJECT
public:
    ToneCombo(const ToneListContents& contents, QWidget* parent = nullptr);

    // Selects the entry, or shows a tone that is not in the list in the edit field.
    void ShowTone(int entry, const QString& text);
};

} // namespace qtr::gui

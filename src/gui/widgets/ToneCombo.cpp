#include "gui/widgets/ToneCombo.h"

#include "gui/widgets/CatalogText.h"
#include "gui/widgets/TypedCharacterFilter.h"
#include "core/model/FrequencyCodec.h"

#include <QLineEdit>

namespace qtr::gui {

ToneCombo::ToneCombo(const ToneListContents& contents, QWidget* parent) : OffEntryCombo(parent)
{
    for (const std::string& entry : contents.entries)
        addItem(FromUtf8(entry));
    setMaxVisibleItems(20);
    if (!contents.editable)
        return;
    setEditable(true);
    // The typed text is what is stored: no completion, and no new entries.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    new TypedCharacterFilter(InputClass::ToneCharacters, contents.maxTypedCharacters, *this, *lineEdit());
}

void ToneCombo::ShowTone(int entry, const QString& text)
{
    setCurrentIndex(entry);
    if (entry < 0 && isEditable())
        setEditText(text);
    if (isEditable())
        lineEdit()->setModified(false);
}

} // namespace qtr::gui

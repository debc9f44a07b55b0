#pragma once

#include "core/model/InputFilter.h"

#include <QObject>

class QDropEvent;
class QContextMenuEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

namespace qtr::gui {

// Makes a line edit a filtered edit field: every typed character goes through the
// class's rule, which may refuse it or turn it into upper case. Pasted, dropped and
// input-method text goes through the same rule character by character, as if typed.
// Watches the widget that receives the keys (the edit itself, or the combo box or spin
// box around it) and the edit, which receives drops, mouse clicks and its context menu.
class TypedCharacterFilter : public QObject {
    Q_OBJECT
public:
    TypedCharacterFilter(InputClass inputClass, int maxLength, QWidget& watched, QLineEdit& edit);

signals:
    // A typed or pasted character is not of the class (a full field is no refusal).
    void CharacterRefused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FilterKey(const QKeyEvent& key);
    bool FilterDrop(QDropEvent& drop);
    bool FilterInputMethod(QInputMethodEvent& input);
    bool ShowContextMenu(const QContextMenuEvent& request);
    bool PasteSelection();
    // Inserts what the rule keeps of `text` in place of the selection; false when it keeps nothing.
    bool InsertFiltered(const QString& text);
    void PasteClipboard();
    std::string RemainingText() const;
    bool OfTheClass(const std::string& text) const;

    InputClass inputClass_;
    int maxLength_;
    QLineEdit& edit_;
};

} // namespace qtr::gui

#include "gui/widgets/TypedCharacterFilter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <memory>

namespace qtr::gui {

namespace {

constexpr char16_t kFirstPrintable = 0x20;

// Ctrl (with or without Shift) makes a key a shortcut, whose text a line edit never
// inserts; with Alt, Meta or AltGr held a line edit inserts the key's text as typed.
bool IsShortcut(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return held == Qt::ControlModifier;
}
// The Paste entry of a line edit's standard context menu: newer Qt names it, older Qt
// only labels it (in the language of Qt's own translation, followed by its shortcut).
bool IsPasteAction(const QAction& action)
{
    return action.objectName() == "edit-paste" || action.text().section('\t', 0, 0) == QLineEdit::tr("&Paste");
}

} // namespace

TypedCharacterFilter::TypedCharacterFilter(InputClass inputClass, int maxLength, QWidget& watched, QLineEdit& edit)
    : QObject(&watched), inputClass_(inputClass), maxLength_(maxLength), edit_(edit)
{
    watched.installEventFilter(this);
    if (&watched != &edit)
        edit.installEventFilter(this);
}

bool TypedCharacterFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return FilterKey(*static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        return FilterInputMethod(*static_cast<QInputMethodEvent*>(event));
    case QEvent::Drop:
        return watched == &edit_ && FilterDrop(*static_cast<QDropEvent*>(event));
    case QEvent::ContextMenu:
        return watched == &edit_ && ShowContextMenu(*static_cast<QContextMenuEvent*>(event));
    case QEvent::MouseButtonRelease:
        return watched == &edit_ && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
               PasteSelection();
    default:
        return QObject::eventFilter(watched, event);
    }
}

bool TypedCharacterFilter::FilterKey(const QKeyEvent& key)
{
    if (edit_.isReadOnly())
        return false;
    if (key.matches(QKeySequence::Paste)) {
        PasteClipboard();
        return true;
    }
    const QString text = key.text();
    // Editing keys (Backspace, Enter, Escape, Tab) carry control characters, and keys
    // held with Ctrl are shortcuts: both pass. A character typed with Alt is a character.
    if (text.size() != 1 || text.front().unicode() < kFirstPrintable || IsShortcut(key))
        return false;
    const char typed = text.front().unicode() < 0x80 ? static_cast<char>(text.front().unicode()) : '\0';
    const auto accepted =
        FilterTypedCharacter(inputClass_, typed, RemainingText(), static_cast<std::size_t>(maxLength_));
    if (accepted == typed)
        return false;
    if (accepted)
        edit_.insert(QString(QChar(*accepted)));
    else if (!OfTheClass(std::string(1, typed)))
        emit CharacterRefused();
    return true;
}

// A drop inserts at the point where it falls; moving text inside the field keeps its
// characters and is left to the edit.
bool TypedCharacterFilter::FilterDrop(QDropEvent& drop)
{
    if (edit_.isReadOnly() || !drop.mimeData()->hasText())
        return false;
    if (drop.source() == &edit_ && drop.dropAction() == Qt::MoveAction)
        return false;
    edit_.setCursorPosition(edit_.cursorPositionAt(drop.position().toPoint()));
    if (InsertFiltered(drop.mimeData()->text()))
        drop.acceptProposedAction();
    else
        drop.ignore();
    return true;
}

// Composed text is committed like pasted text; the text being composed is the input
// method's own and passes.
bool TypedCharacterFilter::FilterInputMethod(QInputMethodEvent& input)
{
    if (edit_.isReadOnly() || input.commitString().isEmpty() || !input.preeditString().isEmpty())
        return false;
    InsertFiltered(input.commitString());
    input.accept();
    return true;
}

bool TypedCharacterFilter::ShowContextMenu(const QContextMenuEvent& request)
{
    std::unique_ptr<QMenu> menu(edit_.createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (!IsPasteAction(*action))
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, &TypedCharacterFilter::PasteClipboard);
    }
    menu->exec(request.globalPos());
    return true;
}

bool TypedCharacterFilter::PasteSelection()
{
    const QClipboard& clipboard = *QApplication::clipboard();
    if (edit_.isReadOnly() || !clipboard.supportsSelection())
        return false;
    edit_.deselect();
    InsertFiltered(clipboard.text(QClipboard::Selection));
    return true;
}

void TypedCharacterFilter::PasteClipboard()
{
    InsertFiltered(QApplication::clipboard()->text());
}

bool TypedCharacterFilter::InsertFiltered(const QString& text)
{
    const std::string typed = text.toStdString();
    const std::string kept =
        FilterTypedText(inputClass_, typed, RemainingText(), static_cast<std::size_t>(maxLength_));
    if (!OfTheClass(typed))
        emit CharacterRefused();
    if (kept.empty())
        return false;
    edit_.insert(QString::fromStdString(kept));
    return true;
}

bool TypedCharacterFilter::OfTheClass(const std::string& text) const
{
    return FilterTypedText(inputClass_, text, {}, text.size()).size() == text.size();
}

std::string TypedCharacterFilter::RemainingText() const
{
    QString remaining = edit_.text();
    if (edit_.hasSelectedText())
        remaining.remove(edit_.selectionStart(), edit_.selectedText().size());
    return remaining.toStdString();
}

} // namespace qtr::gui

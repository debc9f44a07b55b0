#include "gui/widgets/TypedCharacterFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace qtr::gui {

namespace {

constexpr char16_t kFirstPrintable = 0x20;
constexpr Qt::KeyboardModifiers kShortcutModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

TypedCharacterFilter::TypedCharacterFilter(InputClass inputClass, int maxLength, QWidget& watched, QLineEdit& edit)
    : QObject(&watched), inputClass_(inputClass), maxLength_(maxLength), edit_(edit)
{
    watched.installEventFilter(this);
}

bool TypedCharacterFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const QString text = key.text();
    // Editing keys (Backspace, Enter, Escape, Tab) carry control characters, and keys
    // held with Ctrl or Alt are shortcuts: both pass.
    if (text.size() != 1 || text.front().unicode() < kFirstPrintable || (key.modifiers() & kShortcutModifiers))
        return false;
    const char typed = text.front().unicode() < 0x80 ? static_cast<char>(text.front().unicode()) : '\0';
    const auto accepted =
        FilterTypedCharacter(inputClass_, typed, RemainingText(), static_cast<std::size_t>(maxLength_));
    if (accepted == typed)
        return false;
    if (accepted)
        edit_.insert(QString(QChar(*accepted)));
    return true;
}

std::string TypedCharacterFilter::RemainingText() const
{
    QString remaining = edit_.text();
    if (edit_.hasSelectedText())
        remaining.remove(edit_.selectionStart(), edit_.selectedText().size());
    return remaining.toStdString();
}

} // namespace qtr::gui

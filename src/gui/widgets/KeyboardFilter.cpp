#include "gui/widgets/KeyboardFilter.h"

#include "core/base/HelpViewer.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace qtr::gui {

namespace {

constexpr char kHelpProperty[] = "qtrHelp";

// What F1 opens on a widget: a topic, or a context id.
struct KeyboardHelp {
    bool context = false;
    int id = 0;
};

void SetHelp(QWidget& widget, KeyboardHelp help)
{
    widget.setProperty(kHelpProperty, QVariant::fromValue(help));
}

// The help of the widget or of the nearest one above it.
QVariant HelpAbove(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (const QVariant help = widget->property(kHelpProperty); help.isValid())
            return help;
    return {};
}

// The key is for the window's focused widget, where that lies inside the watched one.
const QWidget* KeyTarget(QObject* watched)
{
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const QWidget* focus = widget ? widget->window()->focusWidget() : nullptr;
    return focus && (focus == widget || widget->isAncestorOf(focus)) ? focus : widget;
}

bool IsEnter(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// Tab's move to the next control; the window's own, as the protected member is.
struct FocusChain : QWidget {
    static void MoveOn(QWidget& window) { (window.*&FocusChain::focusNextPrevChild)(true); }
};

} // namespace

KeyboardFilter::KeyboardFilter(QWidget& window, HelpViewer& help) : QObject(&window), window_(window), help_(help)
{
    window.installEventFilter(this);
}

KeyboardFilter& KeyboardFilter::Of(QWidget& window, HelpViewer& help)
{
    if (auto* made = window.findChild<KeyboardFilter*>(QString(), Qt::FindDirectChildrenOnly))
        return *made;
    return *new KeyboardFilter(window, help);
}

KeyboardFilter& KeyboardFilter::WithHelpTopic(QWidget& window, HelpViewer& help, int topic)
{
    SetHelpTopic(window, topic);
    return Of(window, help);
}

void KeyboardFilter::SetHelpTopic(QWidget& widget, int topic)
{
    SetHelp(widget, {.context = false, .id = topic});
}

void KeyboardFilter::SetContextHelp(QWidget& widget, int contextId)
{
    SetHelp(widget, {.context = true, .id = contextId});
}

void KeyboardFilter::MoveOnEnter(QWidget& control)
{
    control.installEventFilter(this);
}

void KeyboardFilter::OnEnter(BeforeMovingOn beforeMovingOn)
{
    beforeMovingOn_ = std::move(beforeMovingOn);
}

bool KeyboardFilter::eventFilter(QObject* watched, QEvent* event)
{
    const bool keyPress = event->type() == QEvent::KeyPress;
    if (!keyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto& key = *static_cast<QKeyEvent*>(event);
    if (key.matches(QKeySequence::HelpContents))
        return HelpKey(watched, key);
    // Enter that comes up to the window from a control not marked for it is not ours.
    if (keyPress && IsEnter(key) && watched != &window_)
        return EnterKey(*static_cast<QWidget*>(watched));
    return false;
}

// F1 is the control's before it is a shortcut of the main window.
bool KeyboardFilter::HelpKey(QObject* watched, QKeyEvent& key)
{
    const QVariant found = HelpAbove(KeyTarget(watched));
    if (!found.isValid())
        return false;
    key.accept();
    if (key.type() == QEvent::KeyPress) {
        const auto help = found.value<KeyboardHelp>();
        if (help.context)
            help_.ShowContextHelp(help.id);
        else
            help_.ShowHelpTopic(help.id);
    }
    return true;
}

bool KeyboardFilter::EnterKey(QWidget& control)
{
    if (auto* button = qobject_cast<QPushButton*>(&control))
        button->click();
    else if (!beforeMovingOn_ || beforeMovingOn_(control))
        FocusChain::MoveOn(window_);
    return true;
}

} // namespace qtr::gui

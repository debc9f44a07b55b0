#include "gui/features/EmbeddedMessageView.h"

#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"
#include "core/base/messages/EmbeddedMessage.h"
#include "core/features/EmbeddedMessage.h"
#include "core/model/MessageFields.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/EditorSubWindow.h"
#include "gui/widgets/FixedPitchFont.h"
#include "gui/widgets/EditorButtonRow.h"
#include "gui/widgets/FocusLeaveWatcher.h"
#include "gui/widgets/KeyboardFilter.h"
#include "gui/widgets/TypedCharacterFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolTip>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kLineLength = static_cast<int>(message::kLineLength);
constexpr int kHintMilliseconds = 10000;
constexpr int kFieldMargin = 16;

// Each byte one character, as the Open dialog's preview shows the lines too.
QString ShownText(const std::string& line)
{
    return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

} // namespace

EmbeddedMessageView::EmbeddedMessageView(Workspace& app, HelpViewer& help, QStatusBar& statusBar, QWidget* parent)
    : QWidget(parent), state_(app.state), statusBar_(statusBar),
      acceptedCharacters_(CatalogText(app.catalog, messages::embedded::kAcceptedCharacters))
{
    setWindowTitle(CatalogText(app.catalog, EditorOf(command::kEmbeddedMessage).titleId, 1));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* focusWatcher = new FocusLeaveWatcher(this);
    for (QLineEdit*& line : lines_) {
        line = MakeLine();
        focusWatcher->Watch(*line);
        layout->addWidget(line);
    }
    connect(focusWatcher, &FocusLeaveWatcher::Left, this, &EmbeddedMessageView::StoreChangedLines);
    auto* buttons = new EditorButtonRow(*this, app.catalog, help, EditorOf(command::kEmbeddedMessage).helpTopic);
    buttons->addStretch();
    close_ = &buttons->CloseButton();
    help_ = &buttons->HelpButton();
    // Enter goes from line 1 to line 2 (its text selected) and on to Close, and presses a button.
    KeyboardFilter& keys = KeyboardFilter::Of(*this, help);
    for (QWidget* control : std::initializer_list<QWidget*>{lines_[0], lines_[1], close_, help_})
        keys.MoveOnEnter(*control);
    layout->addLayout(buttons);
    ShowLines();
    setFocusProxy(lines_[0]);
    imageNotices_ = app.state.notices.Subscribe([this](const ImageNotice& notice) {
        const bool linesMayDiffer = notice.reason != ImageReason::Saved && notice.reason != ImageReason::WrittenToRadio;
        if (notice.kind == ImageNotice::Kind::Changed && linesMayDiffer && !storing_)
            ShowLines();
    });
}

QLineEdit* EmbeddedMessageView::MakeLine()
{
    auto* line = new QLineEdit(this);
    line->setFont(FixedPitchFont());
    line->setMaxLength(kLineLength);
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QString(kLineLength, 'M')) + kFieldMargin);
    line->setToolTip(TipText());
    auto* filter = new TypedCharacterFilter(InputClass::PrintableAscii, kLineLength, *line, *line);
    connect(filter, &TypedCharacterFilter::CharacterRefused, this, [this, line] { ShowAcceptedCharacters(*line); });
    line->installEventFilter(this); // after the filter, so that this view sees Shift+Insert first
    return line;
}

void EmbeddedMessageView::ShowLines()
{
    for (int line = 0; line < message::kLineCount; ++line) {
        lines_[line]->setText(ShownText(message::ReadLine(state_.image, line)));
        lines_[line]->setModified(false);
    }
}

// A line the user did not change keeps its bytes as they are.
void EmbeddedMessageView::StoreChangedLines()
{
    std::array<std::optional<std::string>, message::kLineCount> changedLines;
    for (int line = 0; line < message::kLineCount; ++line)
        if (lines_[line]->isModified())
            changedLines[static_cast<std::size_t>(line)] = lines_[line]->text().toStdString();
    storing_ = true;
    message::StoreLines(state_, changedLines);
    storing_ = false;
    for (int line = 0; line < message::kLineCount; ++line) {
        if (!changedLines[static_cast<std::size_t>(line)])
            continue;
        const QString stored = ShownText(message::ReadLine(state_.image, line));
        if (lines_[line]->text() != stored)
            lines_[line]->setText(stored);
        lines_[line]->setModified(false);
    }
}

// Wrapped, and every sign shown as itself ("<" and "&" are no markup here).
QString EmbeddedMessageView::TipText() const
{
    return Qt::convertFromPlainText(acceptedCharacters_, Qt::WhiteSpaceNormal);
}

void EmbeddedMessageView::ShowAcceptedCharacters(QLineEdit& line)
{
    statusBar_.showMessage(acceptedCharacters_, kHintMilliseconds);
    QToolTip::showText(line.mapToGlobal(QPoint(0, line.height())), TipText(), &line);
}

void EmbeddedMessageView::closeEvent(QCloseEvent* event)
{
    if (!EditorSubWindow::ClosingWithProgram(*this))
        StoreChangedLines();
    imageNotices_ = {}; // a closed window shows nothing until it is deleted
    QWidget::closeEvent(event);
}

// Shift+Insert pastes nothing here.
bool EmbeddedMessageView::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    return key.key() == Qt::Key_Insert && key.modifiers() == Qt::ShiftModifier;
}

} // namespace qtr::gui

#include "gui/features/KeyAssignmentView.h"

#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"
#include "gui/widgets/CommandWindow.h"
#include "gui/features/RadioKeysPicture.h"
#include "gui/widgets/SettingsFormWidget.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>

namespace qtr::gui {

KeyAssignmentView::KeyAssignmentView(Workspace& app, HelpViewer& help, const CommandWindow& frame, QWidget* parent)
    : QWidget(parent),
      form_(app.state, app.catalog, [&frame] { return frame.EditorView(command::kScanInformation) != nullptr; })
{
    form_.Open();
    formWidget_ = new SettingsFormWidget(form_.Form(), EditorOf(command::kKeyAssignment), app, help, this);
    picture_ = new RadioKeysPicture(this);
    formWidget_->Columns().insertWidget(0, picture_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(formWidget_);
    setFocusProxy(formWidget_);
    // Installed after the form's own filter, so that it sees the keys first.
    KeyList(KeyAssignmentForm::kPf1)->installEventFilter(this);
    KeyList(KeyAssignmentForm::kPf2)->installEventFilter(this);
}

QWidget* KeyAssignmentView::KeyList(int row) const
{
    return formWidget_->Control(row);
}

// Enter on PF2 goes back to PF1 rather than on to Close. The form's keyboard filter would
// move on, so this filter, there for the picture anyway, takes it first.
bool KeyAssignmentView::eventFilter(QObject* watched, QEvent* event)
{
    const bool pf2 = watched == KeyList(KeyAssignmentForm::kPf2);
    switch (event->type()) {
    case QEvent::FocusIn:
        picture_->Highlight(pf2 ? RadioKeysPicture::Key::Pf2 : RadioKeysPicture::Key::Pf1);
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            picture_->Highlight(RadioKeysPicture::Key::Pf1);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (pf2 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            KeyList(KeyAssignmentForm::kPf1)->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qtr::gui

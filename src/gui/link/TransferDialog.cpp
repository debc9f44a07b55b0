#include "gui/link/TransferDialog.h"

#include "gui/app/CatalogButtonBox.h"
#include "gui/app/CatalogText.h"
#include "core/app/Workspace.h"
#include "gui/link/TransferProgressBar.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

// Swallows the keys that waited while the radio was busy.
class KeyDiscarder : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride;
    }
};

} // namespace

TransferDialog::TransferDialog(Workspace& app, HelpViewer& help, RadioLink& link,
                               TransferDialogModel::Direction direction, QWidget* parent)
    : QDialog(parent), model_(app, link, *this, direction), bar_(new TransferProgressBar(this)),
      buttons_(new CatalogButtonBox(*this, app.catalog, help, model_.HelpTopic()))
{
    setWindowTitle(CatalogText(app.catalog, model_.TitleId(), 1));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TransferDialog::accept()
{
    if (model_.Start())
        QDialog::accept();
    else
        QDialog::reject();
}

void TransferDialog::SetRange(int low, int high)
{
    bar_->SetRange(low, high);
}

void TransferDialog::SetPosition(int position)
{
    bar_->SetPosition(position);
}

void TransferDialog::SetButtonsEnabled(bool enabled)
{
    for (QAbstractButton* button : buttons_->buttons())
        button->setEnabled(enabled);
}

void TransferDialog::DiscardTypedKeys()
{
    KeyDiscarder discarder;
    QCoreApplication::instance()->installEventFilter(&discarder);
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&discarder);
}

} // namespace qtr::gui

#include "gui/link/TransferDialog.h"

#include "gui/widgets/CatalogButtonBox.h"
#include "gui/widgets/CatalogText.h"
#include "core/app/Workspace.h"
#include "core/link/LinkTexts.h"
#include "gui/link/MessagesClearOf.h"
#include "gui/link/TransferProgressBar.h"

#include <QCoreApplication>
#include <QLabel>
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

constexpr int kTextWidth = 320;

} // namespace

TransferDialog::TransferDialog(Workspace& app, HelpViewer& help, RadioLink& link,
                               TransferDialogModel::Direction direction, QWidget* parent)
    : QDialog(parent), catalog_(app.catalog), model_(app, link, *this, direction),
      instructions_(new QLabel(FromUtf8(TransferInstructions(link.Port(), app.catalog)), this)), step_(new QLabel(this)),
      bar_(new TransferProgressBar(this)), buttons_(new CatalogButtonBox(*this, app.catalog, help, model_.HelpTopic()))
{
    setWindowTitle(CatalogText(app.catalog, model_.TitleId(), 1));
    model_.UseSafety(app.safety);
    instructions_->setWordWrap(true);
    instructions_->setMinimumWidth(kTextWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions_);
    layout->addWidget(step_);
    layout->addWidget(bar_);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TransferDialog::accept()
{
    const MessagesClearOf clear(*this);
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

// Painted at once: the transfer holds the event loop.
void TransferDialog::ShowStep(const LinkStep& step)
{
    step_->setText(FromUtf8(LinkStepText(step, catalog_)));
    step_->repaint();
}

void TransferDialog::DiscardTypedKeys()
{
    KeyDiscarder discarder;
    QCoreApplication::instance()->installEventFilter(&discarder);
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&discarder);
}

} // namespace qtr::gui

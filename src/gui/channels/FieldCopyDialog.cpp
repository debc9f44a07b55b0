#include "gui/channels/FieldCopyDialog.h"

#include "gui/widgets/CatalogButtonBox.h"
#include "gui/widgets/CatalogText.h"
#include "core/app/Workspace.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qtr::gui {

FieldCopyDialog::FieldCopyDialog(Workspace& app, HelpViewer& help, ChannelCommits& commits, int slot,
                                 const Texts& texts, QWidget* parent)
    : QDialog(parent), app_(app), help_(help), commits_(commits), slot_(slot), texts_(texts)
{
    setWindowTitle(CatalogText(app.catalog, texts.titleId, 1));
}

void FieldCopyDialog::LayOut(const QString& fromText, QWidget& toField)
{
    auto* from = new QLineEdit(fromText, this);
    from->setReadOnly(true);
    from->setFocusPolicy(Qt::NoFocus);
    auto* fields = new QFormLayout;
    fields->addRow(CatalogText(app_.catalog, texts_.fromLabelId), from);
    fields->addRow(CatalogText(app_.catalog, texts_.toLabelId), &toField);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(new CatalogButtonBox(*this, app_.catalog, help_, texts_.helpTopic));
    toField.setFocus();
}

void FieldCopyDialog::accept()
{
    Store(commits_, slot_);
    QDialog::accept();
}

} // namespace qtr::gui

#include "gui/widgets/CatalogButtonBox.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "core/base/HelpViewer.h"
#include "core/base/messages/Common.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QDialog>
#include <QPushButton>

namespace qtr::gui {

CatalogButtonBox::CatalogButtonBox(QDialog& dialog, const MessageCatalog& catalog, HelpViewer& help, int helpTopic)
    : QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, &dialog)
{
    button(QDialogButtonBox::Ok)->setText(CatalogText(catalog, messages::common::kOk));
    button(QDialogButtonBox::Cancel)->setText(CatalogText(catalog, messages::common::kCancel));
    button(QDialogButtonBox::Help)->setText(CatalogText(catalog, messages::common::kHelp));
    connect(this, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(this, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(this, &QDialogButtonBox::helpRequested, &dialog, [&help, helpTopic] { help.ShowHelpTopic(helpTopic); });
    KeyboardFilter::WithHelpTopic(dialog, help, helpTopic);
}

} // namespace qtr::gui

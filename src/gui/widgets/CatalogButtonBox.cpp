#include "gui/widgets/CatalogButtonBox.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "core/base/HelpViewer.h"
#include "core/base/messages/Common.h"
#include "gui/widgets/CatalogText.h"

#include <QDialog>
#include <QPushButton>
#include <QShortcut>

namespace qtr::gui {

CatalogButtonBox::CatalogButtonBox(QDialog& dialog, const MessageCatalog& catalog, HelpViewer& help, int helpTopic)
    : QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, &dialog)
{
    button(QDialogButtonBox::Ok)->setText(CatalogText(catalog, messages::common::kOk));
    button(QDialogButtonBox::Cancel)->setText(CatalogText(catalog, messages::common::kCancel));
    button(QDialogButtonBox::Help)->setText(CatalogText(catalog, messages::common::kHelp));
    connect(this, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(this, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto showHelp = [&help, helpTopic] { help.ShowHelpTopic(helpTopic); };
    connect(this, &QDialogButtonBox::helpRequested, &dialog, showHelp);
    connect(new QShortcut(QKeySequence::HelpContents, &dialog), &QShortcut::activated, &dialog, showHelp);
}

} // namespace qtr::gui

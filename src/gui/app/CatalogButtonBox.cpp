#include "app/CatalogButtonBox.h"

#include "app/CatalogText.h"
#include "app/HelpViewer.h"

#include <QDialog>
#include <QPushButton>
#include <QShortcut>

namespace qtr::gui {

namespace {

constexpr int kOkId = 1001001;
constexpr int kCancelId = 1001003;
constexpr int kHelpId = 1001073;

} // namespace

CatalogButtonBox::CatalogButtonBox(QDialog& dialog, const MessageCatalog& catalog, HelpViewer& help, int helpTopic)
    : QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, &dialog)
{
    button(QDialogButtonBox::Ok)->setText(CatalogText(catalog, kOkId));
    button(QDialogButtonBox::Cancel)->setText(CatalogText(catalog, kCancelId));
    button(QDialogButtonBox::Help)->setText(CatalogText(catalog, kHelpId));
    connect(this, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(this, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto showHelp = [&help, helpTopic] { help.ShowHelpTopic(helpTopic); };
    connect(this, &QDialogButtonBox::helpRequested, &dialog, showHelp);
    connect(new QShortcut(QKeySequence::HelpContents, &dialog), &QShortcut::activated, &dialog, showHelp);
}

} // namespace qtr::gui

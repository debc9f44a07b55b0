#include "gui/document/ComparisonDialog.h"

#include "core/base/messages/Common.h"
#include "core/base/messages/Document.h"
#include "core/report/ImageComparison.h"
#include "gui/widgets/CatalogText.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

ComparisonDialog::ComparisonDialog(const MessageCatalog& catalog, const std::string& path,
                                   const ImageDifferences& differences, QWidget* parent)
    : QDialog(parent), lines_(new QListWidget(this))
{
    setWindowTitle(CatalogText(catalog, messages::document::kCompareTitle, 1));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        CatalogText(catalog, messages::document::kDifferencesFrom, 1) + ' ' + QFile::decodeName(path.c_str()), this));
    for (const std::string& line :
         DifferenceLines(differences, catalog.MessageText(messages::document::kEmptyValue, 1)))
        lines_->addItem(FromUtf8(line));
    lines_->setMinimumSize(560, 320);
    layout->addWidget(lines_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(CatalogText(catalog, messages::common::kClose, 1), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace qtr::gui

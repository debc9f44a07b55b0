#include "gui/app/LanguageSetupDialog.h"

#include "gui/widgets/CatalogButtonBox.h"
#include "gui/widgets/CatalogText.h"
#include "core/app/Workspace.h"
#include "core/base/messages/App.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kHelpTopic = 186;

} // namespace

LanguageSetupDialog::LanguageSetupDialog(Workspace& app, HelpViewer& help, QWidget* parent)
    : QDialog(parent), setup_(app), list_(new QListWidget(this))
{
    setWindowTitle(CatalogText(app.catalog, messages::app::kLanguageSetupTitle, 1));
    auto* label = new QLabel(CatalogText(app.catalog, messages::app::kLanguageMode), this);
    label->setBuddy(list_);
    for (const int id : LanguageSetup::Entries())
        list_->addItem(CatalogText(app.catalog, id, 1));
    if (const auto row = setup_.SelectedRow())
        list_->setCurrentRow(*row);
    list_->setFixedHeight(list_->sizeHintForRow(0) * 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(new CatalogButtonBox(*this, app.catalog, help, kHelpTopic));
}

void LanguageSetupDialog::accept()
{
    const auto selected = list_->selectedItems();
    const std::optional<int> row =
        selected.isEmpty() ? std::nullopt : std::optional<int>(list_->row(selected.first()));
    if (setup_.Ok(row) == LanguageSetup::Outcome::Closed)
        QDialog::accept();
}

} // namespace qtr::gui

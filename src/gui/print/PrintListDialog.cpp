#include "gui/print/PrintListDialog.h"

#include "core/base/HelpViewer.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Print.h"
#include "core/report/PrintListButtons.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

PrintListDialog::PrintListDialog(const MessageCatalog& catalog, HelpViewer& help, bool parlane, QPrinter& printer,
                                 QWidget* parent)
    : QDialog(parent), parlane_(parlane), printer_(printer)
{
    setWindowTitle(CatalogText(catalog, messages::print::kListTitle, 1));
    // Enter goes through the boxes in their order, and after the last one to OK.
    KeyboardFilter& keys = KeyboardFilter::Of(*this, help);
    KeyboardFilter::SetHelpTopic(*this, kHelpTopic);
    auto* boxes = new QVBoxLayout;
    for (const report::PrintSectionInfo& info : report::PrintSections()) {
        if (!report::SectionOffered(info.section, parlane))
            continue;
        auto* box = new QCheckBox(CatalogText(catalog, info.labelMessage), this);
        box->setChecked(true);
        keys.MoveOnEnter(*box);
        connect(box, &QCheckBox::toggled, this, &PrintListDialog::UpdateButtons);
        boxes->addWidget(box);
        boxes_[info.section] = box;
    }
    boxes->addStretch();
    keys.OnEnter([this](QWidget& box) {
        if (&box != boxes_.rbegin()->second)
            return true;
        ok_->setFocus(); // not as Tab goes: a disabled OK leaves the focus on the last box
        return false;
    });

    const auto button = [this, &catalog](int id) { return new QPushButton(CatalogText(catalog, id), this); };
    ok_ = button(messages::common::kOk);
    ok_->setDefault(true);
    QPushButton* cancel = button(messages::common::kCancel);
    printSetup_ = button(messages::print::kPrintSetup);
    allClear_ = button(messages::print::kAllClear);
    selectAll_ = button(messages::print::kSelectAll);
    QPushButton* helpButton = button(messages::common::kHelp);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* each : {ok_, cancel, printSetup_, allClear_, selectAll_, helpButton})
        buttons->addWidget(each);
    buttons->addStretch();
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(printSetup_, &QPushButton::clicked, this, [this] { QPageSetupDialog(&printer_, this).exec(); });
    connect(allClear_, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(selectAll_, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(helpButton, &QPushButton::clicked, this, [&help] { help.ShowHelpTopic(kHelpTopic); });

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    UpdateButtons();
}

report::SectionMask PrintListDialog::Checked() const
{
    report::SectionMask mask = 0;
    for (const auto& [section, box] : boxes_)
        mask |= box->isChecked() ? report::Bit(section) : 0;
    return mask;
}

void PrintListDialog::CheckAll(bool checked)
{
    for (const auto& [section, box] : boxes_)
        box->setChecked(checked);
}

void PrintListDialog::UpdateButtons()
{
    const report::PrintListButtons states = report::PrintListButtonStates(Checked(), parlane_);
    ok_->setEnabled(states.ok);
    allClear_->setEnabled(states.allClear);
    selectAll_->setEnabled(states.selectAll);
}

} // namespace qtr::gui

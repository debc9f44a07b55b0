#include "gui/link/RadioInformationDialog.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "gui/widgets/FixedPitchFont.h"
#include "core/base/HelpViewer.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Link.h"
#include "core/link/RadioInformation.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/FixedPitchFont.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kValueMinimumWidth = 260;

QLabel* ValueField(const std::string& text, QWidget* parent)
{
    auto* field = new QLabel(FromUtf8(text), parent);
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setMinimumWidth(kValueMinimumWidth);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

} // namespace

RadioInformationDialog::RadioInformationDialog(const RadioInformation& information, const MessageCatalog& catalog,
                                               HelpViewer& help, QWidget* parent, const QString& simulatedNote)
    : QDialog(parent), simulatedNote_(new QLabel(simulatedNote, this))
{
    setWindowTitle(CatalogText(catalog, messages::link::kInformationTitle, 1));
    simulatedNote_->setVisible(!simulatedNote.isEmpty());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildFields(information, catalog));
    layout->addWidget(simulatedNote_);
    layout->addLayout(BuildButtons(catalog, help));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    close_->setFocus();
}

QLayout* RadioInformationDialog::BuildFields(const RadioInformation& information, const MessageCatalog& catalog)
{
    values_[Model] = ValueField(information.ModelText(), this);
    values_[Frequency] = ValueField(information.FrequencyText(catalog), this);
    values_[SerialNumber] = ValueField(information.SerialNumberText(), this);
    values_[Version] = ValueField(information.VersionText(), this);
    values_[SerialNumber]->setFont(FixedPitchFont());
    values_[Version]->setFont(FixedPitchFont());
    const int labelIds[kFieldCount] = {RadioInformation::kModelLabelId, RadioInformation::kFrequencyLabelId,
                                       RadioInformation::kSerialNumberLabelId, RadioInformation::kVersionLabelId};
    auto* grid = new QGridLayout;
    for (int field = 0; field < kFieldCount; ++field) {
        grid->addWidget(new QLabel(CatalogText(catalog, labelIds[field], 1), this), field, 0);
        grid->addWidget(values_[field], field, 1);
    }
    return grid;
}

// Both buttons take the focus and become the default button with it, so that the arrow
// keys, which move the focus between them, also choose what Enter does.
QLayout* RadioInformationDialog::BuildButtons(const MessageCatalog& catalog, HelpViewer& help)
{
    close_ = new QPushButton(CatalogText(catalog, messages::common::kClose), this);
    help_ = new QPushButton(CatalogText(catalog, messages::common::kHelp), this);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(help_, &QPushButton::clicked, this, [&help] { help.ShowHelpTopic(RadioInformation::kHelpTopic); });
    KeyboardFilter::WithHelpTopic(*this, help, RadioInformation::kHelpTopic);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close_);
    row->addWidget(help_);
    return row;
}

} // namespace qtr::gui

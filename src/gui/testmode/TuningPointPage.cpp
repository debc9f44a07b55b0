#include "gui/testmode/TuningPointPage.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "gui/testmode/TuningValueControls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qtr::gui {

TuningPointPage::TuningPointPage(const testmode::PointFrequencies& frequencies, const MessageCatalog& catalog,
                                 QWidget* parent)
    : QWidget(parent), controls_(new TuningValueControls(this))
{
    const QString unit = CatalogText(catalog, messages::common::kMegahertzUnit, 1);
    rx_ = new QLabel(FromUtf8(frequencies.rx) + unit, this);
    tx_ = new QLabel(FromUtf8(frequencies.tx) + unit, this);
    auto* points = new QGridLayout;
    points->addWidget(new QLabel(CatalogText(catalog, messages::common::kRx, 1), this), 0, 0);
    points->addWidget(rx_, 0, 1);
    points->addWidget(new QLabel(CatalogText(catalog, messages::common::kTx, 1), this), 1, 0);
    points->addWidget(tx_, 1, 1);
    points->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(points);
    layout->addWidget(controls_);
    setFocusProxy(&controls_->ValueField());
}

} // namespace qtr::gui

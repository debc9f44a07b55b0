#include "gui/features/ScanView.h"

#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"
#include "gui/widgets/SettingsFormWidget.h"

#include <QVBoxLayout>

namespace qtr::gui {

ScanView::ScanView(Workspace& app, HelpViewer& help, QWidget* parent)
    : QWidget(parent), form_(app.state, app.catalog, app.prompter)
{
    form_.Open();
    formWidget_ = new SettingsFormWidget(form_.Form(), EditorOf(command::kScanInformation), app, help, this);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(formWidget_);
    setFocusProxy(formWidget_);
    imageNotices_ = app.state.notices.Subscribe([this](const ImageNotice& notice) {
        if (notice.reason == ImageReason::ScanLayoutChanged && !isHidden()) // closed: not rebuilt
            Rebuild();
    });
}

void ScanView::Rebuild()
{
    form_.Rebuild();
    formWidget_->ShowAll();
}

} // namespace qtr::gui

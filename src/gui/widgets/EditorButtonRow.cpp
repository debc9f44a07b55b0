#include "gui/widgets/EditorButtonRow.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "core/base/HelpViewer.h"
#include "gui/widgets/EditorSubWindow.h"
#include "core/base/messages/Common.h"

#include <QPushButton>

namespace qtr::gui {

EditorButtonRow::EditorButtonRow(QWidget& view, const MessageCatalog& catalog, HelpViewer& help, int helpTopic)
    : close_(new QPushButton(CatalogText(catalog, messages::common::kClose), &view)),
      help_(new QPushButton(CatalogText(catalog, messages::common::kHelp), &view))
{
    addWidget(close_);
    addWidget(help_);
    connect(close_, &QPushButton::clicked, &view, [&view] { EditorSubWindow::CloseWindowOf(view); });
    connect(help_, &QPushButton::clicked, &view, [&help, helpTopic] { help.ShowHelpTopic(helpTopic); });
}

} // namespace qtr::gui

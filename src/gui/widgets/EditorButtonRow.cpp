#include "gui/widgets/EditorButtonRow.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/CommonMessages.h"
#include "core/base/HelpViewer.h"
#include "gui/widgets/EditorSubWindow.h"

#include <QPushButton>

namespace qtr::gui {

EditorButtonRow::EditorButtonRow(QWidget& view, const MessageCatalog& catalog, HelpViewer& help, int helpTopic)
    : close_(new QPushButton(CatalogText(catalog, msg::kClose), &view)),
      help_(new QPushButton(CatalogText(catalog, msg::kHelp), &view))
{
    addWidget(close_);
    addWidget(help_);
    connect(close_, &QPushButton::clicked, &view, [&view] { EditorSubWindow::CloseWindowOf(view); });
    connect(help_, &QPushButton::clicked, &view, [&help, helpTopic] { help.ShowHelpTopic(helpTopic); });
}

} // namespace qtr::gui

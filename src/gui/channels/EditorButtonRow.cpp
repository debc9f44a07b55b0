#include "channels/EditorButtonRow.h"

#include "app/CatalogText.h"
#include "app/HelpViewer.h"
#include "channels/EditorFrame.h"

#include <QPushButton>

namespace qtr::gui {

namespace {

constexpr int kCloseId = 1001071;
constexpr int kHelpId = 1001073;

} // namespace

EditorButtonRow::EditorButtonRow(QWidget& view, const MessageCatalog& catalog, HelpViewer& help, int helpTopic)
    : close_(new QPushButton(CatalogText(catalog, kCloseId), &view)),
      help_(new QPushButton(CatalogText(catalog, kHelpId), &view))
{
    addWidget(close_);
    addWidget(help_);
    connect(close_, &QPushButton::clicked, &view, [&view] { EditorFrame::CloseWindowOf(view); });
    connect(help_, &QPushButton::clicked, &view, [&help, helpTopic] { help.ShowHelpTopic(helpTopic); });
}

} // namespace qtr::gui

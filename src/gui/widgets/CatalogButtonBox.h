#pragma once

#include <QDialogButtonBox>

namespace qtr {
class HelpViewer;
class MessageCatalog;
} // namespace qtr

namespace qtr::gui {

// OK, Cancel and Help of a dialog with their catalogue texts. Help and F1 open the
// dialog's help topic; OK and Cancel go to the dialog's accept and reject.
class CatalogButtonBox : public QDialogButtonBox {
    Q_OBJECT
public:
    CatalogButtonBox(QDialog& dialog, const MessageCatalog& catalog, HelpViewer& help, int helpTopic);
};

} // namespace qtr::gui

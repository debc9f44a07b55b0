#pragma once

#include "core/app/LanguageSetup.h"

#include <QDialog>

class QListWidget;

namespace qtr {
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

// Chooses the language of the program's texts: English or Spanish.
class LanguageSetupDialog : public QDialog {
    Q_OBJECT
public:
    LanguageSetupDialog(Workspace& app, HelpViewer& help, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }

public slots:
    void accept() override;

private:
    LanguageSetup setup_;
    QListWidget* list_;
};

} // namespace qtr::gui

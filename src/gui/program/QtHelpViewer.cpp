#include "gui/program/QtHelpViewer.h"

#include "core/base/HelpFile.h"
#include "core/base/Prompter.h"
#include "core/base/messages/App.h"

#include <QApplication>
#include <QFile>

namespace qtr::gui {

QtHelpViewer::QtHelpViewer(const HelpFile& help, const MessageCatalog& catalog, Prompter& prompter)
    : help_(help), catalog_(catalog), prompter_(prompter)
{
}

QtHelpViewer::~QtHelpViewer()
{
    delete window_;
}

void QtHelpViewer::ShowHelpTopic(int topic)
{
    Show(PageForTopic(help_, topic));
}

void QtHelpViewer::ShowContextHelp(int id)
{
    Show(PageForContext(help_, id));
}

void QtHelpViewer::ShowDefaultTopic()
{
    Show(DefaultPage(help_));
}

void QtHelpViewer::CloseHelpWindows()
{
    if (window_)
        window_->close();
}

void QtHelpViewer::Show(const HelpPage& page)
{
    if (page.kind == HelpPage::Kind::MissingHelpFile) {
        prompter_.Ask({.captionId = messages::app::kProgramName,
                       .detail = MissingHelpFileText(page.path),
                       .form = PromptForm::DetailOnly,
                       .icon = Icon::Error});
        return;
    }
    if (page.kind == HelpPage::Kind::NoHelp)
        return;
    if (!window_)
        window_ = new HelpWindow(catalog_);
    window_->ShowPage(QFile::decodeName(page.path.c_str()));
    window_->ShowOver(QApplication::activeModalWidget());
}

} // namespace qtr::gui

#include "gui/app/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 520;

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName("helpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenLinks(true);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(browser_->documentTitle()); });
    resize(kWidth, kHeight);
}

void HelpWindow::ShowPage(const QString& path)
{
    browser_->setSource(QUrl::fromLocalFile(path));
    setWindowTitle(browser_->documentTitle());
}

QString HelpWindow::ShownPage() const
{
    return browser_->source().toLocalFile();
}

QString HelpWindow::ShownText() const
{
    return browser_->toPlainText();
}

} // namespace qtr::gui

#include "gui/program/HelpWindow.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Common.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 520;

} // namespace

HelpWindow::HelpWindow(const MessageCatalog& catalog)
    : QWidget(nullptr, Qt::Window), catalog_(catalog), browser_(new QTextBrowser(this)),
      back_(new QPushButton(CatalogText(catalog, messages::app::kBack), this)),
      forward_(new QPushButton(CatalogText(catalog, messages::app::kForward), this))
{
    setObjectName("helpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* close = new QPushButton(CatalogText(catalog, messages::common::kClose), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    browser_->setOpenLinks(true);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser_, &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, browser_, &QTextBrowser::forward);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::ShowTitle);
    ShowTitle();
    resize(kWidth, kHeight);
}

void HelpWindow::ShowTitle()
{
    const QString page = browser_->documentTitle();
    setWindowTitle(CatalogText(catalog_, messages::app::kHelpTitle) + (page.isEmpty() ? QString() : " - " + page));
}

void HelpWindow::ShowPage(const QString& path)
{
    browser_->setSource(QUrl::fromLocalFile(path));
    ShowTitle();
}

QString HelpWindow::ShownPage() const
{
    return browser_->source().toLocalFile();
}

QString HelpWindow::ShownText() const
{
    return browser_->toPlainText();
}

void HelpWindow::ShowOver(QWidget* modal)
{
    if (modal != this && modal != owner_)
        SetOwner(modal);
    show();
    raise();
    activateWindow();
}

// Changing the parent hides a window; it keeps its place on the screen.
void HelpWindow::SetOwner(QWidget* owner)
{
    if (owner_)
        owner_->removeEventFilter(this);
    owner_ = owner;
    const QPoint place = pos();
    const bool shown = isVisible();
    setParent(owner, Qt::Window);
    move(place);
    if (owner)
        owner->installEventFilter(this);
    setVisible(shown);
}

// The dialog that owns the window is closing: the window goes back to being its own, so
// that it stays open (and is not deleted with a dialog that lives on the stack).
bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == owner_ && event->type() == QEvent::Hide)
        SetOwner(nullptr);
    return QWidget::eventFilter(watched, event);
}

} // namespace qtr::gui

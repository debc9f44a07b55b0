#include "gui/widgets/StatusPanes.h"

#include "core/base/Clock.h"
#include "core/base/MessageCatalog.h"
#include "core/app/StatusBarText.h"
#include "core/base/LanguageDate.h"

#include <QLabel>
#include <QStatusBar>

namespace qtr::gui {

namespace {

constexpr int kRefreshMilliseconds = 1000;
constexpr int kPaneMargin = 12;

QLabel* MakePane(QStatusBar& bar, const char* name)
{
    auto* pane = new QLabel(&bar);
    pane->setObjectName(name);
    pane->setAlignment(Qt::AlignCenter);
    return pane;
}

} // namespace

StatusPanes::StatusPanes(QStatusBar& bar, const Clock& clock, const MessageCatalog& catalog, ImageNotifier& notices)
    : QObject(&bar), clock_(clock), catalog_(catalog), port_(MakePane(bar, "portPane")), date_(MakePane(bar, "datePane")),
      time_(MakePane(bar, "timePane"))
{
    port_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bar.addWidget(port_);
    bar.addPermanentWidget(date_);
    bar.addPermanentWidget(time_);
    connect(&timer_, &QTimer::timeout, this, &StatusPanes::ShowTime);
    timer_.start(kRefreshMilliseconds);
    ShowTime();
    notices_ = notices.Subscribe([this](const ImageNotice& notice) {
        if (notice.reason == ImageReason::LanguageChange && notice.kind == ImageNotice::Kind::Replaced) {
            ShowTime();
            ShowPort(shownPort_);
        }
    });
}

void StatusPanes::ShowPort(int port)
{
    shownPort_ = port;
    const std::string name = PortPaneText(port);
    SetText(port_, port == notedPort_ ? name + " " + catalog_.MessageText(portNoteId_, 1) : name);
}

void StatusPanes::NotePort(int port, int noteId)
{
    notedPort_ = port;
    portNoteId_ = noteId;
}

void StatusPanes::ShowTime()
{
    const std::tm now = clock_.Now();
    SetText(date_, LanguageDate(now, catalog_));
    SetText(time_, TimePaneText(now));
}

void StatusPanes::SetText(QLabel* pane, const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    pane->setText(shown);
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(shown) + kPaneMargin);
}

QString StatusPanes::PortText() const
{
    return port_->text();
}

QString StatusPanes::DateText() const
{
    return date_->text();
}

QString StatusPanes::TimeText() const
{
    return time_->text();
}

} // namespace qtr::gui

#pragma once

#include <QWidget>

class QTextBrowser;

namespace qtr::gui {

// A window that shows the pages of the HTML help folder; links between pages work.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowPage(const QString& path);
    QString ShownPage() const;
    QString ShownText() const;

private:
    QTextBrowser* browser_;
};

} // namespace qtr::gui

#pragma once

#include <QMainWindow>
#include <QStatusBar>
#include <QString>

#include <string>

namespace qtr::gui {

// What a file command did, in the status bar for a while: no box to close for a success.
inline void ShowInStatusBar(QMainWindow& window, const std::string& text)
{
    constexpr int kShownMilliseconds = 15000;
    window.statusBar()->showMessage(QString::fromUtf8(text), kShownMilliseconds);
}

} // namespace qtr::gui

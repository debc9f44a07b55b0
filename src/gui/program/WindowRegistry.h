#pragma once

namespace qtr {
class HelpViewer;
class RadioLink;
class SoundPlayer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class MainWindow;

// The window registry: pairs each row of the editor table with the function that makes its
// view, and each dialog command with what runs it. The program and the widget tests both
// register their windows here.
void RegisterAllWindows(MainWindow& window, Workspace& app, HelpViewer& help, RadioLink& link, SoundPlayer& sound);

} // namespace qtr::gui

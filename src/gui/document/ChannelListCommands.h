#pragma once

#include <QObject>

#include <string>

namespace qtr {
class Workspace;
} // namespace qtr

namespace qtr::gui {

class CommandWindow;

// File > Export Channels, Import Channels and Compare with File: the channel list as a CSV
// file, and the settings that differ between the document and a data file.
class ChannelListCommands : public QObject {
    Q_OBJECT
public:
    static void Register(CommandWindow& frame);

    explicit ChannelListCommands(CommandWindow& frame);

    void ExportChannels();
    void ImportChannels();
    void CompareWithFile();

private:
    void Tell(int messageId, const std::string& detail, bool error);

    CommandWindow& frame_;
    Workspace& app_;
};

} // namespace qtr::gui

#pragma once

#include "core/model/RadioState.h"

#include <string>
#include <vector>

namespace qtr {

class Document;
class ImageReplacer;
class Prompter;

// The rules of the Model Information dialog: the model and channel-class lists, what
// each selection does to the image, and what OK and Cancel do. The dialog only shows it.
class ModelSelection {
public:
    struct ChannelEntry {
        std::string text;
        std::uint8_t typeByte;
    };
    enum class Outcome { Closed, StayOpen };

    ModelSelection(RadioState& state, Document& document, ImageReplacer& replacer, Prompter& prompter);

    int SelectedModel() const { return model_; }
    const std::vector<ChannelEntry>& ChannelEntries() const { return channels_; }
    int SelectedChannel() const { return channel_; }
    bool SixteenChannelChangeMark() const { return changeMark_; }

    void SelectModel(int modelType);
    void SelectChannel(int position);
    Outcome Ok();
    void Cancel();

private:
    void FillChannelList();
    std::uint8_t SelectedTypeByte() const;
    bool ChangesAnything();
    void InstallModel(bool lineChanged);
    void ApplyModel();

    RadioState& state_;
    Document& document_;
    ImageReplacer& replacer_;
    Prompter& prompter_;
    std::uint8_t lineAtOpening_;
    bool flagAtOpening_;
    bool uhfSelected_ = false;
    int model_ = -1;
    int channel_ = -1;
    bool changeMark_ = false;
    std::vector<ChannelEntry> channels_;
};

} // namespace qtr

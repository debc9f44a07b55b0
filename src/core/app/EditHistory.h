#pragma once

#include "core/base/ImageNotifier.h"
#include "core/model/ImageView.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qtr {

class ImageReplacer;
class MessageCatalog;
class RadioState;

// Undo and redo for every editor at once. Each commit the core announces (any change
// notice that is not only a window's cue to refresh) becomes one step holding the image
// before and after it, named after the command that made it (Import Channels, Insert
// Channel) or else after the first setting it changed; a model change is a step
// too. The first image, New, Open and a read from the radio start a fresh history, and no
// step leads back to an image the program would refuse to open. Undo and redo put the
// image back and tell every window to show it again; a step that changes the model goes
// through the image replacement like the model change did.
class EditHistory {
public:
    static constexpr std::size_t kMaximumSteps = 500;

    EditHistory(RadioState& state, const MessageCatalog& catalog, ImageReplacer& replacer);
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The name of the step Undo or Redo would take, e.g. "Channel 3 RX Frequency".
    std::string UndoName() const;
    std::string RedoName() const;
    void Undo();
    void Redo();
    // Forgets every step; the image as it is now is where the next step starts.
    void Clear();

private:
    struct Snapshot {
        ImageBytes image{};
        bool sixteenChannels = true;
        bool operator==(const Snapshot&) const = default;
    };
    struct Step {
        std::string name;
        Snapshot before;
        Snapshot after;
    };

    void Noticed(const ImageNotice& notice);
    void RecordStep(int commandNameId);
    std::string StepName(const ImageBytes& before, const ImageBytes& after) const;
    Snapshot Current() const;
    void Restore(const Snapshot& target);
    void InstallSnapshot(const Snapshot& target);

    RadioState& state_;
    const MessageCatalog& catalog_;
    ImageReplacer& replacer_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    Snapshot seen_;
    bool restoring_ = false;
    ImageNotifier::Subscription notices_;
};

} // namespace qtr

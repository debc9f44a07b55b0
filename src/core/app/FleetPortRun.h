#pragma once

#include "core/app/FleetPortState.h"
#include "core/app/FleetPrompter.h"
#include "core/app/FleetRecord.h"
#include "core/app/FleetRun.h"
#include "core/link/CloneAdmission.h"
#include "core/link/RadioLink.h"
#include "core/link/TransferProgress.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace qtr {

class RadioTransfer;

// One port of a fleet run, on a thread of its own: radio after radio until the run stops,
// or, without waiting for radios, until nobody wants another.
class FleetPortRun : private TransferProgress {
public:
    FleetPortRun(FleetRun& run, std::size_t index, std::unique_ptr<RadioLink> link,
                 const std::function<bool(const FleetPortState&)>& next);
    void Go();

private:
    // The radio of one clone session, as far as it got.
    struct Radio {
        FleetRecord record;
        bool skipped = false;
    };

    bool PortOpens();
    bool WaitForRadio();
    // Handshake and identity only, then programming mode ends: is a radio there?
    bool RadioAnswers();
    Radio CloneOne();
    bool Admit(const RadioIdentity& identity, const RadioTransfer& transfer, Radio& radio, ImageBytes& image);
    bool KeepPrevious(const ImageBytes& memory, const RadioTransfer& transfer, Radio& radio);
    FleetReason FailureReason(const RadioTransfer& transfer) const;
    FleetReason RefusalReason(CloneRefusal refusal, const RadioIdentity& identity) const;
    void Skip(const std::string& serial);
    void Tell(FleetPortState::Phase phase, int block = 0, int blocks = 0);

    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    void SetButtonsEnabled(bool) override {}
    void ShowStep(const LinkStep& step) override;

    FleetRun& run_;
    const FleetPlan& plan_;
    std::unique_ptr<RadioLink> link_;
    const std::function<bool(const FleetPortState&)>& next_;
    FleetPrompter prompter_;
    FleetPortState state_;
    LinkStep step_;
    bool writing_ = false;
    std::optional<std::string> lastHandled_; // the serial of the radio this port handled last
    std::optional<std::string> lastSkipped_;
};

} // namespace qtr

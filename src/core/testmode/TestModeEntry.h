#pragma once

#include "core/model/ImageView.h"
#include "core/model/ModelTable.h"
#include "core/testmode/TestModeValues.h"
#include "core/base/messages/TestMode.h"

namespace qtr {
class RadioSession;
}

namespace qtr::testmode {

// Puts the radio into its test mode: "TUNING ", the identity, the adjustment values and the
// sixteen test channels, which must equal the image's. Retry starts again after ending test
// mode; Cancel ends test mode and closes the port.
class TestModeEntry {
public:
    static constexpr int kTestChannelsDifferId = messages::testmode::kTestChannelsDiffer;

    // Without an image (the command-line tool has no document) the test channels are read
    // but not compared.
    TestModeEntry(RadioSession& session, const ImageBytes* image, TestModeValues& values)
        : session_(session), image_(image), values_(values)
    {
    }

    // True when the radio is in test mode, the port open and the panel may open.
    bool Run();

private:
    enum class Attempt { Entered, Failed, Refused };
    bool Enter(ImageBytes& radioChannels);
    Attempt TryToEnter(ImageBytes& radioChannels);
    // Identifies until the model code is accepted; false when an exchange failed.
    bool Identify(Attempt& refusal);
    bool ReadTestChannels(ImageBytes& radioChannels);
    void RestartIfPending();
    void RefuseOtherTestChannels();

    RadioSession& session_;
    const ImageBytes* image_;
    // The model the radio gave, named when its test channels differ from the image's.
    ModelRecord radioIdentity_{};
    TestModeValues& values_;
};

// Sends 'E' after discarding what the radio sent; the radio leaves test mode.
void SendEndOfTestMode(RadioSession& session);
// What the panel knows of the radio from the image: its line and type byte.
void TakeModelFromImage(const ImageBytes& image, TestModeValues& values);

} // namespace qtr::testmode

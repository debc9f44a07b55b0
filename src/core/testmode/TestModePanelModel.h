#pragma once

#include "core/model/ImageView.h"
#include "core/testmode/TestModeLink.h"
#include "core/testmode/TestModeValues.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/TestMode.h"

#include <functional>
#include <string>
#include <vector>

namespace qtr {
class MessageCatalog;
class RadioSession;
} // namespace qtr

namespace qtr::testmode {

// What a panel operation came to: done, stopped with nothing more to do, or the panel
// must close (test mode has been ended where the failed exchange asks for it).
enum class PanelStep { Done, Stopped, ClosePanel };

// The test-mode panel's operations on the radio and the texts it shows. A failed exchange
// asks Retry or Cancel; Cancel after a wide/narrow switch, an adjustment-value read or a
// tuning code ends test mode and closes the panel, after the other exchanges it closes the
// panel and leaves the radio as it is.
class TestModePanelModel {
public:
    static constexpr int kTitleId = messages::testmode::kTitle;
    static constexpr int kHelpTopic = 32774;
    static constexpr int kPttHelpTopic = 1089;
    static constexpr int kNoTransmitFrequencyId = messages::common::kNone;
    static constexpr int kPrintQuestionId = messages::testmode::kPrintQuestion;
    static constexpr int kPrintedId = messages::testmode::kPrinted;
    static constexpr int kQuestionCaptionId = messages::common::kQuestionCaption;

    TestModePanelModel(RadioSession& session, const ImageBytes& image, TestModeValues& values);

    TestModeValues& Values() { return values_; }
    RadioSession& Session() { return session_; }
    // The numbers of the test channels that are set, in order.
    std::vector<int> Channels() const;
    // "162.05000MHz"; the transmit text is the catalogue's "None" without a transmit frequency.
    std::string ReceiveText(int channel) const;
    std::string TransmitText(int channel, const MessageCatalog& catalog) const;
    static int ReceiveSignallingNameId(int signalling);
    static int TransmitSignallingNameId(int signalling);

    // The first test channel and signalling 1; any failure closes the panel.
    PanelStep Open(const MessageCatalog& catalog);
    PanelStep SelectChannel(int channel, const MessageCatalog& catalog);
    PanelStep SelectSignalling(int signalling);
    PanelStep SetWide(bool wide);
    PanelStep TogglePtt();
    // Reads the adjustment values and selects the item on the radio; Done opens its dialog.
    PanelStep StartTuning(int itemIndex);
    // Asks, then reads the adjustment values; Done prints them.
    PanelStep PrepareAdjustmentPrint();
    void ReportPrinted();
    // Close: the signalling again (Cancel skips it), then the end of test mode.
    void Close();
    // Unkeys, and does what Close does unless the panel is already closing.
    void CloseFromWindowManager();
    // The panel has closed: the port is closed.
    void Finish();

    bool Closing() const { return closing_; }

private:
    enum class OnCancel { EndTestMode, ClosePanel, Skip };
    // Runs the exchange until it succeeds; false when the user cancelled.
    bool Exchange(const std::function<LinkResult()>& exchange, OnCancel onCancel);
    // The transmitter off if keyed; false when it failed and the panel closes.
    bool Unkey();
    PanelStep Failed();
    TestModeLink Link();
    // ReadTestData into both tables of adjustment values.
    LinkResult ReadAdjustments();
    void StoreFrequencyTexts(int channel, const MessageCatalog& catalog);
    const std::uint8_t* Record(int channel) const;

    RadioSession& session_;
    const ImageBytes& image_;
    TestModeValues& values_;
    bool closing_ = false;
};

} // namespace qtr::testmode

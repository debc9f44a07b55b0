#pragma once

#include "core/testmode/TestModePanelModel.h"
#include "gui/testmode/IndicatorIcons.h"
#include "gui/testmode/TestModeSeams.h"

#include <QDialog>

#include <map>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace qtr {
class HelpViewer;
class MessageCatalog;
} // namespace qtr

namespace qtr::gui {

// The Test Mode panel over the main window: test channel, test signalling, wide or narrow,
// the transmitter, and the tuning items, each sent to the radio as it is chosen. Closing it
// in any way ends test mode; a failed exchange may close it too.
class TestModePanel : public QDialog {
    Q_OBJECT
public:
    // Help topics of the controls, for F1.
    static constexpr int kChannelTopic = 1161;
    static constexpr int kSignalTopic = 1168;
    static constexpr int kWideTopic = 1179;
    static constexpr int kNarrowTopic = 1180;
    static constexpr int kTuningModeTopic = 1182;
    static constexpr int kCloseTopic = 1183;
    static constexpr int kPrintTopic = 1184;

    TestModePanel(testmode::TestModePanelModel& model, const MessageCatalog& catalog, HelpViewer& help,
                  const TestModeSeams& seams, QWidget* parent);

    // Selects the first test channel and signalling 1 on the radio, then shows the panel
    // until it closes. Returns at once when that first selection fails.
    void Run();

    QComboBox& ChannelList() const { return *channels_; }
    QComboBox& SignalList() const { return *signals_; }
    QListWidget& TuningList() const { return *tuning_; }
    QPushButton& Button(int topic) const;
    QPushButton& PttButton() const { return *ptt_; }
    QLabel& ReceiveFrequency() const { return *rxFrequency_; }
    QLabel& TransmitFrequency() const { return *txFrequency_; }
    QLabel& ReceiveName() const { return *rxName_; }
    QLabel& TransmitName() const { return *txName_; }
    // Shown: the receive lamps while not transmitting, the transmit lamps while transmitting.
    bool ShowsTransmitting() const;
    bool ShowsWide() const;

public slots:
    void reject() override;

private:
    QWidget* BuildSettings();
    QWidget* BuildTuning();
    QLayout* BuildButtons();
    QPushButton* AddButton(int textId, int topic);
    QLabel* Lamp(Indicator indicator);
    void FillLists();
    void ChannelChosen(int index);
    void SignalChosen(int index);
    void SpacingChosen(bool wide);
    void PttClicked();
    void StartTuning();
    void Print();
    void CloseClicked();
    // Carries out what the operation came to: shows the values, or closes the panel.
    bool Finished(testmode::PanelStep step);
    void ShowChannel();
    void ShowSignalling();
    void ShowIndicators();
    int TuningTopic() const;
    // The item of the tuning list's current row, -1 for none.
    int SelectedItem() const;

    testmode::TestModePanelModel& model_;
    testmode::TestModeValues& values_;
    const MessageCatalog& catalog_;
    HelpViewer& help_;
    TestModeSeams seams_;
    QComboBox* channels_ = nullptr;
    QComboBox* signals_ = nullptr;
    QLabel* rxFrequency_ = nullptr;
    QLabel* txFrequency_ = nullptr;
    QLabel* rxName_ = nullptr;
    QLabel* txName_ = nullptr;
    QPushButton* ptt_ = nullptr;
    QListWidget* tuning_ = nullptr;
    std::map<int, QPushButton*> buttons_;
    std::vector<QLabel*> receiveLamps_;
    std::vector<QLabel*> transmitLamps_;
    QLabel* wideLamp_ = nullptr;
    QLabel* narrowLamp_ = nullptr;
};

} // namespace qtr::gui

#pragma once

#include "ProgramFolder.h"
#include "RadioWaits.h"
#include "sim/RadioSimulator.h"
#include "ScriptedPrompter.h"
#include "core/base/MemorySettingsStore.h"
#include "core/base/MessageCatalog.h"
#include "core/app/Workspace.h"
#include "core/base/ShellHooks.h"
#include "core/base/FilePicker.h"
#include "core/link/PortDirectory.h"
#include "core/link/RadioInformationQuery.h"
#include "core/link/RadioSession.h"
#include "core/app/TransferDialogModel.h"
#include "core/link/TransferProgress.h"
#include "core/model/ModelDefaults.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace qtr::test {

// Waits short enough that a run over a pseudo-terminal does not sit out seconds of
// silence, long enough for a loaded machine running sanitizers.
inline LinkTiming QuickTiming()
{
    LinkTiming timing;
    timing.handshakeReplyMs = 200;
    timing.syncByteMs = 40;
    timing.identifyDelayMs = 5;
    timing.afterReadMs = 10;
    timing.pollWindowMs = 150;
    timing.rateTimeoutMs = {200, 200, 200, 200, 200};
    return timing;
}

// The longest a transfer with one failed exchange may take before it has given up.
inline std::chrono::milliseconds FailureBound(const LinkTiming& t)
{
    const auto handshake = 2 * t.handshakeReplyMs + 4 * (t.syncByteMs + t.handshakeReplyMs);
    const auto exchanges = t.identifyDelayMs + 4 * t.rateTimeoutMs[0] + 2 * t.pollWindowMs + t.afterReadMs;
    constexpr unsigned kSlackForTheGoodBlocks = 1500;
    return std::chrono::milliseconds(handshake + exchanges + kSlackForTheGoodBlocks);
}

class RecordingProgress : public TransferProgress {
public:
    void SetRange(int low, int high) override { range = {low, high}; }
    void SetPosition(int position) override { positions.push_back(position); }
    void SetButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }

    std::pair<int, int> range{};
    std::vector<int> positions;
    bool buttonsEnabled = true;
};

class RecordingShell : public ShellHooks {
public:
    void CloseAllEditors() override { calls.push_back("CloseAllEditors"); }
    void RefreshTitle() override { calls.push_back("RefreshTitle"); }
    void RebuildMenus() override { calls.push_back("RebuildMenus"); }
    void PostChannelInformation() override { calls.push_back("PostChannelInformation"); }
    void CloseHelpWindows() override { calls.push_back("CloseHelpWindows"); }
    // The image notices, among the steps, as "Replacing ReadFromRadio" or "Changed WrittenToRadio".
    void Heard(const ImageNotice& notice)
    {
        static const char* const kinds[] = {"Replacing", "Replaced", "Changed"};
        static const char* const reasons[] = {"New",    "Open",   "ReadFromRadio", "ModelChange",   "LanguageChange",
                                              "Edited", "ScanChannelsMoved", "Saved", "WrittenToRadio"};
        calls.push_back(std::string(kinds[static_cast<int>(notice.kind)]) + " " +
                        reasons[static_cast<int>(notice.reason)]);
    }

    std::vector<std::string> calls;
};

class NoFiles : public FilePicker {
public:
    std::optional<std::string> ChooseOpenPath(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseSavePath(const std::string&, const std::string&) override { return std::nullopt; }
};

inline sim::RadioProfile Radio(const std::string& code, std::optional<std::uint8_t> typeByte = {},
                               std::optional<std::uint8_t> line = {})
{
    return sim::RadioProfile::Factory(*sim::RadioProfile::IdentityOf(code, typeByte, line));
}

// The program, with its one link, and a simulated radio on the other end of port 1.
class RadioPair {
public:
    explicit RadioPair(const sim::RadioProfile& profile, const LinkTiming& timing = QuickTiming())
        : radio(profile), link(timing), app(prompter, files, shell)
    {
        app.catalog.SetFolder(ProgramFolder());
        auto ids = MessageCatalog::ProgramMessages();
        app.catalog.LoadLanguage(ids, MessageCatalog::kEnglish);
        store.WriteText(PortDirectory::kSection, PortDirectory::SettingName(1), radio.Start());
        link.Port().UseDeviceSettings(&store);
        link.Port().SetPort(1);
        notices = app.state.notices.Subscribe([this](const ImageNotice& notice) { shell.Heard(notice); });
    }

    // The program's image: the factory image of the model the radio says it is.
    void StartWith(const ModelRecord& record)
    {
        app.state.currentModel = record;
        app.BuildFirstImage();
        app.state.MarkSaved();
    }

    bool Transfer(TransferDialogModel::Direction direction)
    {
        TransferDialogModel model(app, link, progress, direction);
        return model.Start();
    }
    bool Read() { return Transfer(TransferDialogModel::Direction::Read); }
    bool Write() { return Transfer(TransferDialogModel::Direction::Write); }
    std::optional<RadioInformation> Information()
    {
        RadioSession session(link, prompter);
        return RadioInformationQuery(session).Run();
    }
    // Whether the last byte the radio heard is 'E'. The radio may still be taking in what the
    // program sent just before closing, so this waits for it, by default as long as only a hang
    // could take; a test that expects no 'E' gives a short bound.
    bool RadioHeardEndLast(std::chrono::milliseconds bound = kHangBound) const
    {
        return radio.WaitUntil(
            [](const sim::RadioSimulator& r) {
                const auto bytes = r.Received();
                return !bytes.empty() && bytes.back() == wire::kEnd;
            },
            bound);
    }

    sim::RadioSimulator radio;
    MemorySettingsStore store;
    RadioLink link;
    ScriptedPrompter prompter;
    NoFiles files;
    RecordingShell shell;
    Workspace app;
    RecordingProgress progress;
    ImageNotifier::Subscription notices;
};

// Runs the cases on a few threads: each case has its own pseudo-terminal, so they do
// not meet, and the waits of one overlap those of the others.
inline void RunTogether(const std::vector<std::function<void()>>& cases, std::size_t workers = 8)
{
    std::atomic<std::size_t> next = 0;
    std::vector<std::thread> threads;
    for (std::size_t w = 0; w < std::min(workers, cases.size()); ++w) {
        threads.emplace_back([&] {
            for (std::size_t i = next++; i < cases.size(); i = next++)
                cases[i]();
        });
    }
    for (auto& thread : threads)
        thread.join();
}

} // namespace qtr::test

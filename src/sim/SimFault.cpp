#include "sim/SimFault.h"

#include "core/link/TextFields.h"

#include <array>
#include <utility>

namespace qtr::sim {

namespace {

constexpr std::array<std::pair<Step, const char*>, 24> kStepNames{{
    {Step::Handshake, "handshake"},
    {Step::Identity, "identity"},
    {Step::IdentityConfirm, "identity-confirm"},
    {Step::ReadBlock, "read-block"},
    {Step::ReadConfirm, "read-confirm"},
    {Step::WriteBlock, "write-block"},
    {Step::End, "end"},
    {Step::Serial, "serial"},
    {Step::SerialConfirm, "serial-confirm"},
    {Step::Info, "info"},
    {Step::InfoConfirm, "info-confirm"},
    {Step::Tuning, "tuning"},
    {Step::TestData, "test-data"},
    {Step::TestDataConfirm, "test-data-confirm"},
    {Step::TestChannel, "test-channel"},
    {Step::TestChannelConfirm, "test-channel-confirm"},
    {Step::TestSignalling, "test-signalling"},
    {Step::Wide, "wide"},
    {Step::Transmit, "transmit"},
    {Step::CodeEnter, "code-enter"},
    {Step::CodeValue, "code-value"},
    {Step::PointValues, "point-values"},
    {Step::Measure, "measure"},
    {Step::CodeEnd, "code-end"},
}};

constexpr std::array<std::pair<FaultKind, const char*>, 9> kKindNames{{
    {FaultKind::Silence, "silence"},
    {FaultKind::WrongByte, "wrong-byte"},
    {FaultKind::Nak, "nak"},
    {FaultKind::ShortReply, "short"},
    {FaultKind::LongReply, "long"},
    {FaultKind::StrayByte, "stray-byte"},
    {FaultKind::BadChecksum, "bad-checksum"},
    {FaultKind::HangUp, "hang-up"},
    {FaultKind::StoresOther, "stores-other"},
}};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<std::pair<Value, const char*>, N>& names, const std::string& name)
{
    for (const auto& [value, text] : names) {
        if (name == text)
            return value;
    }
    return std::nullopt;
}

template <typename Value, std::size_t N>
std::string NameOf(const std::array<std::pair<Value, const char*>, N>& names, Value value)
{
    for (const auto& [entry, text] : names) {
        if (entry == value)
            return text;
    }
    return {};
}

} // namespace

std::optional<Fault> ParseFault(const std::string& text)
{
    const auto parts = SplitFields(text, ':');
    if (parts.size() < 2 || parts.size() > 5)
        return std::nullopt;
    const auto step = Lookup(kStepNames, parts[0]);
    const auto kind = Lookup(kKindNames, parts[1]);
    if (!step || !kind)
        return std::nullopt;
    const auto skip = parts.size() < 3 ? std::optional<int>(0) : ParseWhole<int>(parts[2]);
    const auto count = parts.size() < 4 ? std::optional<int>(1) : ParseWhole<int>(parts[3]);
    const auto bytes = parts.size() < 5 ? std::optional<std::size_t>(0) : ParseWhole<std::size_t>(parts[4]);
    if (!skip || !count || !bytes || *skip < 0 || *count < 0)
        return std::nullopt;
    return Fault{*step, *kind, *skip, *count, *bytes};
}

std::string StepName(Step step)
{
    return NameOf(kStepNames, step);
}

std::string FaultKindName(FaultKind kind)
{
    return NameOf(kKindNames, kind);
}

} // namespace qtr::sim

#include "core/link/RadioTransfer.h"

#include "core/link/IdentityCheck.h"
#include "core/link/RadioSession.h"
#include "core/link/TransferProgress.h"

#include <vector>

namespace qtr {

namespace {

std::uint8_t High(std::uint16_t address)
{
    return static_cast<std::uint8_t>(address >> 8);
}

std::uint8_t Low(std::uint16_t address)
{
    return static_cast<std::uint8_t>(address & 0xFF);
}

} // namespace

bool RadioTransfer::ReadFromRadio(RadioIdentity& identity)
{
    return Run(Direction::Read, identity);
}

bool RadioTransfer::WriteToRadio(RadioIdentity& identity)
{
    return Run(Direction::Write, identity);
}

bool RadioTransfer::Run(Direction direction, RadioIdentity& identity)
{
    LinkState& bits = session_.Link().State();
    bits.retrying = false;
    bits.reading = direction == Direction::Read;
    bits.writing = direction == Direction::Write;
    if (!session_.OpenRadioPort() || !session_.Connect())
        return false;
    IdentityCheck check(session_, state_.image);
    for (;;) {
        session_.BeginStep({LinkStep::Phase::Identifying});
        if (session_.Link().Identify(identity) != 0) {
            if (!session_.AskRetry()) {
                session_.FinishTransfer();
                return false;
            }
            bits.retrying = true;
            continue;
        }
        const IdentityCheck::Verdict verdict = check.Check(identity);
        if (verdict == IdentityCheck::Verdict::Refused)
            return false;
        if (verdict == IdentityCheck::Verdict::IdentifyAgain) {
            bits.retrying = true;
            continue;
        }
        StartProgress(direction);
        if (TransferBlocks(direction)) {
            End(direction);
            return true;
        }
        if (!session_.AskRetry()) {
            End(direction);
            return false;
        }
        progress_.SetPosition(0);
        bits.retrying = true;
    }
}

void RadioTransfer::StartProgress(Direction direction)
{
    if (!session_.Link().State().retrying)
        progress_.SetPosition(0);
    progress_.SetRange(0, direction == Direction::Read ? kReadRange : kWriteRange);
}

bool RadioTransfer::TransferBlocks(Direction direction)
{
    progress_.SetButtonsEnabled(false);
    return direction == Direction::Read ? ReadBlocks() : WriteBlocks();
}

// The radio wants a pause after a read before it leaves programming mode.
void RadioTransfer::End(Direction direction)
{
    if (direction == Direction::Read)
        SerialPort::DelayMs(session_.Link().Timing().afterReadMs);
    session_.FinishTransfer();
}

void RadioTransfer::BeginBlock(LinkStep::Phase phase, std::size_t index, std::size_t count)
{
    session_.BeginStep({phase, static_cast<int>(index + 1), static_cast<int>(count)});
}

bool RadioTransfer::ReadBlocks()
{
    progress_.SetPosition(0);
    std::size_t received = 0;
    const std::vector<Block> plan = ReadBlockPlan();
    for (std::size_t i = 0; i < plan.size(); ++i) {
        BeginBlock(LinkStep::Phase::ReadingBlock, i, plan.size());
        if (!ReadBlock(plan[i], received))
            return false;
    }
    return received == kImageSize;
}

// A reply must be exactly one whole block: 'W', the address, 64 and 64 data bytes. Its
// address is not used; the data goes where the received count says.
bool RadioTransfer::ReadBlock(const Block& block, std::size_t& received)
{
    RadioLink& link = session_.Link();
    link.PurgeReceive();
    const std::uint8_t request[] = {wire::kReadBlock, High(block.address), Low(block.address), block.length};
    if (link.WriteBytes(request, sizeof request) == 0 || !link.WaitForBytes(wire::kReadReplySize))
        return false;
    std::array<std::uint8_t, wire::kReadReplySize> reply{};
    if (link.ReadBytes(reply.data(), reply.size()) == 0 || reply[0] != wire::kDataBlock ||
        reply[3] != wire::kReadBlockLength)
        return false;
    for (std::size_t i = 0; i < wire::kReadBlockLength; ++i)
        state_.snapshot[received + i] = reply[wire::kBlockHeaderSize + i];
    received += wire::kReadBlockLength;
    progress_.SetPosition(static_cast<int>(received));
    link.PurgeReceive();
    return link.WriteByte(wire::kAck) != 0 && link.WaitConfirmation();
}

bool RadioTransfer::WriteBlocks()
{
    const std::vector<Block> plan = WriteBlockPlan();
    for (std::size_t i = 0; i < plan.size(); ++i) {
        BeginBlock(LinkStep::Phase::WritingBlock, i, plan.size());
        if (!WriteBlock(plan[i]))
            return false;
        progress_.SetPosition(plan[i].address);
    }
    return true;
}

bool RadioTransfer::WriteBlock(const Block& block)
{
    std::vector<std::uint8_t> bytes{wire::kDataBlock, High(block.address), Low(block.address), block.length};
    const auto first = state_.image.begin() + block.address;
    bytes.insert(bytes.end(), first, first + block.length);
    RadioLink& link = session_.Link();
    return link.WriteBytes(bytes.data(), static_cast<std::uint16_t>(bytes.size())) != 0 && link.WaitConfirmation();
}

} // namespace qtr

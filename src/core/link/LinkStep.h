#pragma once

#include <initializer_list>
#include <string>

namespace qtr {

class MessageCatalog;

// What a radio operation is doing at the moment, so that the user can follow it and a
// failure can say where it happened.
struct LinkStep {
    enum class Phase { None, Opening, Connecting, Identifying, ReadingBlock, WritingBlock, ReadingSerial, ReadingVersion,
                       VerifyingBlock };
    Phase phase = Phase::None;
    int number = 0; // the port when opening, the block (from 1) of a transfer
    int count = 0;  // the blocks of the transfer

    bool operator==(const LinkStep&) const = default;
};

// "Reading block 3 of 16", "Waiting for the radio to answer", ...; empty for no step.
std::string LinkStepText(const LinkStep& step, const MessageCatalog& catalog);
// Puts the numbers into the "%d" of a catalogue text, one after the other.
std::string WithNumbers(std::string text, std::initializer_list<int> numbers);
// Puts a text into the "%s" of a catalogue text.
std::string WithText(std::string text, const std::string& inserted);

// Told of every step of a radio operation.
class LinkStepObserver {
public:
    virtual ~LinkStepObserver() = default;
    virtual void ShowStep(const LinkStep& step) = 0;
};

} // namespace qtr

#pragma once

namespace qtr {

// What an operation on the serial port or an exchange with the radio came to. Scoped, so
// that no caller can test it as a number with the meaning turned round.
enum class LinkResult { Done, Failed };

constexpr LinkResult ResultOf(bool done)
{
    return done ? LinkResult::Done : LinkResult::Failed;
}

} // namespace qtr

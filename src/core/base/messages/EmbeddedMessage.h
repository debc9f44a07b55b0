#pragma once

// The message identifiers of the Embedded Message editor (Common.h says which header names an id).
namespace qtr::messages::embedded {

constexpr int kTitle = 3002109;
constexpr int kAcceptedCharacters = 3900550;

} // namespace qtr::messages::embedded

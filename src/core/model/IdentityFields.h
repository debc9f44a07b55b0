#pragma once

#include "core/model/ImageField.h"

#include <cstddef>

namespace qtr::identity {

// The model identity: the same eight bytes as the current model record and the radio's
// identity reply.
constexpr ImageRange kIdentity{440, 8};
// Five ASCII characters, e.g. "P7100"; the fourth is 'L' on the L variants.
constexpr ImageRange kModelCode{440, 5};
constexpr ImageField kVariantLetter = kModelCode.ByteOf(3);
constexpr ImageField kTypeByte = ByteAt(445);
constexpr ImageField kBandCode = BitsAt(445, 4, 4);         // 1 VHF, 8 UHF
constexpr ImageField kChannelCountCode = BitsAt(445, 0, 4); // 0, 5 or 0xB
constexpr unsigned kFifteenOrSixteenChannels = 0xB;
constexpr ImageField kOptionByte = ByteAt(446);
constexpr ImageField kOptionBits = BitsAt(446, 0, 3); // 2 standard, 5 L variant
constexpr ImageField kLineLetter = ByteAt(447);       // 'B' Parlane, 'L' LMR

constexpr std::size_t kLength = kIdentity.length;
constexpr std::size_t kCodeLength = kModelCode.length;
// Positions inside an 8-byte model record.
constexpr std::size_t kRecordType = kTypeByte.offset - kIdentity.offset;
constexpr std::size_t kRecordOption = kOptionByte.offset - kIdentity.offset;
constexpr std::size_t kRecordLine = kLineLetter.offset - kIdentity.offset;

} // namespace qtr::identity

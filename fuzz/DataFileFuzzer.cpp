// Any bytes given to the data-file reader are either refused or give a whole image
// that writes back to the same bytes apart from the unchecked header bytes.
#include "core/document/DataFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qtr;
    const std::vector<std::uint8_t> bytes(data, data + size);
    const datafile::ReadResult result = datafile::Parse(bytes);
    (void)datafile::PreviewMessage(bytes);
    if (result.error != datafile::ReadError::None)
        return 0;
    if (size != datafile::kFileSize)
        std::abort();
    const auto rebuilt = datafile::Build(result.image, std::string(bytes.begin(), bytes.begin() + 6));
    if (!std::equal(rebuilt.begin() + 16, rebuilt.end(), bytes.begin() + 16))
        std::abort();
    return 0;
}

#include "jobs/bitrate.h"

namespace velmora::jobs {

std::string_view BitRateSwitch(std::optional<int> entry)
{
    if (!entry || *entry < 0 || *entry >= static_cast<int>(kBitRates.size())) {
        return {};
    }
    return kBitRates[static_cast<std::size_t>(*entry)].switchText;
}

} // namespace velmora::jobs

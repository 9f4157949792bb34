// The command line of a coder in a job script: the coder's short path, the
// input's short path, the temporary output, then four switch slots, all
// joined by one blank each. An empty slot keeps its blank, so empty slots
// leave runs of blanks; slot 4 is always empty, so the line ends in a blank.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::jobs {

struct CoderSwitches
{
    std::string slot1; // bit-rate switch (encoder) or "-wav" (decoder)
    std::string slot2; // "-hq" or empty
    std::string slot3; // "-dm" or empty
};

CoderSwitches EncoderSwitches(std::optional<int> bitRateEntry, bool highQuality, bool mono);
CoderSwitches DecoderSwitches(bool highQuality, bool mono);

std::string CoderLine(std::string_view coder, std::string_view input, std::string_view output,
                      const CoderSwitches& switches);

} // namespace velmora::jobs

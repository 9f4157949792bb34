#include "jobs/coderline.h"

#include "jobs/bitrate.h"

namespace velmora::jobs {
namespace {

CoderSwitches Switches(std::string_view first, bool highQuality, bool mono)
{
    return {std::string(first), highQuality ? "-hq" : "", mono ? "-dm" : ""};
}

} // namespace

CoderSwitches EncoderSwitches(std::optional<int> bitRateEntry, bool highQuality, bool mono)
{
    return Switches(BitRateSwitch(bitRateEntry), highQuality, mono);
}

CoderSwitches DecoderSwitches(bool highQuality, bool mono)
{
    return Switches("-wav", highQuality, mono);
}

std::string CoderLine(std::string_view coder, std::string_view input, std::string_view output,
                      const CoderSwitches& switches)
{
    // Each field is followed by its blank; the last blank stands before the
    // always empty slot 4.
    std::string line;
    for (std::string_view field :
         {coder, input, output, std::string_view(switches.slot1), std::string_view(switches.slot2),
          std::string_view(switches.slot3)}) {
        line.append(field).push_back(' ');
    }
    return line;
}

} // namespace velmora::jobs

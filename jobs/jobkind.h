// The two job kinds and everything in which their jobs differ: the texts of
// their scripts, messages and status labels, and the command line of the
// coder each runs, with its switches (the encoder's bit rates among them).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::jobs {

enum class JobKind
{
    Encoding,
    Decoding
};

struct JobKindTexts
{
    std::string_view scriptName;        // job script and busy marker in the application folder
    std::string_view statusWord;        // start of a single-file job's status caption and hint
    char messageMode;                   // Message.exe's mode letter for a single-file job
    std::string_view singleBusyMessage; // busy message of the single-file job
    std::string_view listBusyMessage;   // busy message of the list job
    std::string_view listExtension;     // extension part every list entry needs, upper case
    std::string_view listWorkFolder;    // list work folder under the application folder
    std::string_view firstRenameTarget; // what a list entry's coder output is renamed to first
    std::string_view resultExtension;   // extension that a list entry's result ends with
    std::string_view movePattern;       // files the list script moves to the output directory
    std::string_view listCaption;       // status caption of a list job
    std::string_view listHint;          // status hint of a list job
};

const JobKindTexts& TextsOf(JobKind kind);

// The bit rates of the main window's list and the encoder switch of each.
struct BitRate
{
    std::string_view caption;    // entry of the bit-rate list
    std::string_view switchText; // the encoder's switch for it
};

inline constexpr std::array<BitRate, 10> kBitRates{{
    {"8000 kBit/s", "-br 8000"},
    {"16000 kBit/s", "-br 16000"},
    {"24000 kBit/s", "-br 24000"},
    {"32000 kBit/s", "-br 32000"},
    {"56000 kBit/s", "-br 56000"},
    {"64000 kBit/s", "-br 64000"},
    {"96000 kBit/s", "-br 96000"},
    {"112000 kBit/s", "-br 112000"},
    {"128000 kBit/s", "-br 128000"},
    {"256000 kBit/s", "-br 256000"},
}};

// The entry that the main window selects when it is created.
inline constexpr int kDefaultBitRateEntry = 7;

// The switch of list entry ENTRY; empty with no entry or one outside the list.
std::string_view BitRateSwitch(std::optional<int> entry);

// The command line of a coder in a job script: the coder's short path, the
// input's short path, the temporary output, then four switch slots, all
// joined by one blank each. An empty slot keeps its blank, so empty slots
// leave runs of blanks; slot 4 is always empty, so the line ends in a blank.
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

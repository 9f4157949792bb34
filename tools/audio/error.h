// The one exception type of the coders' shared code: its text is the reason
// that a coder prints after "cannot read PATH: " or "cannot write PATH: ".
#pragma once

#include <stdexcept>

namespace velmora::audio {

class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// An Error whose text is the description of the C library's errno value.
[[noreturn]] void ThrowSystemError(int errorNumber);

} // namespace velmora::audio

// Sets an environment variable (or removes it, for a null value) for one
// scope and restores the old state afterwards.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace velmora::test {

class ScopedEnv
{
public:
    ScopedEnv(std::string name, const char* value) : name_(std::move(name))
    {
        if (const char* old = std::getenv(name_.c_str())) {
            old_ = old;
        }
        value != nullptr ? setenv(name_.c_str(), value, 1) : unsetenv(name_.c_str());
    }
    ScopedEnv(std::string name, const std::string& value)
        : ScopedEnv(std::move(name), value.c_str())
    {}
    ~ScopedEnv() { old_ ? setenv(name_.c_str(), old_->c_str(), 1) : unsetenv(name_.c_str()); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

} // namespace velmora::test

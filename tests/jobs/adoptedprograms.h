// The programs that a job starts detached (the interpreter, and the notice
// that its script starts in turn) leave their parents at once. While an
// AdoptedPrograms lives, this process is their subreaper: they become its
// children, so a test sees each one's arguments and how it ended.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace velmora::jobs::test {

struct EndedProgram
{
    std::string name;              // the program's file name, up to 15 bytes of it
    std::vector<std::string> args; // as last seen while it ran, without argv[0]
    int status = -1;               // exit status; 128 + signal number when killed
};

class AdoptedPrograms
{
public:
    AdoptedPrograms();
    ~AdoptedPrograms();
    AdoptedPrograms(const AdoptedPrograms&) = delete;
    AdoptedPrograms& operator=(const AdoptedPrograms&) = delete;

    // Waits, up to a minute, until a program of each of NAMES has ended;
    // returns every adopted program that ended meanwhile, in that order.
    std::vector<EndedProgram> WaitFor(const std::vector<std::string>& names);
};

} // namespace velmora::jobs::test

// The Qt application of a tool that shows a window (the interpreter's console,
// the notice at the end of a job). Such a tool is started by a job, possibly
// where no display can be opened (a service, a remote shell); Qt would then
// abort. Here the platform falls back to "offscreen" instead, and the tool
// learns that its windows would be seen by nobody.
#pragma once

#include <QApplication>
#include <memory>
#include <string>
#include <vector>

namespace velmora::display {

class DisplayApplication
{
public:
    // ARGC and ARGV as main got them; Qt's own arguments are taken from them.
    DisplayApplication(int argc, char** argv);
    ~DisplayApplication();
    DisplayApplication(const DisplayApplication&) = delete;
    DisplayApplication& operator=(const DisplayApplication&) = delete;

    QApplication& App() { return *app_; }
    // False when no display could be opened and the offscreen platform,
    // which nobody asked for, stands in.
    bool HasDisplay() const { return hasDisplay_; }

private:
    // The arguments that Qt gets: the caller's, with the platforms to try.
    std::vector<std::string> args_;
    std::vector<char*> argv_;
    int argc_ = 0;
    std::unique_ptr<QApplication> app_;
    bool hasDisplay_ = true;
};

} // namespace velmora::display

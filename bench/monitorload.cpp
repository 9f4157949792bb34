// The processor time that the two job monitors take while two jobs run: both
// job scripts exist for the whole run, so both 10 ms monitors tick and repaint
// their bars throughout. Prints the share of one core that the program used,
// and beside it the share of the same program idle for the same time.
//   monitor_load [SECONDS]
#include "platform/appfolder.h"
#include "platform/dosfs.h"
#include "platform/scriptlock.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/unit1.h"

#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

namespace {

double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The share of one core used while the event loop runs for SECONDS.
double Share(double seconds)
{
    const double start = ProcessorSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    QTimer::singleShot(static_cast<int>(seconds * 1000), qApp, &QCoreApplication::quit);
    QApplication::exec();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
    return (ProcessorSeconds() - start) / wall.count();
}

} // namespace

int main(int argc, char** argv)
{
    velmora::ui::TApplication application(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "velmora-monitor-load";
    fs::create_directories(folder);
    const auto dosFolder = velmora::platform::DosPath(folder);
    velmora::platform::SetApplicationFolder(*dosFolder + "\\");

    const auto forms = velmora::ui::CreateForms("");
    forms->Form1->show();
    const double idle = Share(seconds);
    std::ofstream(folder / "Encoding.bat") << "running";
    std::ofstream(folder / "Decoding.bat") << "running";
    // Held as the interpreter holds the scripts it runs.
    const auto encoding = velmora::platform::HoldScript(folder / "Encoding.bat");
    const auto decoding = velmora::platform::HoldScript(folder / "Decoding.bat");
    using velmora::jobs::JobKind;
    using velmora::jobs::WatchedScript;
    forms->Form1->EnableMonitor(JobKind::Encoding, WatchedScript(JobKind::Encoding));
    forms->Form1->EnableMonitor(JobKind::Decoding, WatchedScript(JobKind::Decoding));
    const double monitors = Share(seconds);
    fs::remove_all(folder);
    std::printf("two monitors: %.2f %% of one core (goal: under 1 %%); idle: %.2f %%\n",
                monitors * 100, idle * 100);
    return 0;
}

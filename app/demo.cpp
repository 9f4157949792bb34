// A demonstration for machines without a display. The program's own windows,
// on Qt's offscreen platform, encode a Wave file with the same code that a
// click on "&Encode" runs; when the job's monitor has ended, the MP3 file it
// made is described.
//   velmora-demo [WAVE]   (default: the bundled sample of the application folder)
#include "platform/appfolder.h"
#include "platform/argument.h"
#include "platform/dosfs.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/unit1.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <mpg123.h>

namespace {

namespace fs = std::filesystem;

// The playing time of an MP3 file in seconds, or a negative value when it
// holds no audio that the decoder can read.
double Duration(const fs::path& file)
{
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    double seconds = -1;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (handle != nullptr && mpg123_open(handle, file.c_str()) == MPG123_OK &&
        mpg123_scan(handle) == MPG123_OK &&
        mpg123_getformat(handle, &rate, &channels, &encoding) == MPG123_OK && rate > 0) {
        const off_t samples = mpg123_length(handle);
        seconds = samples >= 0 ? static_cast<double>(samples) / static_cast<double>(rate) : -1;
    }
    mpg123_delete(handle);
    return seconds;
}

// The demonstration has nobody to answer a dialog: a message is printed and
// its dialog closed, and the demonstration has failed.
void PrintAndCloseDialogs(bool& failed)
{
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        std::fprintf(stderr, "velmora-demo: %s\n", box->text().toLocal8Bit().constData());
        failed = true;
        box->close();
    } else if (QWidget* dialog = QApplication::activeModalWidget()) {
        std::fprintf(stderr, "velmora-demo: the %s window opened\n",
                     dialog->windowTitle().toLocal8Bit().constData());
        failed = true;
        dialog->close();
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    velmora::ui::TApplication application(argc, argv);
    const auto appFolder = velmora::platform::HostPath(velmora::platform::ApplicationFolder());
    const fs::path wave =
        argc > 1 ? fs::absolute(argv[1]) : *appFolder / "samples" / "Velmora Sample.wav";
    fs::path mp3 = wave;
    mp3.replace_extension(".mp3");
    const std::string input = velmora::platform::DosFormOfArgument(wave.string());
    const std::string output = velmora::platform::DosFormOfArgument(mp3.string());
    std::printf("Encoding %s\n", input.c_str());

    const auto forms = velmora::ui::CreateForms("");
    velmora::ui::TForm1& form = *forms->Form1;
    form.show();
    bool failed = false;
    QTimer dialogs;
    QObject::connect(&dialogs, &QTimer::timeout, [&failed] { PrintAndCloseDialogs(failed); });
    dialogs.start(10);

    form.Edit1->setText(QString::fromStdString(input));
    form.Edit2->setText(QString::fromStdString(output));
    form.ExplorerButton1Click();
    if (failed || !form.Timer1->isActive()) {
        std::fputs("velmora-demo: the job did not start\n", stderr);
        return 1;
    }
    QEventLoop untilTheMonitorEnds;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!form.Timer1->isActive()) {
            untilTheMonitorEnds.quit();
        }
    });
    watch.start(20);
    untilTheMonitorEnds.exec();

    std::error_code error;
    const auto size = fs::file_size(mp3, error);
    const double seconds = error ? -1 : Duration(mp3);
    if (seconds < 0) {
        std::fprintf(stderr, "velmora-demo: the job ended without a playable %s\n", mp3.c_str());
        return 1;
    }
    std::printf("Made %s\n  %s\n  %ju bytes, %.2f seconds of MPEG audio Layer 3\n", output.c_str(),
                mp3.c_str(), static_cast<std::uintmax_t>(size), seconds);
    return 0;
}

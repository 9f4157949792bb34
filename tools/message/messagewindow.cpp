#include "tools/message/messagewindow.h"

#include "jobs/linebuffer.h"
#include "jobs/scripts.h"
#include "platform/appfolder.h"
#include "platform/argument.h"
#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/scriptlock.h"
#include "platform/shell.h"
#include "platform/wholefile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace velmora::message {

namespace {

bool IsFolder(const std::string& path)
{
    const std::optional<std::filesystem::path> host = platform::HostPathOfArgument(path);
    std::error_code error;
    return host && std::filesystem::is_directory(*host, error);
}

bool IsFile(const std::string& path)
{
    const std::optional<std::filesystem::path> host = platform::HostPathOfArgument(path);
    std::error_code error;
    return host && std::filesystem::is_regular_file(*host, error);
}

// Text as the system's code page holds it: bytes, shown as UTF-8 on the host.
QString Text(const std::string& bytes)
{
    return QString::fromStdString(bytes);
}

// True when PATH is a file that the job made: written after its script.
bool IsMadeByJob(const std::string& path, const std::optional<JobScript>& script)
{
    const std::optional<std::filesystem::path> host = platform::HostPathOfArgument(path);
    std::error_code error;
    return IsFile(path) &&
           (!script || std::filesystem::last_write_time(*host, error) > script->written);
}

// PATH with NAME appended, in PATH's own form.
std::string Joined(const std::string& folder, const std::string& name)
{
    const bool dos = platform::IsDosPath(folder);
    const bool ends = !folder.empty() && (folder.back() == '\\' || folder.back() == '/' ||
                                          (dos && folder.back() == ':'));
    return folder + (ends ? "" : dos ? "\\" : "/") + name;
}

// The script at FILE, with the time it was written.
std::optional<JobScript> ReadJobScript(const std::filesystem::path& file)
{
    std::error_code error;
    const auto written = std::filesystem::last_write_time(file, error);
    const std::optional<std::string> bytes = platform::ReadWholeFile(file);
    if (error || !bytes) {
        return std::nullopt;
    }
    return JobScript{platform::SplitLines(*bytes), written};
}

// The script that started the notice: the one on the descriptor that the
// interpreter hands on, else the application folder's script of MODE's kind.
std::optional<JobScript> StartingScript(char mode)
{
    if (const char* fd = std::getenv(platform::kJobScriptVariable)) {
        return ReadJobScript("/proc/self/fd/" + std::string(fd));
    }
    const std::optional<std::filesystem::path> script = platform::HostPath(
        platform::ApplicationFolder() + (mode == 'D' ? "Decoding.bat" : "Encoding.bat"));
    return script ? ReadJobScript(*script) : std::nullopt;
}

Outcome ExamineSingle(const JobReport& report)
{
    const bool encoding = report.mode == 'E';
    const QString output = Text(report.output);
    if (IsMadeByJob(report.output, report.script)) {
        return {false,
                encoding ? MessageWindow::tr("Encoding finished")
                         : MessageWindow::tr("Decoding finished"),
                output};
    }
    const QString headline =
        encoding ? MessageWindow::tr("Encoding failed") : MessageWindow::tr("Decoding failed");
    if (IsFile(report.output)) {
        return {
            true, headline,
            MessageWindow::tr("No new output arrived; the earlier file %1 is kept.").arg(output)};
    }
    if (!IsFolder(FolderToOpen(report))) {
        return {true, headline,
                MessageWindow::tr("%1 was not created: its folder does not exist.").arg(output)};
    }
    return {true, headline, MessageWindow::tr("%1 was not created.").arg(output)};
}

Outcome ExamineList(const JobReport& report)
{
    const QString folder = MessageWindow::tr("Output folder: %1").arg(Text(report.output));
    const std::vector<jobs::ListedEntry> entries = report.script
                                                       ? jobs::ReadListEntries(report.script->lines)
                                                       : std::vector<jobs::ListedEntry>{};
    QStringList missing;
    for (const jobs::ListedEntry& entry : entries) {
        if (!IsMadeByJob(Joined(report.output, entry.result), report.script)) {
            missing.append(Text(entry.name));
        }
    }
    const QString arrived = MessageWindow::tr("%1 of %2 results arrived.")
                                .arg(entries.size() - static_cast<std::size_t>(missing.size()))
                                .arg(entries.size());
    if (entries.empty()) {
        return {false, MessageWindow::tr("List finished"), folder};
    }
    if (missing.isEmpty()) {
        return {false, MessageWindow::tr("List finished"), folder + "\n" + arrived};
    }
    return {true, MessageWindow::tr("List failed"),
            folder + "\n" + arrived + "\n" +
                MessageWindow::tr("Not coded: %1").arg(missing.join(", "))};
}

} // namespace

std::optional<JobReport> ParseJobReport(int argc, const char* const* argv)
{
    if (argc != 4) {
        return std::nullopt;
    }
    const std::string mode = argv[1];
    if (mode.size() != 1 || std::string("EDLedl").find(mode[0]) == std::string::npos) {
        return std::nullopt;
    }
    JobReport report{static_cast<char>(std::toupper(static_cast<unsigned char>(mode[0]))), argv[2],
                     argv[3], std::nullopt};
    // The script quotes the output; an interpreter that keeps the quotes
    // must not make it a different name.
    if (report.output.size() >= 2 && report.output.front() == '"' && report.output.back() == '"') {
        report.output = report.output.substr(1, report.output.size() - 2);
    }
    report.script = StartingScript(report.mode);
    return report;
}

std::string FolderToOpen(const JobReport& report)
{
    if (report.mode == 'L') {
        return report.output;
    }
    const std::size_t cut =
        report.output.find_last_of(platform::IsDosPath(report.output) ? "\\:" : "/");
    if (cut == std::string::npos) {
        return ".";
    }
    // "D:\song.mp3" lies in "D:\", "/song.mp3" in "/".
    const bool keepSeparator =
        cut == 0 || report.output[cut] == ':' || report.output[cut - 1] == ':';
    return report.output.substr(0, keepSeparator ? cut + 1 : cut);
}

Outcome Examine(const JobReport& report)
{
    return report.mode == 'L' ? ExamineList(report) : ExamineSingle(report);
}

MessageWindow::MessageWindow(const JobReport& report, int closeAfterMs, QWidget* parent)
    : QWidget(parent), report_(report), outcome_(Examine(report)), icon_(new QLabel(this)),
      headline_(new QLabel(outcome_.headline, this)), detail_(new QLabel(outcome_.detail, this)),
      ok_(new QPushButton(tr("OK"), this)), openFolder_(new QPushButton(tr("Open folder"), this))
{
    const QStyle::StandardPixmap icon =
        outcome_.failed ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation;
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon_->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(size, size));
    setWindowTitle("Velmora");
    QFont bold = headline_->font();
    bold.setBold(true);
    headline_->setFont(bold);
    detail_->setWordWrap(true);
    detail_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    openFolder_->setEnabled(IsFolder(FolderToOpen(report)));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(openFolder_);
    auto* texts = new QVBoxLayout;
    texts->addWidget(headline_);
    texts->addWidget(detail_);
    auto* message = new QHBoxLayout;
    message->addWidget(icon_, 0, Qt::AlignTop);
    message->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addLayout(buttons);
    ok_->setDefault(true);
    setMinimumWidth(360);

    connect(ok_, &QPushButton::clicked, this, &QWidget::close);
    connect(openFolder_, &QPushButton::clicked, this, &MessageWindow::OpenFolder);
    QTimer::singleShot(closeAfterMs, this, &QWidget::close);
}

QString MessageWindow::HeadlineText() const
{
    return headline_->text();
}

QString MessageWindow::DetailText() const
{
    return detail_->text();
}

void MessageWindow::OpenFolder()
{
    // The shell's file manager takes the folder as its parameter; a folder
    // given as the file to open would be no document and not start.
    if (platform::ShellExecute("open", "explorer.exe", FolderToOpen(report_), "",
                               platform::ShowState::Normal)) {
        close();
    }
}

int CloseAfterMs()
{
    const char* value = std::getenv("VELMORA_MESSAGE_TIMEOUT_MS");
    const int ms = value ? std::atoi(value) : 0;
    return ms > 0 ? ms : 30000;
}

} // namespace velmora::message

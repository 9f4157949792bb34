#include "tools/message/message_window.h"

#include "platform/argument.h"
#include "platform/shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
                     argv[3]};
    // The script quotes the output; an interpreter that keeps the quotes
    // must not make it a different name.
    if (report.output.size() >= 2 && report.output.front() == '"' && report.output.back() == '"') {
        report.output = report.output.substr(1, report.output.size() - 2);
    }
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

QString Headline(const JobReport& report)
{
    if (report.mode == 'L') {
        return MessageWindow::tr("List finished");
    }
    if (!IsFile(report.output)) {
        return MessageWindow::tr("The output file was not created.");
    }
    return report.mode == 'E' ? MessageWindow::tr("Encoding finished")
                              : MessageWindow::tr("Decoding finished");
}

QString Detail(const JobReport& report)
{
    return report.mode == 'L' ? MessageWindow::tr("Output folder: %1").arg(Text(report.output))
                              : Text(report.output);
}

MessageWindow::MessageWindow(const JobReport& report, int closeAfterMs, QWidget* parent)
    : QWidget(parent), report_(report), headline_(new QLabel(Headline(report), this)),
      detail_(new QLabel(Detail(report), this)), ok_(new QPushButton(tr("OK"), this)),
      openFolder_(new QPushButton(tr("Open folder"), this))
{
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headline_);
    layout->addWidget(detail_);
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

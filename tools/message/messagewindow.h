// The notice that ends every job script: what the job really produced, with
// buttons "OK" and "Open folder". It closes itself after a while, so that a
// job left unattended does not leave windows piling up.
#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace velmora::message {

// The job script that started the notice, as read when the notice starts.
struct JobScript
{
    std::vector<std::string> lines;
    std::filesystem::file_time_type written; // when it was written, before the job ran
};

struct JobReport
{
    char mode = 'E';    // 'E' single encoding, 'D' single decoding, 'L' a list
    std::string source; // the input's short path; "X" for lists
    std::string output; // the output file (E, D) or folder (L), long, DOS or host path
    std::optional<JobScript> script = {}; // none when the notice was not started by a job
};

// Reads MODE SOURCE OUTPUT; nullopt for anything else. The script is read
// through the descriptor that the interpreter hands on (the script may have
// deleted itself by now), else from the application folder by the mode's kind.
std::optional<JobReport> ParseJobReport(int argc, const char* const* argv);

// The folder that "Open folder" shows: the output's folder for E and D, the
// output itself for L (DOS paths keep their form).
std::string FolderToOpen(const JobReport& report);

// What the notice says. A single job succeeded when its output is a file
// that this job made, newer than its script; a list job names the entries
// whose results did not arrive in the output folder. Without a script, an
// existing output counts as made.
struct Outcome
{
    bool failed = false;
    QString headline; // "Encoding finished", "Decoding failed", ...
    QString detail;   // the output it is about, and what went wrong
};

Outcome Examine(const JobReport& report);

class MessageWindow : public QWidget
{
    Q_OBJECT
public:
    // Closes itself after closeAfterMs milliseconds.
    MessageWindow(const JobReport& report, int closeAfterMs, QWidget* parent = nullptr);

    QString HeadlineText() const;
    QString DetailText() const;
    // True when the notice tells of a failure, with the stop icon.
    bool Failed() const { return outcome_.failed; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* OpenFolderButton() const { return openFolder_; }

private:
    void OpenFolder();

    JobReport report_;
    Outcome outcome_;
    QLabel* icon_;
    QLabel* headline_;
    QLabel* detail_;
    QPushButton* ok_;
    QPushButton* openFolder_;
};

// 30 seconds, or VELMORA_MESSAGE_TIMEOUT_MS when set (tests).
int CloseAfterMs();

} // namespace velmora::message

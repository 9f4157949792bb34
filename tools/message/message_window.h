// The notice that ends every job script: what the job produced, with buttons
// "OK" and "Open folder". It closes itself after a while, so that a job left
// unattended does not leave windows piling up.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace velmora::message {

struct JobReport
{
    char mode = 'E';    // 'E' single encoding, 'D' single decoding, 'L' a list
    std::string source; // the input's short path; "X" for lists
    std::string output; // the output file (E, D) or folder (L), long, DOS or host path
};

// Reads MODE SOURCE OUTPUT; nullopt for anything else.
std::optional<JobReport> ParseJobReport(int argc, const char* const* argv);

// The folder that "Open folder" shows: the output's folder for E and D, the
// output itself for L (DOS paths keep their form).
std::string FolderToOpen(const JobReport& report);

// What the notice says: a headline ("Encoding finished", "The output file was
// not created.", ...) and the output it is about.
QString Headline(const JobReport& report);
QString Detail(const JobReport& report);

class MessageWindow : public QWidget
{
    Q_OBJECT
public:
    // Closes itself after closeAfterMs milliseconds.
    MessageWindow(const JobReport& report, int closeAfterMs, QWidget* parent = nullptr);

    QString HeadlineText() const;
    QString DetailText() const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* openFolderButton() const { return openFolder_; }

private:
    void OpenFolder();

    JobReport report_;
    QLabel* headline_;
    QLabel* detail_;
    QPushButton* ok_;
    QPushButton* openFolder_;
};

// 30 seconds, or VELMORA_MESSAGE_TIMEOUT_MS when set (tests).
int CloseAfterMs();

} // namespace velmora::message

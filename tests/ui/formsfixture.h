// The program's windows in a sandbox with drives C: and D:, the application
// folder C:\Velmora\ holding the real dosbatch, the stand-in coders
// C:\L3\l3enc.exe and C:\L3\l3dec.exe named in its Settings.ini, and the
// shell's other targets handed to the recorder.
#pragma once

#include "tests/support/sandbox.h"
#include "tests/ui/dialoganswers.h"
#include "ui/forms.h"
#include "ui/unit1.h"

#include <QLineEdit>
#include <QList>
#include <QUrl>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace velmora::ui::test {

class FormsFixture : public ::testing::Test, protected velmora::test::Sandbox
{
protected:
    static constexpr const char* kApp = "C:\\Velmora\\";
    static constexpr const char* kEncoder = "C:\\L3\\l3enc.exe";
    static constexpr const char* kDecoder = "C:\\L3\\l3dec.exe";

    FormsFixture();
    void TearDown() override;

    // Creates the windows as the program does, with ARGUMENT as its first
    // command-line argument, and shows the main window.
    void Start(const std::string& argument = "");

    // The host path of a DOS path on C: or D:, as a user types it.
    QString HostText(const std::string& dosPath) const;
    // Moves Z: off the host root and gives a host folder that no drive maps.
    std::string UnmappedFolder();
    // Types TEXT over the whole text of FIELD.
    static void Type(QLineEdit* field, const QString& text);
    // Drops URLS on CONTROL as a file manager does.
    void Drop(QWidget* control, const QList<QUrl>& urls);
    // Waits until the kind's monitor has ended, up to 30 seconds.
    bool WaitForMonitor(QTimer* timer) const;

    TForm1& Form1() const { return *forms_->Form1; }
    Forms& AllForms() const { return *forms_; }

    DialogAnswers dialogs;
    std::filesystem::path shellRecord;

private:
    std::unique_ptr<Forms> forms_;
};

} // namespace velmora::ui::test

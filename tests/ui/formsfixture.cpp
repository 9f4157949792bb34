#include "tests/ui/formsfixture.h"

#include "platform/appfolder.h"
#include "tests/support/files.h"
#include "tests/ui/filedrop.h"

#include <QApplication>
#include <QTest>

namespace velmora::ui::test {

namespace fs = std::filesystem;

void FormsFixture::SetUp()
{
    TempDrives::SetUp();
    MapDrives("CD");
    velmora::test::CopyProgram(VELMORA_DOSBATCH, Host(std::string(kApp) + "dosbatch"));
    velmora::test::CopyProgram(VELMORA_TEST_CODER, Host(kEncoder));
    velmora::test::CopyProgram(VELMORA_TEST_CODER, Host(kDecoder));
    Write(std::string(kApp) + "Settings.ini", std::string(kEncoder) + "\r\n" + kDecoder + "\r\n");
    platform::SetApplicationFolder(kApp);
    shellRecord = root / "shell.record";
    opener_.emplace("VELMORA_OPENER", VELMORA_TEST_RECORDER);
    record_.emplace("VELMORA_RECORD", shellRecord.string());
}

void FormsFixture::TearDown()
{
    forms_.reset();
    platform::SetApplicationFolder("");
    record_.reset();
    opener_.reset();
    TempDrives::TearDown();
}

void FormsFixture::Start(const std::string& argument)
{
    forms_ = CreateForms(argument);
    forms_->Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(forms_->Form1.get()));
}

void FormsFixture::Write(const std::string& dosPath, const std::string& bytes) const
{
    velmora::test::WriteFile(Host(dosPath), bytes);
}

std::string FormsFixture::Read(const std::string& dosPath) const
{
    return velmora::test::ReadFile(Host(dosPath));
}

QString FormsFixture::HostText(const std::string& dosPath) const
{
    return QString::fromStdString(Host(dosPath).string());
}

std::string FormsFixture::UnmappedFolder()
{
    MapDrives("CDZ");
    return (root / "elsewhere").string();
}

void FormsFixture::Type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    field->insert(text);
}

void FormsFixture::Drop(QWidget* control, const QList<QUrl>& urls)
{
    ASSERT_TRUE(DropOnControl(control, urls));
}

bool FormsFixture::WaitForMonitor(QTimer* timer) const
{
    return QTest::qWaitFor([timer] { return !timer->isActive(); }, 30000);
}

} // namespace velmora::ui::test

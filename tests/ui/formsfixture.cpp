#include "tests/ui/formsfixture.h"

#include "tests/support/files.h"
#include "tests/support/waituntil.h"
#include "tests/ui/filedrop.h"

#include <QApplication>
#include <QTest>

namespace velmora::ui::test {

namespace fs = std::filesystem;

FormsFixture::FormsFixture() : shellRecord(root / "shell.record")
{
    SetAppFolder(kApp);
    Install(VELMORA_DOSBATCH, std::string(kApp) + "dosbatch");
    Install(VELMORA_TEST_CODER, kEncoder);
    Install(VELMORA_TEST_CODER, kDecoder);
    SaveCoders(kEncoder, kDecoder);
    SetEnv("VELMORA_OPENER", VELMORA_TEST_RECORDER);
    SetEnv("VELMORA_RECORD", shellRecord.string());
}

void FormsFixture::TearDown()
{
    forms_.reset();
}

void FormsFixture::Start(const std::string& argument)
{
    forms_ = CreateForms(argument);
    forms_->Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(forms_->Form1.get()));
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
    return velmora::test::WaitUntil([timer] { return !timer->isActive(); },
                                    std::chrono::seconds(30));
}

} // namespace velmora::ui::test

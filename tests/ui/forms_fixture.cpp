#include "tests/ui/forms_fixture.h"

#include "platform/dosfs.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace velmora::ui::test {

namespace fs = std::filesystem;

void FormsFixture::SetUp()
{
    TempDrives::SetUp();
    MapDrives("CD");
    fs::create_directories(Host(kApp));
    fs::copy_file(VELMORA_DOSBATCH, Host(std::string(kApp) + "dosbatch"));
    fs::create_directories(Host("C:\\L3"));
    fs::copy_file(VELMORA_TEST_CODER, Host(kEncoder));
    fs::copy_file(VELMORA_TEST_CODER, Host(kDecoder));
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

fs::path FormsFixture::Host(const std::string& dosPath) const
{
    std::string relative =
        dosPath.substr(0, 1) + "/" + dosPath.substr(std::min<size_t>(3, dosPath.size()));
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return root / relative;
}

void FormsFixture::Write(const std::string& dosPath, const std::string& bytes) const
{
    fs::create_directories(Host(dosPath).parent_path());
    std::ofstream(Host(dosPath), std::ios::binary) << bytes;
}

std::string FormsFixture::Read(const std::string& dosPath) const
{
    std::ifstream in(Host(dosPath), std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

void FormsFixture::Drop(const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at(200, 150);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(forms_->Form1.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(forms_->Form1.get(), &drop);
    QTest::qWait(50);
}

bool FormsFixture::WaitForMonitor(QTimer* timer) const
{
    return QTest::qWaitFor([timer] { return !timer->isActive(); }, 30000);
}

} // namespace velmora::ui::test

#include "platform/appfolder.h"
#include "platform/dosfs.h"
#include "tests/support/tempdrives.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

class AppFolder : public test::TempDrives
{
protected:
    void SetUp() override
    {
        TempDrives::SetUp();
        MapDrives("C");
    }
};

TEST_F(AppFolder, IsTheExecutablesFolderUnlessSet)
{
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    const std::string expected = *DosPath(exe.parent_path()) + "\\";
    EXPECT_EQ(ApplicationFolder(), expected);
    EXPECT_EQ(HostPath(ApplicationFolder()), exe.parent_path());

    SetApplicationFolder("C:\\APPS\\FRONT");
    EXPECT_EQ(ApplicationFolder(), "C:\\APPS\\FRONT\\");
    SetApplicationFolder("C:\\");
    EXPECT_EQ(ApplicationFolder(), "C:\\");
    SetApplicationFolder("");
    EXPECT_EQ(ApplicationFolder(), expected);
}

} // namespace
} // namespace velmora::platform

#include "jobs/linebuffer.h"
#include "tests/jobs/jobsandbox.h"

#include <functional>
#include <gtest/gtest.h>

namespace velmora::jobs {
namespace {

using Lines = std::vector<std::string>;

TEST(LineModel, ALineTheListDoesNotHaveReadsAsEmpty)
{
    EXPECT_EQ(LineAt({"first"}, 0), "first");
    EXPECT_EQ(LineAt({"first"}, 1), "");
}

using LineBufferFile = test::JobSandbox;

TEST_F(LineBufferFile, WritesEveryLineWithCrLfAndReadsItBack)
{
    scratch_.Append("one");
    scratch_.Append("");
    scratch_.Append("three ");
    scratch_.SaveToFile("C:\\APPS\\FRONT\\out.txt");
    EXPECT_EQ(Read("C:\\APPS\\FRONT\\out.txt"), "one\r\n\r\nthree \r\n");

    LineBuffer reread;
    reread.Append("replaced");
    reread.LoadFromFile("C:\\APPS\\FRONT\\out.txt");
    EXPECT_EQ(reread.Lines(), (Lines{"one", "", "three "}));
    EXPECT_EQ(reread.Line(3), "");
}

TEST_F(LineBufferFile, FailuresCarryTheErrorTextWithThePath)
{
    scratch_.Append("kept");
    const struct
    {
        std::function<void()> action;
        const char* text;
    } cases[] = {
        {[&] { scratch_.LoadFromFile("C:\\APPS\\missing.txt"); },
         "Cannot open file C:\\APPS\\missing.txt"},
        {[&] { scratch_.LoadFromFile("C:\\APPS"); }, "Cannot open file C:\\APPS"},
        {[&] { scratch_.SaveToFile("C:\\NOWHERE\\out.txt"); },
         "Cannot create file C:\\NOWHERE\\out.txt"},
        {[&] { scratch_.SaveToFile("Q:\\out.txt"); }, "Cannot create file Q:\\out.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test::FileErrorText(c.action), c.text);
    }
    EXPECT_EQ(scratch_.Lines(), Lines{"kept"});
}

} // namespace
} // namespace velmora::jobs

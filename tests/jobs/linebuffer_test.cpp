#include "jobs/fileerror.h"
#include "jobs/linebuffer.h"
#include "jobs/linemodel.h"
#include "sandbox.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace velmora::jobs {
namespace {

using Lines = std::vector<std::string>;

TEST(LineModel, SplitsAtEveryKindOfLineBreak)
{
    const struct
    {
        const char* text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\n", {"a"}},
        {"a\r", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\n\r", {"a", ""}},
        {"\r\n", {""}},
        {"\r\n\r\nb", {"", "", "b"}},
        {" a \t\r\n", {" a \t"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(SplitLines(c.text), c.lines);
    }
}

TEST(LineModel, LinePastTheEndReadsEmpty)
{
    const Lines lines{"first"};
    EXPECT_EQ(LineAt(lines, 0), "first");
    EXPECT_EQ(LineAt(lines, 1), "");
    EXPECT_EQ(LineAt({}, 0), "");
}

class LineBufferFile : public test::Sandbox
{};

TEST_F(LineBufferFile, WritesEveryLineWithCrLfAndReadsItBack)
{
    LineBuffer buffer;
    buffer.Append("one");
    buffer.Append("");
    buffer.Append("three ");
    buffer.SaveToFile("C:\\APPS\\FRONT\\out.txt");
    EXPECT_EQ(Contents("C:\\APPS\\FRONT\\out.txt"), "one\r\n\r\nthree \r\n");

    LineBuffer reread;
    reread.Append("old content goes");
    reread.LoadFromFile("C:\\APPS\\FRONT\\out.txt");
    EXPECT_EQ(reread.Lines(), (Lines{"one", "", "three "}));
    EXPECT_EQ(reread.Line(3), "");
}

TEST_F(LineBufferFile, EmptyBufferWritesAnEmptyFile)
{
    MakeFile("C:\\APPS\\FRONT\\out.txt", "earlier");
    LineBuffer().SaveToFile("C:\\APPS\\FRONT\\out.txt");
    EXPECT_EQ(Contents("C:\\APPS\\FRONT\\out.txt"), "");
}

TEST_F(LineBufferFile, FailuresCarryTheErrorTextWithThePath)
{
    LineBuffer buffer;
    buffer.Append("kept");
    const struct
    {
        std::function<void()> action;
        const char* text;
    } cases[] = {
        {[&] { buffer.LoadFromFile("C:\\APPS\\FRONT\\missing.txt"); },
         "Cannot open file C:\\APPS\\FRONT\\missing.txt"},
        {[&] { buffer.LoadFromFile("C:\\APPS"); }, "Cannot open file C:\\APPS"},
        {[&] { buffer.SaveToFile("C:\\NOWHERE\\out.txt"); },
         "Cannot create file C:\\NOWHERE\\out.txt"},
        {[&] { buffer.SaveToFile("Q:\\out.txt"); }, "Cannot create file Q:\\out.txt"},
    };
    for (const auto& c : cases) {
        try {
            c.action();
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const FileError& error) {
            EXPECT_STREQ(error.what(), c.text);
        }
    }
    EXPECT_EQ(buffer.Lines(), Lines{"kept"});
}

} // namespace
} // namespace velmora::jobs

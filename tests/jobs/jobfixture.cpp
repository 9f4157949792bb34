#include "jobfixture.h"

#include "jobs/linemodel.h"

namespace velmora::jobs::test {

void JobFixture::SetUp()
{
    Sandbox::SetUp();
    SaveCoders(kEncoder, kDecoder);
}

void JobFixture::SaveCoders(const std::string& encoder, const std::string& decoder) const
{
    MakeFile(kSettings, encoder + "\r\n" + decoder + "\r\n");
}

std::string JobFixture::Script(std::initializer_list<std::string> lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

std::string JobFixture::ScriptLine(const char* path, std::size_t i) const
{
    return std::string(LineAt(SplitLines(Contents(path)), i));
}

} // namespace velmora::jobs::test

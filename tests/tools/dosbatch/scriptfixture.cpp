#include "tests/tools/dosbatch/scriptfixture.h"

#include "platform/shortpath.h"
#include "tests/support/files.h"

#include <algorithm>
#include <sstream>

namespace velmora::dosbatch::test {

namespace fs = std::filesystem;

ScriptFixture::ScriptFixture()
{
    sandbox_.SetEnv("HOME", (root_ / "C/Users/me").string());
    sandbox_.SetEnv("VELMORA_RECORD", recordFile().string());
}

void ScriptFixture::Build(const std::vector<std::string>& tree)
{
    for (const std::string& entry : tree) {
        if (entry.ends_with('/')) {
            fs::create_directories(root_ / entry);
            continue;
        }
        if (const std::size_t arrow = entry.find(" -> "); arrow != std::string::npos) {
            const fs::path link = root_ / entry.substr(0, arrow);
            fs::create_directories(link.parent_path());
            fs::create_symlink(entry.substr(arrow + 4), link);
            continue;
        }
        const std::size_t equals = entry.find('=');
        const fs::path file = root_ / entry.substr(0, equals);
        const std::string content = equals == std::string::npos ? "" : entry.substr(equals + 1);
        if (content == "@recorder") {
            velmora::test::CopyProgram(VELMORA_TEST_RECORDER, file);
        } else if (content == "@coder") {
            velmora::test::CopyProgram(VELMORA_TEST_CODER, file);
        } else {
            velmora::test::WriteFile(file, content);
        }
    }
}

std::vector<std::string> ScriptFixture::Tree() const
{
    std::vector<std::string> tree;
    for (auto it = fs::recursive_directory_iterator(root_);
         it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = fs::relative(it->path(), root_).string();
        if (name.starts_with("record.txt") || name == "C" || name == "D") {
            continue;
        }
        if (it->is_symlink()) {
            tree.push_back(name + " -> " + fs::read_symlink(it->path()).string());
        } else if (it->is_directory()) {
            tree.push_back(name + "/");
        } else if ((fs::status(it->path()).permissions() & fs::perms::owner_exec) !=
                   fs::perms::none) {
            tree.push_back(name + "*");
        } else {
            const std::string content = velmora::test::ReadFile(it->path());
            tree.push_back(content.empty() ? name : name + "=" + content);
        }
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}

std::string ScriptFixture::Expand(std::string text) const
{
    for (std::size_t at; (at = text.find("{ROOT}")) != std::string::npos;) {
        text.replace(at, 6, root_.string());
    }
    for (std::size_t at; (at = text.find("{S:")) != std::string::npos;) {
        const std::size_t end = text.find('}', at);
        text.replace(at, end + 1 - at, platform::ShortPath(text.substr(at + 3, end - at - 3)));
    }
    return text;
}

RunResult ScriptFixture::Run(const std::string& script) const
{
    RunResult result;
    Interpreter interp([&](Channel channel, std::string_view text) {
        (channel == Channel::Error ? result.errors : result.output) += text;
    });
    std::vector<std::string> lines;
    std::istringstream in(Expand(script));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    result.failures = interp.Run(lines);
    return result;
}

} // namespace velmora::dosbatch::test

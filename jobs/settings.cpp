#include "jobs/settings.h"

#include "platform/appfolder.h"
#include "platform/dosfiles.h"

namespace velmora::jobs {

std::string SettingsFilePath()
{
    return platform::ApplicationFolder() + "Settings.ini";
}

void LoadSettings(LineBuffer& buffer, CoderPathFields& fields)
{
    const std::string file = SettingsFilePath();
    if (platform::FileExists(file)) {
        buffer.LoadFromFile(file);
    }
    fields.SetEncoderPath(std::string(buffer.Line(0)));
    fields.SetDecoderPath(std::string(buffer.Line(1)));
}

void SaveSettings(LineBuffer& buffer, const CoderPathFields& fields)
{
    buffer.Clear();
    buffer.Append(fields.EncoderPath());
    buffer.Append(fields.DecoderPath());
    buffer.SaveToFile(SettingsFilePath());
}

std::string CoderPath(const CoderPathFields& fields, JobKind kind)
{
    return kind == JobKind::Encoding ? fields.EncoderPath() : fields.DecoderPath();
}

} // namespace velmora::jobs

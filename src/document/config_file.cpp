#include "document/config_file.h"

#include "document/int16_bytes.h"

namespace {

void PutText(std::string &out, std::string_view text)
{
    AppendInt16(out, int16_t(text.size()));
    out += text;
}

// Reads forward; each read answers nothing once the bytes run out.
class ConfigReader {
public:
    explicit ConfigReader(std::string_view bytes) : m_bytes(bytes) {}

    std::optional<int> readInt()
    {
        if (m_bytes.size() - m_pos < 2)
            return std::nullopt;
        const int16_t value = Int16At(m_bytes, m_pos);
        m_pos += 2;
        return value;
    }
    // A text whose stored length lies in low..high; nothing otherwise.
    std::optional<std::string> readText(int low, int high)
    {
        const std::optional<int> length = readInt();
        if (!length || *length < low || *length > high || m_bytes.size() - m_pos < std::size_t(*length))
            return std::nullopt;
        std::string text(m_bytes.substr(m_pos, std::size_t(*length)));
        m_pos += std::size_t(*length);
        return text;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

constexpr std::string_view DESIGN_BYTES = "Design";
constexpr std::string_view PLAY_BYTES = "Play";

}  // namespace

std::string_view RunModeBytes(RunMode runmode)
{
    return runmode == RunMode::Play ? PLAY_BYTES : DESIGN_BYTES;
}

std::optional<RunMode> RunModeFromBytes(std::string_view bytes)
{
    if (bytes == DESIGN_BYTES)
        return RunMode::Design;
    if (bytes == PLAY_BYTES)
        return RunMode::Play;
    return std::nullopt;
}

std::string WriteConfigFile(int gboxidx, int validWord, RunMode runmode, std::string_view fname, std::string_view fpath)
{
    std::string out;
    for (const int value : {gboxidx, validWord, 0, 0, 0})
        AppendInt16(out, int16_t(value));
    for (const std::string_view text : {RunModeBytes(runmode), fname, fpath})
        PutText(out, text);
    return out;
}

ConfigValues ReadConfigFile(std::string_view bytes, const std::function<bool(const std::string &)> &fileExists)
{
    ConfigValues values;
    ConfigReader in(bytes);
    const std::optional<int> gboxidx = in.readInt();
    if (!gboxidx)
        return values;
    values.gboxidx = *gboxidx >= 0 && *gboxidx <= 5 ? *gboxidx : 5;
    const std::optional<int> validWord = in.readInt();
    if (!validWord)
        return values;
    values.validWord = *validWord == 0 || *validWord == 1 ? *validWord : 1;
    for (int k = 0; k < 3; ++k)
        if (!in.readInt())
            return values;

    // A length of 5 passes here but no mode has it, so the text test stops there.
    const std::optional<std::string> mode = in.readText(4, 6);
    values.runmode = mode ? RunModeFromBytes(*mode) : std::nullopt;
    if (!values.runmode)
        return values;
    std::optional<std::string> name = in.readText(5, MAX_NAME_BYTES);
    if (!name || !name->ends_with(".gly"))
        return values;
    values.fname = std::move(name);
    std::optional<std::string> path = in.readText(8, MAX_PATH_BYTES);
    if (path && fileExists(*path))
        values.fpath = std::move(path);
    return values;
}

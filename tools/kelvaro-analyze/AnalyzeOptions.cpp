#include "AnalyzeOptions.h"

#include <charconv>

const char* const kAnalyzeUsage =
    "usage: kelvaro-analyze [options] [FILE...]\n"
    "Runs the Kelvaro dynamic-range meter over audio files and prints what its window would show\n"
    "at the end of each file. Without FILE it analyses a built-in demonstration programme.\n"
    "\n"
    "  --block N        frames per processing block, 1..65536 (default 512)\n"
    "  --mono           switch the meter's Mono parameter on before processing\n"
    "  --json           one JSON object per file instead of the table\n"
    "  --trace FILE     write every block's nineteen meter values as CSV (one input only)\n"
    "  --plot FILE      draw levels and dynamic range over time as a PNG (one input only)\n"
    "  --snapshot FILE  save the meter window as it looks at the end as a PNG (one input only)\n"
    "  --snapshot-every SECONDS DIR\n"
    "                   save the window every SECONDS of audio as DIR/kelvaro-0001.png ...\n"
    "                   (one input only; DIR is created when missing)\n"
    "  --resources DIR  folder of the window's bitmaps (default: the build's meter/resources)\n"
    "  --jobs N         files analysed at once (default: one per core)\n"
    "  --help           show this text\n";

namespace
{
constexpr int32_t kLargestBlock = 65536;
constexpr int32_t kMostJobs = 1024;

std::optional<int32_t> parseCount(const std::string& text, int32_t largest)
{
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > largest)
        return std::nullopt;
    return value;
}

// Positive, finite and at least a millisecond: shorter steps would only repeat the same picture.
std::optional<double> parseSeconds(const std::string& text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !(value >= 0.001) || value > 1e9)
        return std::nullopt;
    return value;
}
} // namespace

std::optional<AnalyzeOptions> parseAnalyzeOptions(const std::vector<std::string>& args, std::string& error)
{
    AnalyzeOptions options;
    bool onlyFiles = false;
    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& arg = args[i];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-")
        {
            options.files.push_back(arg);
            continue;
        }
        auto value = [&]() -> const std::string* {
            if (i + 1 < args.size())
                return &args[++i];
            error = arg + " needs a value";
            return nullptr;
        };
        if (arg == "--")
            onlyFiles = true;
        else if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (arg == "--mono")
            options.mono = true;
        else if (arg == "--json")
            options.json = true;
        else if (arg == "--block" || arg == "--jobs")
        {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            const auto count = parseCount(*text, arg == "--block" ? kLargestBlock : kMostJobs);
            if (!count)
            {
                error = arg + " takes a whole number from 1 to " +
                        std::to_string(arg == "--block" ? kLargestBlock : kMostJobs) + ", not '" + *text + "'";
                return std::nullopt;
            }
            (arg == "--block" ? options.block : options.jobs) = *count;
        }
        else if (arg == "--trace" || arg == "--plot" || arg == "--snapshot" || arg == "--resources")
        {
            const std::string* path = value();
            if (path == nullptr)
                return std::nullopt;
            (arg == "--trace"      ? options.tracePath
             : arg == "--plot"     ? options.plotPath
             : arg == "--snapshot" ? options.snapshotPath
                                   : options.resourceDir) = *path;
        }
        else if (arg == "--snapshot-every")
        {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            const auto seconds = parseSeconds(*text);
            if (!seconds)
            {
                error = "--snapshot-every takes a number of seconds of at least 0.001, not '" + *text + "'";
                return std::nullopt;
            }
            const std::string* dir = value();
            if (dir == nullptr)
                return std::nullopt;
            options.snapshotEverySeconds = *seconds;
            options.snapshotDir = *dir;
        }
        else
        {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    if (options.files.size() > 1 && (!options.tracePath.empty() || !options.plotPath.empty() ||
                                     !options.snapshotPath.empty() || options.snapshotEverySeconds > 0))
    {
        error = "--trace, --plot, --snapshot and --snapshot-every describe one input; give a single file";
        return std::nullopt;
    }
    return options;
}

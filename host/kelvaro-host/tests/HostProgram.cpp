#include "HostProgram.h"

#include <sys/wait.h>

#include <cairo.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace
{
std::string Quoted(const std::string& text)
{
    std::string quoted(1, '\'');
    for (char character : text)
    {
        if (character == '\'')
            quoted.append("'\\''");
        else
            quoted.push_back(character);
    }
    quoted.push_back('\'');
    return quoted;
}

std::string Contents(const std::filesystem::path& path)
{
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
} // namespace

SHostOutcome RunHost(const std::vector<std::string>& arguments)
{
    const CScratchFolder folder;
    std::string command = Quoted(KELVARO_HOST_PROGRAM);
    for (const std::string& argument : arguments)
        command.append(1, ' ').append(Quoted(argument));
    command.append(" >").append(Quoted(folder / "out")).append(" 2>").append(Quoted(folder / "error"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Contents(folder / "out"), Contents(folder / "error")};
}

CScratchFolder::CScratchFolder()
{
    std::random_device random;
    std::string name = "kelvaro-host-test-";
    name.append(std::to_string(random()));
    fPath = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(fPath);
}

CScratchFolder::~CScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(fPath, ignored);
}

SAudio TwoSines(size_t frames)
{
    SAudio audio;
    audio.fChannels.assign(2, std::vector<float>(frames));
    for (size_t frame = 0; frame < frames; ++frame)
    {
        const double time = double(frame) / audio.fSampleRate;
        audio.fChannels[0][frame] = float(std::sin(2.0 * M_PI * 1000.0 * time));
        audio.fChannels[1][frame] = float(0.25 * std::sin(2.0 * M_PI * 333.0 * time));
    }
    return audio;
}

SPicture ReadPicture(const std::string& path)
{
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    SPicture picture;
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS)
    {
        picture.fWidth = cairo_image_surface_get_width(image);
        picture.fHeight = cairo_image_surface_get_height(image);
        const int stride = cairo_image_surface_get_stride(image);
        for (int y = 0; y < picture.fHeight; ++y)
        {
            const auto* row = reinterpret_cast<const UInt32*>(cairo_image_surface_get_data(image) + size_t(y) * size_t(stride));
            picture.fPixels.insert(picture.fPixels.end(), row, row + picture.fWidth);
        }
    }
    cairo_surface_destroy(image);
    return picture;
}

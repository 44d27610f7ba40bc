#pragma once
// The host program run as its user runs it, and test files in a folder of their own.

#include <filesystem>
#include <string>
#include <vector>

#include "SAudio.h"

struct SHostOutcome
{
    int fExitStatus;
    std::string fOut;
    std::string fError;
};

SHostOutcome RunHost(const std::vector<std::string>& arguments);

// A fresh folder under the system's temporary folder, removed with the object.
class CScratchFolder
{
public:
    CScratchFolder();
    ~CScratchFolder();
    std::string operator/(const std::string& name) const { return (fPath / name).string(); }

private:
    std::filesystem::path fPath;
};

// A full-scale sine on the left and a quieter one of another pitch on the right.
SAudio TwoSines(size_t frames);

// The fixture view's colours, as a PNG read back holds them (alpha, red, green, blue).
constexpr UInt32 kFixtureTeal = 0xFF008080;
constexpr UInt32 kFixtureRed = 0xFFFF0000;

struct SPicture
{
    int fWidth = 0;
    int fHeight = 0;
    std::vector<UInt32> fPixels;  // rows top to bottom

    // 0 outside the picture.
    UInt32 Pixel(int x, int y) const
    {
        return x < 0 || y < 0 || x >= fWidth || y >= fHeight ? 0 : fPixels[size_t(y) * size_t(fWidth) + size_t(x)];
    }
    UInt32 Centre() const { return Pixel(fWidth / 2, fHeight / 2); }
};

// Zero size when the file is no PNG.
SPicture ReadPicture(const std::string& path);

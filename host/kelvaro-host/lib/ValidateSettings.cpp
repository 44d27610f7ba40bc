// Checks of the settings chunks: what is saved comes back, and what is not the plug-in's own
// (another maker's, cut short, garbage) leaves it working.
#include <cstring>

#include "CAutomatedProcess.h"
#include "CValidation.h"

namespace
{
using ValueTexts = std::vector<std::string>;

ValueTexts TextsOf(CHostProcess& process)
{
    ValueTexts texts;
    for (SInt32 control = 1; control <= process.NumControls(); ++control)
        texts.push_back(process.ValueText(control, process.ControlValue(control)));
    return texts;
}

void Randomize(CHostProcess& process, CValidation& validation)
{
    for (SInt32 control = 1; control <= process.NumControls(); ++control)
        process.Routines().UpdateControlValue(process.Type(), process.Index(), control,
                                              validation.RandomIn(INT32_MIN, INT32_MAX));
}

SFicPlugInChunk& HeaderOf(ChunkBytes& chunk)
{
    return *reinterpret_cast<SFicPlugInChunk*>(chunk.data());
}

std::string RoundTrip(CValidation& validation)
{
    CHostProcess saved(validation.Routines(), validation.Type());
    Randomize(saved, validation);
    const std::vector<ChunkBytes> chunks = saved.SaveChunks();
    CAutomatedProcess restored(validation.Routines(), validation.Type());
    for (const ChunkBytes& chunk : chunks)
    {
        if (saved.IsActiveChunk(chunk) != true)
            return "a chunk just saved does not compare equal";
        if (const ComponentResult code = restored.Process().RestoreChunk(chunk); code != 0)
            return Mismatch("restoring a chunk", code, 0);
        restored.Settle();
        if (restored.Process().IsActiveChunk(chunk) != true)
            return "a chunk just restored does not compare equal";
    }
    return TextsOf(restored.Process()) == TextsOf(saved) ? "" : "the restored controls differ from the saved ones";
}

std::string ForeignRefused(CValidation& validation)
{
    CAutomatedProcess automated(validation.Routines(), validation.Type());
    CHostProcess& process = automated.Process();
    for (ChunkBytes chunk : process.SaveChunks())
    {
        Randomize(process, validation);
        const ValueTexts before = TextsOf(process);
        for (OSType SFicPlugInChunk::*id : {&SFicPlugInChunk::fManufacturerID, &SFicPlugInChunk::fProductID})
        {
            ChunkBytes foreign = chunk;
            HeaderOf(foreign).*id ^= 0x01010101;
            if (process.RestoreChunk(foreign) == 0)
                return "another plug-in's chunk was accepted";
            automated.Settle();
        }
        if (TextsOf(process) != before)
            return "another plug-in's chunk changed the controls";
    }
    return "";
}

// Cut at the header, in the middle and one byte short, and garbage of several lengths.
std::vector<ChunkBytes> Damaged(const ChunkBytes& chunk, CValidation& validation)
{
    std::vector<ChunkBytes> damaged;
    const size_t data = chunk.size() - size_t(kChunkHeaderSize);
    for (size_t kept : {size_t(0), data / 2, data > 0 ? data - 1 : 0})
        damaged.emplace_back(chunk.begin(), chunk.begin() + std::ptrdiff_t(size_t(kChunkHeaderSize) + kept));
    for (size_t length : {size_t(1), data, data + 100, size_t(4096)})
    {
        ChunkBytes garbage(chunk.begin(), chunk.begin() + kChunkHeaderSize);
        for (size_t byte = 0; byte < length; ++byte)
            garbage.push_back(Byte(validation.RandomIn(0, 255)));
        damaged.push_back(std::move(garbage));
    }
    for (ChunkBytes& each : damaged)
        HeaderOf(each).fSize = SInt32(each.size());
    return damaged;
}

std::string DamagedHarmless(CValidation& validation)
{
    CAutomatedProcess automated(validation.Routines(), validation.Type());
    CHostProcess& process = automated.Process();
    for (const ChunkBytes& chunk : process.SaveChunks())
    {
        for (const ChunkBytes& damaged : Damaged(chunk, validation))
        {
            process.RestoreChunk(damaged);
            automated.Settle();
            TextsOf(process);
        }
        const ComponentResult restored = process.RestoreChunk(chunk);
        automated.Settle();
        if (restored != 0 || process.IsActiveChunk(chunk) != true)
            return "after damaged chunks the saved settings no longer restore";
    }
    return "";
}
} // namespace

std::vector<SValidationCheck> SettingsChecks()
{
    return {
        {"settings save, restore and compare round trip", RoundTrip},
        {"foreign chunks are refused and change nothing", ForeignRefused},
        {"truncated and garbage chunks leave the process working", DamagedHarmless},
    };
}

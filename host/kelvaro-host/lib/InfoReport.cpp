#include "InfoReport.h"

#include "CHostError.h"
#include "CHostProcess.h"
#include "FourCCText.h"
#include "LengthPrefixedText.h"

namespace
{
constexpr OSType kGroupName = FourCC("????");
constexpr SInt32 kGestaltCategory = 21;
constexpr SInt32 kGestaltSampleRates = 32;
constexpr SInt32 kGestaltsAsked = 128;
constexpr SInt32 kNameLength = 31;

std::string TypeName(CRoutineTable& routines, OSType type)
{
    char name[kNameLength + 1] = {};
    routines.GetProcessTypeName(type, kNameLength, name);
    return FromLengthPrefixed(name);
}

// The plug-in's version travels in the header of its settings chunks.
std::string VersionText(CHostProcess& process)
{
    const std::vector<ChunkBytes> chunks = process.SaveChunks();
    if (chunks.empty())
        return "unknown";
    return std::to_string(reinterpret_cast<const SFicPlugInChunk*>(chunks.front().data())->fVersion);
}

void WriteGestalts(CRoutineTable& routines, OSType type, std::ostream& out)
{
    out << "  gestalts:";
    SInt32 value = 0;
    for (SInt32 selector = 0; selector < kGestaltsAsked; ++selector)
    {
        if (selector == kGestaltCategory || selector == kGestaltSampleRates ||
            routines.Gestalt(type, selector, &value) != 0 || value == 0)
            continue;
        out << ' ' << selector;
        if (value != 1)
            out << '=' << value;
    }
    routines.Gestalt(type, kGestaltCategory, &value);
    out << "\n  category word: " << value;
    routines.Gestalt(type, kGestaltSampleRates, &value);
    out << ", sample-rate support: " << value << '\n';
}

void WriteControls(CHostProcess& process, std::ostream& out)
{
    for (SInt32 control = 1; control <= process.NumControls(); ++control)
    {
        const SInt32 defaultValue = process.ControlDefault(control);
        out << "  control " << control << ": " << process.ControlName(control) << ", ";
        SInt32 kind = 0;
        process.Routines().GetControlType(process.Type(), process.Index(), control, &kind);
        out << (kind == 1 ? "continuous" : "discrete") << ", " << process.ControlSteps(control)
            << " steps, default " << process.ValueText(control, defaultValue) << '\n';
    }
}

void WriteType(CRoutineTable& routines, SInt32 index, std::ostream& out)
{
    OSType maker = 0, product = 0, type = 0;
    ThrowOnHostError(routines.GetProcessTypeIDs(index, &maker, &product, &type), "asking for a type's ids");
    CHostProcess process(routines, type);
    out << "type " << FourCCText(type) << ": " << TypeName(routines, type) << '\n'
        << "  maker id " << FourCCText(maker) << ", product id " << FourCCText(product) << '\n'
        << "  channels: " << process.NumInputs() << " in, " << process.NumOutputs() << " out\n";
    WriteGestalts(routines, type, out);
    WriteControls(process, out);
}
} // namespace

void WriteInfoReport(CPlugInModule& module, std::ostream& out)
{
    CRoutineTable& routines = module.Routines();
    char maker[kNameLength + 1] = {};
    ThrowOnHostError(routines.GetManufacturerName(kNameLength, maker), "asking for the maker");
    SInt16 types = 0;
    ThrowOnHostError(routines.GetNumProcessTypes(&types), "counting the types");
    out << "maker: " << FromLengthPrefixed(maker) << "\nplug-in: " << TypeName(routines, kGroupName);
    if (types > 0)
    {
        OSType ids[3] = {};
        ThrowOnHostError(routines.GetProcessTypeIDs(1, &ids[0], &ids[1], &ids[2]), "asking for a type's ids");
        CHostProcess process(routines, ids[2]);
        out << ", version " << VersionText(process);
    }
    out << "\ntypes: " << types << '\n';
    for (SInt32 index = 1; index <= types; ++index)
        WriteType(routines, index, out);
}

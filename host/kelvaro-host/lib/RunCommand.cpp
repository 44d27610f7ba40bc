#include "RunCommand.h"

#include <chrono>
#include <iomanip>
#include <stdexcept>
#include <thread>

#include "CHostEngine.h"
#include "CHostError.h"
#include "CAutomatedProcess.h"
#include "CEditorPort.h"
#include "CPlugInModule.h"
#include "CRenderSession.h"
#include "SettingsFile.h"
#include "StereoType.h"

namespace
{
void RestoreSettings(CHostProcess& process, const std::string& path)
{
    for (const ChunkBytes& chunk : SettingsFile::Read(path))
        ThrowOnHostError(process.RestoreChunk(chunk), "restoring the settings of " + path);
}

void ApplyUserSettings(CHostProcess& process, const SHostCommand& command)
{
    for (const auto& [name, text] : command.fSettings)
    {
        const std::optional<SInt32> control = process.ControlNamed(name);
        if (!control)
            throw std::runtime_error("--set " + name + ": the plug-in has no such control");
        const std::optional<SInt32> value = process.ValueFromText(*control, text);
        if (!value)
            throw std::runtime_error("--set " + name + ": no value " + text);
        ThrowOnHostError(process.SetControlValue(*control, *value), "--set " + name);
    }
}

// Several of an editor's refresh periods (typically 20 ms).
constexpr std::chrono::milliseconds kSnapshotIdleTime{100};

// The plug-in window as the user asked for it: a real one, or an offscreen one for the snapshot.
std::unique_ptr<CEditorPort> OpenEditor(CHostProcess& process, const SHostCommand& command)
{
    if (!command.fWindow && !command.fSnapshot)
        return nullptr;
    auto port = std::make_unique<CEditorPort>(process, command.fWindow ? CEditorPort::EKind::eX11
                                                                       : CEditorPort::EKind::eOffscreen);
    if (!port->HasView())
        throw std::runtime_error("the plug-in shows no editor view");
    port->Attach();
    return port;
}

// Until the user closes the window, clicks and exposures reach the plug-in and it gets idle time.
void ServeWindow(CEditorPort& port, CAutomatedProcess& automated)
{
    while (port.ServeWindowEvents())
    {
        automated.Settle();
        std::this_thread::sleep_for(CIdlePump::kInterval);
    }
}

// A render as fast as it goes can end between two of the editor's refreshes; the picture is
// taken after the window has had idle time to show the end of the audio, as a user would see it.
void SaveSnapshot(std::unique_ptr<CEditorPort>& port, CAutomatedProcess& automated, const std::string& path)
{
    if (!port->SavePicture(path))
    {
        port = std::make_unique<CEditorPort>(automated.Process());
        port->Attach();
    }
    const auto settled = std::chrono::steady_clock::now() + kSnapshotIdleTime;
    automated.Idle().RunUntil([settled] { return std::chrono::steady_clock::now() >= settled; });
    port->Draw();
    if (!port->SavePicture(path))
        throw std::runtime_error("the window picture could not be written to " + path);
}

void WriteControls(CHostProcess& process, std::ostream& out)
{
    out << "controls:";
    for (SInt32 control = 1; control <= process.NumControls(); ++control)
        out << (control > 1 ? "," : "") << ' ' << process.ControlName(control) << " = "
            << process.ValueText(control, process.ControlValue(control));
    out << '\n';
}

void WriteRendering(const CRenderSession& session, SInt32 block, std::ostream& out)
{
    const CRenderSession::SLoad load = session.Load();
    out << "blocks rendered: " << session.Blocks() << " of " << block << " samples\n"
        << std::fixed << std::setprecision(2) << "render load: mean " << load.fMean * 100.0 << "%, worst "
        << load.fWorst * 100.0 << "% of the block's duration\n";
}
// The editor, when asked for, is open while the audio plays, as a user watches it.
void Render(CRenderSession& session, CAutomatedProcess& automated, const SAudio& input, SAudio& output,
            const SHostCommand& command)
{
    std::unique_ptr<CEditorPort> editor = OpenEditor(automated.Process(), command);
    session.Attach(automated.Process(), input, output);
    session.Start(command.fRealTime ? CRealTimeEngine::EPacing::eSoundCard : CRealTimeEngine::EPacing::eAsFastAsPossible,
                  CRenderSession::EEnd::eStopAtTheEnd);
    automated.Idle().RunUntil([&session] { return session.Finished(); });
    session.Detach();
    automated.Settle();
    if (command.fWindow)
        ServeWindow(*editor, automated);
    if (command.fSnapshot)
        SaveSnapshot(editor, automated, *command.fSnapshot);
}
} // namespace

void RunPlugIn(const SHostCommand& command, std::ostream& out)
{
    CHostEngine& engine = CHostEngine::Instance();
    const SInt32 maximumBlock = engine.Settings().fMaximumRTASQuantum.load();
    if (command.fBlock > maximumBlock)
        throw std::runtime_error("--block: the engine's blocks are at most " + std::to_string(maximumBlock) + " samples");
    const SAudio input = command.fInput ? AudioFiles::Read(*command.fInput) : AudioFiles::DemonstrationProgramme();
    SAudio output;

    CPlugInModule module(command.fBundle);
    CRoutineTable& routines = module.Routines();
    const OSType type = FindStereoRealTimeType(routines);
    ThrowOnHostError(routines.SetSampleRate(input.fSampleRate), "setting the sample rate");
    engine.RealTime().SetBlockLength(command.fBlock);

    CRenderSession session(engine.RealTime(), maximumBlock);
    CAutomatedProcess automated(routines, type);
    CHostProcess& process = automated.Process();
    if (command.fSettingsFile)
        RestoreSettings(process, *command.fSettingsFile);
    automated.Settle();
    ApplyUserSettings(process, command);
    automated.Settle();

    Render(session, automated, input, output, command);

    WriteControls(process, out);
    WriteRendering(session, command.fBlock, out);
    if (command.fOutput)
        AudioFiles::Write(*command.fOutput, output);
    if (command.fSaveSettingsFile)
        SettingsFile::Write(*command.fSaveSettingsFile, process.SaveChunks());
}

#include "TestEffectGroup.h"

#include <algorithm>

#include "CCustomView.h"
#include "CHostEngine.h"
#include "CNoResourceView.h"

SProcessProbe gProbe;

void SProcessProbe::Reset()
{
    onOperation = nullptr;
    renderThrows = false;
    renderedOnEngineThread = false;
    renderedElsewhere = false;
    lastBlockLength = 0;
    blocksRendered = 0;
    depthInOperation = -1;
    viewDraws = 0;
    withoutControlList = false;
    withMeters = false;
    meterValues[0] = meterValues[1] = 0;
    meterClips[0] = meterClips[1] = false;
    meterReads = 0;
}

// The library leaves the type definitions to the plug-in's group.
void CEffectGroup::CreateProcessTypeObjects()
{
    CreateEffectTypes();
}

CProcessGroup* CProcessGroup::CreateProcessGroup()
{
    return new CTestEffectGroup;
}

namespace
{
void RecordDepth()
{
    gProbe.depthInOperation = gProcessGroup->GetCriticalSectionDepth();
    if (gProbe.onOperation)
        gProbe.onOperation();
}

// The view kind the test processes place in their root view.
class CTestView : public CCustomView
{
public:
    void DrawContents(Rect*) override { ++gProbe.viewDraws; }
};

CCustomView* NewTestView()
{
    return new CTestView;
}

template <typename Type>
Type* NewType(OSType id, EPlugIn_StemFormat format, CEffectProcess* (*creator)())
{
    auto* type = new Type(id, kTestProduct, 0);
    type->DefineTypeNames("Hostlib Test Effect\nTest Effect\nTFX");
    type->DefineRelationID(kTestProduct);
    type->AddGestalt(8);
    type->DefineStemFormats(format, format, ePlugIn_StemFormat_Mono);
    type->AttachEffectProcessCreator(creator, nullptr);
    return type;
}

CEffectProcess* NewRealTimeProcess()
{
    return new CTestProcessRTAS;
}

CEffectProcess* NewOfflineProcess()
{
    return new CTestProcessAS;
}
} // namespace

void AddTestControls(CEffectProcess& process)
{
    if (gProbe.withoutControlList)
        return;
    process.AddControl(new CGroupTestControl(FourCC("gain"), kContinuousControl, 0, "Gain"));
    process.AddControl(new CGroupTestControl(FourCC("mode"), kDiscreteControl, 3, "Mode"));
    process.AddControl(new CGroupTestControl(FourCC("byps"), kDiscreteControl, 2, "Master Bypass"));
    process.DefineMasterBypassControlIndex(kBypassControl);
}

CTestProcessRTAS::CTestProcessRTAS()
{
    AddTestControls(*this);
    if (!gProbe.withMeters)
        return;
    AddMeter(new CPlugInMeter{1, 7});
    AddMeter(new CPlugInMeter{0, 7});
}

ComponentResult CTestProcessRTAS::GetMetersFromDSPorRTAS(SInt32* values, bool* clips)
{
    ++gProbe.meterReads;
    std::copy(std::begin(gProbe.meterValues), std::end(gProbe.meterValues), values);
    std::copy(std::begin(gProbe.meterClips), std::end(gProbe.meterClips), clips);
    return 0;
}

ComponentResult CTestProcessRTAS::GetNumControls(SInt16* count)
{
    if (!gProbe.withoutControlList)
        return CProcess::GetNumControls(count);
    *count = 3;
    return 0;
}

ComponentResult CTestProcessRTAS::GetControlValue(SInt32 index, SInt32* value)
{
    RecordDepth();
    return CEffectProcessRTAS::GetControlValue(index, value);
}

ComponentResult CTestProcessRTAS::DoIdle(const EventRecord* event)
{
    RecordDepth();
    return CEffectProcessRTAS::DoIdle(event);
}

ComponentResult CTestProcessRTAS::Draw(Rect* area)
{
    RecordDepth();
    return CEffectProcessRTAS::Draw(area);
}

CPlugInView* CTestProcessRTAS::CreateCPlugInView()
{
    auto* root = new CNoResourceView;
    root->SetSize(200, 100);
    root->AddView("!TestView[('NoID')]", Rect{0, 0, 100, 200}, true);
    return root;
}

void CTestProcessRTAS::RenderAudio(float** inputs, float** outputs, SInt32 numSamples)
{
    const bool onEngineThread = CHostEngine::Instance().RealTime().IsRealTimeThread();
    (onEngineThread ? gProbe.renderedOnEngineThread : gProbe.renderedElsewhere).store(true);
    gProbe.lastBlockLength.store(numSamples);
    if (gProbe.renderThrows.load())
        throw CDAEError(-1);
    for (SInt32 channel = 0; channel < GetNumOutputs(); ++channel)
        std::transform(inputs[channel], inputs[channel] + numSamples, outputs[channel],
                       [](float sample) { return sample * kTestGain; });
    gProbe.blocksRendered.fetch_add(1);
}

CTestProcessAS::CTestProcessAS()
{
    AddTestControls(*this);
}

ComponentResult CTestProcessAS::ProcessData(SInt32* samples)
{
    RecordDepth();
    return CEffectProcessAS::ProcessData(samples);
}

SInt32 CTestProcessAS::ProcessAudio(bool)
{
    SASConnection* input = GetInputConnection(0);
    SASConnection* output = GetOutputConnection(0);
    if (input == nullptr || output == nullptr)
        return 0;
    std::copy(input->fBuffer, input->fBuffer + input->fSampleCount, output->fBuffer);
    output->fSampleCount = input->fSampleCount;
    input->fSampleCount = 0;
    return output->fSampleCount;
}

CTestEffectGroup::CTestEffectGroup()
{
    DefineManufacturerNamesAndID("Test Maker Incorporated\nTest Maker\nTM", kTestMaker);
    DefinePlugInNamesAndVersion("Hostlib Test Plug-In\nTest Plug-In\nTPI", kTestVersion);
    AddGestalt(14);
    CCustomView::AddNewViewProc("TestView", NewTestView);
}

void CTestEffectGroup::CreateEffectTypes()
{
    AddEffectType(NewType<CEffectTypeRTAS>(kMonoType, ePlugIn_StemFormat_Mono, NewRealTimeProcess));
    CEffectType* stereo = NewType<CEffectTypeRTAS>(kStereoType, ePlugIn_StemFormat_Stereo, NewRealTimeProcess);
    stereo->AddGestalt(kGestaltSideChain);
    AddEffectType(stereo);
    auto* offline = new CEffectTypeAS(kOfflineType, kTestProduct, 0);
    offline->DefineTypeNames("Test Offline");
    offline->DefineGenericNumInputsAndOutputs(2, 2);
    offline->AttachEffectProcessCreator(NewOfflineProcess, nullptr);
    AddEffectType(offline);
}

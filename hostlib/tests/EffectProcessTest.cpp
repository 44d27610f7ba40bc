// The effect process through the routine table: ports, bypass, side chain and chunks.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "CPlugInView.h"
#include "HostRoutines.h"
#include "TestEffectGroup.h"

namespace
{
class EffectProcess : public CHostFixture
{
protected:
    void SetUp() override
    {
        CHostFixture::SetUp();
        fProcess = Instantiate(kStereoType);
    }

    CEffectProcessRTAS& Process() const
    {
        return dynamic_cast<CEffectProcessRTAS&>(
            *gProcessGroup->FindProcessType(kStereoType)->GetProcessFromIndex(fProcess));
    }

    std::vector<Byte> Chunk(OSType id)
    {
        SInt32 size = 0;
        EXPECT_EQ(host::GetChunkSize(kStereoType, fProcess, id, &size), 0);
        std::vector<Byte> bytes(size_t(std::max(size, kChunkHeaderSize)), 0xEE);
        EXPECT_EQ(host::GetChunk(kStereoType, fProcess, id, Header(bytes)), 0);
        return bytes;
    }

    static SFicPlugInChunk* Header(std::vector<Byte>& bytes) { return reinterpret_cast<SFicPlugInChunk*>(bytes.data()); }

    SInt32 ControlValue(SInt32 control) const
    {
        SInt32 value = 0;
        EXPECT_EQ(host::GetControlValue(kStereoType, fProcess, control, &value), 0);
        return value;
    }

    SInt32 fProcess = 0;
    SRTASConnection fConnections[4] = {};
};

TEST_F(EffectProcess, PortsAnswerByTheirState)
{
    EXPECT_EQ(host::ConnectInput(kStereoType, fProcess, 49, &fConnections[0]), -7106);
    EXPECT_EQ(host::ConnectInput(kStereoType, fProcess, 0, &fConnections[0]), -7106);
    ASSERT_EQ(host::ConnectInput(kStereoType, fProcess, 1, &fConnections[0]), 0);
    EXPECT_EQ(host::ConnectInput(kStereoType, fProcess, 1, &fConnections[1]), -7100);
    EXPECT_EQ(host::DisconnectOutput(kStereoType, fProcess, 1), -7107);
    ASSERT_EQ(host::ConnectOutput(kStereoType, fProcess, 1, &fConnections[2]), 0);
    EXPECT_EQ(host::ConnectOutput(kStereoType, fProcess, 1, &fConnections[3]), -7101);

    Boolean canConnect = true;
    EXPECT_EQ(host::CanOutputPortConnect(kStereoType, fProcess, 1, &canConnect), 0);
    EXPECT_FALSE(canConnect);
    EXPECT_EQ(host::CanOutputPortConnect(kStereoType, fProcess, 2, &canConnect), 0);
    EXPECT_TRUE(canConnect);
    EXPECT_EQ(host::CanOutputPortConnect(kStereoType, fProcess, 49, &canConnect), 0);
    EXPECT_FALSE(canConnect);

    ASSERT_EQ(host::DisconnectOutput(kStereoType, fProcess, 1), 0);
    Boolean connected = true;
    ASSERT_EQ(host::IsOutputPortConnected(kStereoType, fProcess, 1, &connected), 0);
    EXPECT_FALSE(connected);
    EXPECT_EQ(Process().GetInputConnection(0), &fConnections[0]);
    EXPECT_EQ(Process().GetInputConnection(48), nullptr);
}

TEST_F(EffectProcess, TheSideChainPortIsCountedOnlyWhileConnected)
{
    EXPECT_EQ(Process().GetSideChainInput(), 3);
    EXPECT_EQ(Process().GetSideChainConnectionNum(), -42);
    ASSERT_EQ(host::ConnectInput(kStereoType, fProcess, 3, &fConnections[0]), 0);
    EXPECT_EQ(Process().GetSideChainConnectionNum(), 2);
    ASSERT_EQ(host::DisconnectInput(kStereoType, fProcess, 3), 0);
    EXPECT_EQ(Process().GetSideChainConnectionNum(), -42);
}

TEST_F(EffectProcess, TheConnectionTableKeepsTheSizeItHadAtInitialisation)
{
    Process().SetMaxRTASConnections(8);
    EXPECT_EQ(Process().GetMaxRTASConnections(), 48);
    EXPECT_EQ(host::ConnectInput(kStereoType, fProcess, 48, &fConnections[0]), 0);
}

TEST_F(EffectProcess, BypassIsTheMasterBypassControlAtItsEnds)
{
    SInt32 index = 0;
    ASSERT_EQ(host::GetMasterBypassControl(kStereoType, fProcess, &index), 0);
    EXPECT_EQ(index, kBypassControl);
    ASSERT_EQ(host::SetBypass(kStereoType, fProcess, true), 0);
    EXPECT_EQ(ControlValue(kBypassControl), 2147483647);
    EXPECT_TRUE(Process().IsBypassed());
    ASSERT_EQ(host::SetBypass(kStereoType, fProcess, false), 0);
    EXPECT_EQ(ControlValue(kBypassControl), -2147483647 - 1);
    EXPECT_FALSE(Process().IsBypassed());

    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kBypassControl, 0), 0);
    Boolean bypassed = false;
    ASSERT_EQ(host::GetBypass(kStereoType, fProcess, &bypassed), 0);
    EXPECT_TRUE(bypassed) << "a value of 0 reads as bypassed";
}

TEST_F(EffectProcess, ChunkHeaderCarriesGroupAndTypeIdentity)
{
    SInt32 numChunks = 0;
    OSType id = 0;
    unsigned char name[32] = {};
    ASSERT_EQ(host::GetNumChunks(kStereoType, fProcess, &numChunks), 0);
    EXPECT_EQ(numChunks, 1);
    ASSERT_EQ(host::GetIndexedChunkID(kStereoType, fProcess, 1, &id), 0);
    EXPECT_EQ(id, kControlsChunkID);
    EXPECT_EQ(host::GetIndexedChunkID(kStereoType, fProcess, 2, &id), -7157);
    EXPECT_EQ(id, FourCC("    "));
    ASSERT_EQ(host::DescribeChunk(kStereoType, fProcess, kControlsChunkID, name), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), "Complete Controls State");

    std::vector<Byte> bytes = Chunk(kControlsChunkID);
    const SFicPlugInChunk& header = *Header(bytes);
    EXPECT_EQ(header.fSize, SInt32(bytes.size()));
    EXPECT_EQ(header.fVersion, SInt32(kTestVersion));
    EXPECT_EQ(header.fManufacturerID, kTestMaker);
    EXPECT_EQ(header.fProductID, kTestProduct);
    EXPECT_EQ(header.fTypeID, kStereoType);
    EXPECT_EQ(header.fChunkID, kControlsChunkID);
    EXPECT_EQ(header.fName[0], 0);
    const Byte marker[] = {1, 1, 1, 1};
    EXPECT_EQ(std::memcmp(ChunkDataOf(&header), marker, 4), 0);
}

TEST_F(EffectProcess, ControlsComeBackFromTheirChunkExceptTheBypass)
{
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kGainControl, 1 << 30), 0);
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kModeControl, LongToLongControl(2, 0, 2)), 0);
    ASSERT_EQ(host::SetBypass(kStereoType, fProcess, true), 0);
    std::vector<Byte> saved = Chunk(kControlsChunkID);

    Boolean same = false;
    ASSERT_EQ(host::CompareActiveChunk(kStereoType, fProcess, Header(saved), &same), 0);
    EXPECT_TRUE(same);
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kGainControl, -5), 0);
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kModeControl, kControlValueLowest), 0);
    ASSERT_EQ(host::SetBypass(kStereoType, fProcess, false), 0);
    ASSERT_EQ(host::CompareActiveChunk(kStereoType, fProcess, Header(saved), &same), 0);
    EXPECT_FALSE(same);

    ASSERT_EQ(host::SetChunk(kStereoType, fProcess, kControlsChunkID, Header(saved)), 0);
    EXPECT_NEAR(double(ControlValue(kGainControl)), double(1 << 30), 2.0);
    EXPECT_EQ(ControlValue(kModeControl), LongToLongControl(2, 0, 2));
    EXPECT_EQ(ControlValue(kBypassControl), kControlValueLowest) << "the bypass is not saved";
}

TEST_F(EffectProcess, ChunksOfAnotherMakerOrProductAreRefused)
{
    std::vector<Byte> saved = Chunk(kControlsChunkID);
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kGainControl, 77), 0);
    Header(saved)->fManufacturerID = FourCC("othr");
    Boolean same = true;
    EXPECT_EQ(host::SetChunk(kStereoType, fProcess, kControlsChunkID, Header(saved)), -7157);
    EXPECT_EQ(host::CompareActiveChunk(kStereoType, fProcess, Header(saved), &same), -7157);
    Header(saved)->fManufacturerID = kTestMaker;
    Header(saved)->fProductID = FourCC("othr");
    EXPECT_EQ(host::SetChunk(kStereoType, fProcess, kControlsChunkID, Header(saved)), -7157);
    EXPECT_EQ(ControlValue(kGainControl), 77);
}

TEST_F(EffectProcess, TheControlsChunkSizeIsComputedOnce)
{
    SInt32 first = 0;
    ASSERT_EQ(host::GetChunkSize(kStereoType, fProcess, kControlsChunkID, &first), 0);
    Process().AddControl(new CGroupTestControl(FourCC("more"), kContinuousControl, 0, "More"));
    SInt32 second = 0;
    ASSERT_EQ(host::GetChunkSize(kStereoType, fProcess, kControlsChunkID, &second), 0);
    EXPECT_EQ(second, first);
    ChunkDataParser expected;
    expected.AddDouble("gain", 0.0);
    expected.AddInt32("mode", 0);
    EXPECT_EQ(first, expected.GetChunkSize()) << "the bypass is left out";
}

TEST_F(EffectProcess, AControlsChunkWithoutAControlListEndsInMinus7300)
{
    gProbe.withoutControlList = true;
    const SInt32 process = Instantiate(kMonoType);
    SInt32 size = 0;
    EXPECT_EQ(host::GetChunkSize(kMonoType, process, kControlsChunkID, &size), -7300);
    std::vector<Byte> bytes(256, 0);
    EXPECT_EQ(host::GetChunk(kMonoType, process, kControlsChunkID, reinterpret_cast<SFicPlugInChunk*>(bytes.data())),
              -7300);
}

TEST_F(EffectProcess, ViewTreeReceivesDrawingAndThePort)
{
    Rect rect = {};
    ASSERT_EQ(host::GetViewRect(kStereoType, fProcess, &rect), 0);
    EXPECT_EQ(rect.right, 200);
    EXPECT_EQ(rect.bottom, 100);
    Rect area = rect;
    ASSERT_EQ(host::Draw(kStereoType, fProcess, &area), 0);
    EXPECT_EQ(gProbe.viewDraws, 1);

    auto port = reinterpret_cast<GrafPtr>(&rect);
    ASSERT_EQ(host::SetViewPort(kStereoType, fProcess, port), 0);
    CPlugInView* root = Process().GetView();
    ASSERT_EQ(root->GetNumSubviews(), 1u);
    EXPECT_EQ(root->GetSubview(0)->GetViewPort(), port);
    root->GetSubview(0)->SetEnable(false);
    ASSERT_EQ(host::Draw(kStereoType, fProcess, &area), 0);
    EXPECT_EQ(gProbe.viewDraws, 1) << "a disabled view is not drawn";
}

TEST_F(EffectProcess, MetersAreReadFromTheProcessOnlyAfterABlockWasRendered)
{
    gProbe.withMeters = true;
    const SInt32 process = Instantiate(kMonoType);
    auto& metered = dynamic_cast<CEffectProcess&>(*gProcessGroup->FindProcessType(kMonoType)->GetProcessFromIndex(process));
    SInt32 count = 0, value = 0, orientation = 0, index = 0;
    ASSERT_EQ(metered.GetNumMeters(&count), 0);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(metered.GetNumMetersOfType(7, &count), 0);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(metered.GetMeterIndexByType(7, 2, &index), 0);
    EXPECT_EQ(index, 2);
    ASSERT_EQ(metered.GetMeterOrientation(1, &orientation), 0);
    EXPECT_EQ(orientation, 1);

    gProbe.meterValues[0] = 900;
    ASSERT_EQ(metered.GetMeterVal(1, &value), 0);
    EXPECT_EQ(value, 900) << "a new process has fresh meters";
    EXPECT_FALSE(metered.MetersUpdated());
    gProbe.meterValues[0] = 100;
    gProbe.meterClips[1] = true;
    ASSERT_EQ(metered.GetMeterVal(1, &value), 0);
    EXPECT_EQ(value, 900) << "no block since the last poll: the kept value";
    EXPECT_EQ(gProbe.meterReads, 1);

    Boolean clipped = false;
    metered.SetMetersUpdated(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_EQ(host::GetClipState(kMonoType, process, &clipped), 0);
    EXPECT_TRUE(clipped);
    ASSERT_EQ(metered.ClearClipState(), 0);
    ASSERT_EQ(metered.GetMeterVal(1, &value), 0);
    EXPECT_EQ(value, 0) << "clearing forgets the kept values";
    gProbe.meterClips[1] = false;
    metered.SetMetersUpdated(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_EQ(host::GetClipState(kMonoType, process, &clipped), 0);
    EXPECT_FALSE(clipped) << "cleared clips stay cleared until a meter clips again";
}

TEST_F(EffectProcess, ClipStateStartsClearAndNoMetersAreKept)
{
    Boolean clipped = true;
    ASSERT_EQ(host::GetClipState(kStereoType, fProcess, &clipped), 0);
    EXPECT_FALSE(clipped);
}
} // namespace

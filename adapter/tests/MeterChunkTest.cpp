// The meter's settings chunk 'qvck' through the routine table: the bytes written, comparison,
// restore into a fresh process, and chunks that are damaged or not ours.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "AdapterHostFixture.h"
#include "MeterControlIndexes.h"
#include "CAutomationSeam.h"
#include "DAEErrorCodes.h"
#include "SFicSDSToken.h"

namespace
{
constexpr OSType kChunkID = FourCC("qvck");
constexpr SInt32 kMeterChunkSize = 68;

// Bank 0, Mono on, Link off, big-endian.
const std::vector<Byte> kMonoOnBlob = {0, 0, 0, 0, 0x3F, 0x80, 0, 0, 0, 0, 0, 0};

// A chunk in a buffer exactly as long as its size field says, so that any read past it is seen.
class CChunkBytes
{
public:
    explicit CChunkBytes(SInt32 size) : fBytes(size_t(std::max<SInt32>(size, kChunkHeaderSize)), 0)
    {
        Chunk()->fSize = size;
    }
    CChunkBytes(const CChunkBytes& header, const std::vector<Byte>& data)
        : CChunkBytes(kChunkHeaderSize + SInt32(data.size()))
    {
        std::memcpy(fBytes.data(), header.fBytes.data(), kChunkHeaderSize);
        Chunk()->fSize = kChunkHeaderSize + SInt32(data.size());
        std::copy(data.begin(), data.end(), fBytes.begin() + kChunkHeaderSize);
    }
    SFicPlugInChunk* Chunk() { return reinterpret_cast<SFicPlugInChunk*>(fBytes.data()); }
    std::vector<Byte> Data() const { return {fBytes.begin() + kChunkHeaderSize, fBytes.end()}; }

private:
    std::vector<Byte> fBytes;
};

class MeterChunk : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CAdapterHostFixture::SetUp();
        fProcess = Instantiate(kStereoType);
    }

    CChunkBytes Save(SInt32 process)
    {
        SInt32 size = 0;
        EXPECT_EQ(host::GetChunkSize(kStereoType, process, kChunkID, &size), 0);
        CChunkBytes bytes(size);
        EXPECT_EQ(host::GetChunk(kStereoType, process, kChunkID, bytes.Chunk()), 0);
        return bytes;
    }

    bool Same(CChunkBytes& bytes)
    {
        Boolean same = 0xAB;
        EXPECT_EQ(host::CompareActiveChunk(kStereoType, fProcess, bytes.Chunk(), &same), 0);
        return same == 1;
    }

    SInt32 Value(SInt32 control, SInt32 process)
    {
        SInt32 value = 0;
        EXPECT_EQ(host::GetControlValue(kStereoType, process, control, &value), 0);
        return value;
    }

    SInt32 fProcess = 0;
};

TEST_F(MeterChunk, TheProcessOffersOneParameterChunk)
{
    SInt32 count = 0;
    ASSERT_EQ(host::GetNumChunks(kStereoType, fProcess, &count), 0);
    EXPECT_EQ(count, 1);
    OSType id = 0;
    ASSERT_EQ(host::GetIndexedChunkID(kStereoType, fProcess, 1, &id), 0);
    EXPECT_EQ(id, kChunkID);
    unsigned char name[32] = {};
    ASSERT_EQ(host::DescribeChunk(kStereoType, fProcess, kChunkID, name), 0);
    EXPECT_EQ(name[0], 15);
    EXPECT_EQ(std::memcmp(name + 1, "Parameter Chunk", 15), 0);
}

TEST_F(MeterChunk, TheChunkIsTheTwelveByteStateBlobBehindTheHeader)
{
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kMono, kOn), 0);
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kLink, kOff), 0);
    CChunkBytes bytes = Save(fProcess);
    EXPECT_EQ(bytes.Chunk()->fSize, kMeterChunkSize);
    EXPECT_EQ(bytes.Chunk()->fChunkID, kChunkID);
    EXPECT_EQ(bytes.Chunk()->fManufacturerID, kAdapterTestMaker);
    EXPECT_EQ(bytes.Data(), kMonoOnBlob);
}

TEST_F(MeterChunk, CompareIsEqualUntilASettingChanges)
{
    CChunkBytes saved = Save(fProcess);
    EXPECT_TRUE(Same(saved));
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kLink, Value(kLink, fProcess) == kOn ? kOff : kOn), 0);
    EXPECT_FALSE(Same(saved));
}

TEST_F(MeterChunk, AChunkOfAnotherSizeComparesEqual)
{
    CChunkBytes saved = Save(fProcess);
    CChunkBytes shorter(saved, std::vector<Byte>(8, 0x55));
    EXPECT_EQ(shorter.Chunk()->fSize, 64);
    EXPECT_TRUE(Same(shorter));
}

TEST_F(MeterChunk, ASavedChunkRestoresIntoAFreshProcessAndTellsTheHostOfBothControls)
{
    LoadGroup(true);
    CAutomationSeam seam;
    fProcess = Instantiate(kStereoType);
    ASSERT_EQ(host::UpdateControlValue(kStereoType, fProcess, kMono, kOn), 0);
    ASSERT_EQ(host::UpdateControlValue(kStereoType, fProcess, kLink, kOn), 0);
    CChunkBytes saved = Save(fProcess);
    const SInt32 fresh = Instantiate(kStereoType);
    ASSERT_EQ(Value(kMono, fresh), kOff);
    while (seam.NextToken())
        ;

    ASSERT_EQ(host::SetChunk(kStereoType, fresh, kChunkID, saved.Chunk()), 0);
    EXPECT_EQ(Value(kMono, fresh), kOn);
    EXPECT_EQ(Value(kLink, fresh), kOn);
    FicSDSNameId mono = 0;
    FicSDSNameId link = 0;
    ASSERT_EQ(Process(kStereoType, fresh).GetControlNameID(kMono, &mono), 0);
    ASSERT_EQ(Process(kStereoType, fresh).GetControlNameID(kLink, &link), 0);
    std::vector<std::pair<FicSDSNameId, SInt32>> currentValues;
    while (auto token = seam.NextToken())
    {
        SFicSDSValueToken value{};
        std::memcpy(&value, token->data(), std::min(token->size(), sizeof value));
        if (value.fHead.fType == kTokenCurrentValue)
            currentValues.emplace_back(FicSDSNameId(value.fHead.fTarget), SInt32(value.fValue));
    }
    EXPECT_EQ(currentValues, (std::vector<std::pair<FicSDSNameId, SInt32>>{{mono, kOn}, {link, kOn}}));
}

// Sizes below the header, data too short for the effect, and shorter, longer or garbage data:
// nothing is read past the size field, and a blob the effect refuses leaves the settings alone.
TEST_F(MeterChunk, DamagedChunksNeverReadPastTheirSizeAndKeepOrRestoreWhatTheyCan)
{
    struct SCase
    {
        const char* what;
        std::vector<Byte> data;
        SInt32 sizeField;  // 0: the data's own size
        SInt32 mono;
        SInt32 link;
    };
    const SCase cases[] = {
        {"size field 1", {}, 1, kOff, kOn},
        {"size field below the header", {}, 55, kOff, kOn},
        {"size field negative", {}, -100, kOff, kOn},
        {"size field lowest", {}, INT32_MIN, kOff, kOn},
        {"two data bytes", {0, 0}, 0, kOff, kOn},
        {"only the bank", {0, 0, 0, 0}, 0, kOff, kOn},
        {"one value", {0, 0, 0, 0, 0x3F, 0x80, 0, 0}, 0, kOn, kOn},
        {"longer", {0, 0, 0, 0, 0x3F, 0x80, 0, 0, 0, 0, 0, 0, 0x3F, 0x80, 0, 0, 1}, 0, kOn, kOff},
        {"garbage", std::vector<Byte>(12, 0xFF), 0, kOff, kOff},
    };
    for (const SCase& test : cases)
    {
        ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kMono, kOff), 0);
        ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kLink, kOn), 0);
        CChunkBytes bytes(Save(fProcess), test.data);
        if (test.sizeField != 0)
            bytes.Chunk()->fSize = test.sizeField;
        EXPECT_EQ(host::SetChunk(kStereoType, fProcess, kChunkID, bytes.Chunk()), 0) << test.what;
        EXPECT_EQ(Value(kMono, fProcess), test.mono) << test.what;
        EXPECT_EQ(Value(kLink, fProcess), test.link) << test.what;
        Boolean same = 0;
        EXPECT_EQ(host::CompareActiveChunk(kStereoType, fProcess, bytes.Chunk(), &same), 0) << test.what;
    }
}

TEST_F(MeterChunk, AChunkOfAnotherMakerOrProductIsRefusedAndChangesNothing)
{
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kMono, kOff), 0);
    for (OSType SFicPlugInChunk::*field : {&SFicPlugInChunk::fManufacturerID, &SFicPlugInChunk::fProductID})
    {
        CChunkBytes bytes(Save(fProcess), kMonoOnBlob);
        bytes.Chunk()->*field = FourCC("othr");
        EXPECT_EQ(host::SetChunk(kStereoType, fProcess, kChunkID, bytes.Chunk()), kDAE_NoSuchChunk);
        Boolean same = 0;
        EXPECT_EQ(host::CompareActiveChunk(kStereoType, fProcess, bytes.Chunk(), &same), kDAE_NoSuchChunk);
        EXPECT_EQ(Value(kMono, fProcess), kOff);
    }
}
} // namespace

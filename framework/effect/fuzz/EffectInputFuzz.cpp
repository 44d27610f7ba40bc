// libFuzzer target: hostile input to the effect framework must neither crash nor write out of
// bounds. The first byte chooses the entry point; the rest is its input.
#include "QVEffect.h"
#include "QVHelpers.h"
#include "QVString.h"
#include "../tests/TestEffect.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int32_t kBufferLen = 64;
constexpr char kGuard = 0x5A;

template <typename T>
T take(const uint8_t*& data, size_t& size)
{
    T value{};
    const size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

// A buffer of kBufferLen + 1 bytes between guard bytes; maxLen is limited to what it holds.
struct GuardedText
{
    char bytes[kBufferLen + 3];
    GuardedText() { std::memset(bytes, kGuard, sizeof bytes); }
    char* text() { return bytes + 1; }
    void check(int32_t maxLen) const
    {
        if (bytes[0] != kGuard || bytes[kBufferLen + 2] != kGuard)
            std::abort();
        for (int32_t i = (maxLen < 0 ? -1 : maxLen) + 1; i <= kBufferLen; ++i)
            if (bytes[1 + i] != kGuard)
                std::abort();
    }
};

int32_t boundedLen(int32_t raw)
{
    return raw % (kBufferLen + 2) - 1; // -1 .. kBufferLen
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t entry = *data++;
    --size;

    switch (entry % 5) {
    case 0: { // state blob
        TestEffect fx;
        fx.attachCallback();
        if (!fx.restoreState(data, static_cast<int32_t>(size), true) && size >= 4)
            std::abort();
        for (int32_t slot = 0; slot < TestEffect::kBankCount * TestEffect::kParameterCount; ++slot)
            if (!(fx.rawValue(slot) >= 0.0f && fx.rawValue(slot) <= 1.0f))
                std::abort();
        break;
    }
    case 1: { // bounded copy
        const int32_t maxLen = boundedLen(take<int32_t>(data, size) & 0x7FFFFFFF);
        const int32_t offset = take<int32_t>(data, size);
        const std::string src(reinterpret_cast<const char*>(data), size);
        GuardedText out;
        qv_strncpy(out.text(), src.c_str(), maxLen, offset);
        if (maxLen >= 0 && out.text()[maxLen] != 0)
            std::abort();
        // bytes below the offset and past maxLen keep the guard
        for (int32_t i = 0; i < (offset < 0 ? 0 : (offset < maxLen ? offset : maxLen)); ++i)
            if (out.text()[i] != kGuard)
                std::abort();
        out.check(maxLen);
        break;
    }
    case 2: { // formatting
        const float value = take<float>(data, size);
        const int32_t maxLen = boundedLen(take<int32_t>(data, size) & 0x7FFFFFFF);
        const int32_t decimals = take<int32_t>(data, size);
        const bool showPlus = (take<uint8_t>(data, size) & 1) != 0;
        GuardedText a, b, c;
        QVHelpers::float2string(value, a.text(), maxLen, showPlus, decimals);
        QVHelpers::dB2string(value, b.text(), maxLen, showPlus, decimals);
        QVHelpers::long2string(static_cast<int32_t>(decimals), c.text(), maxLen, showPlus);
        a.check(maxLen);
        b.check(maxLen);
        c.check(maxLen);
        break;
    }
    case 3: { // parsing and mapping
        const std::string text(reinterpret_cast<const char*>(data), size);
        const float parsed = QVHelpers::string2float(text.c_str(), true);
        TestEffect fx;
        for (int32_t p = -1; p <= TestEffect::kParameterCount; ++p) {
            fx.setParameter(p, parsed, true, false);
            const float stored = fx.getParameter(p);
            if (!(stored >= 0.0f && stored <= 1.0f))
                std::abort();
            fx.getParameterStepFromValue(p, parsed);
        }
        QVHelpers::double2dsp(parsed, static_cast<int32_t>(size % 64) - 32);
        break;
    }
    case 4: { // parameter and bank indexes, texts with any length
        TestEffect fx;
        fx.attachCallback();
        const int32_t index = take<int32_t>(data, size);
        const int32_t bank = take<int32_t>(data, size);
        const int32_t step = take<int32_t>(data, size);
        const int32_t maxLen = boundedLen(take<int32_t>(data, size) & 0x7FFFFFFF);
        fx.setBank(bank, true);
        fx.getParameterFromStep(index, step);
        GuardedText t;
        fx.getParameterValueUnitString(index, t.text(), maxLen);
        fx.getMeterValueUnitString(index, t.text(), maxLen);
        t.check(maxLen);
        break;
    }
    }
    return 0;
}

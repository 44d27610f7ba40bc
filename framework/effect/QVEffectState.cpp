// The state blob of QVEffect: bank, then every value of every bank, big-endian.
#include "QVEffect.h"

#include "QVEndian.h"

#include <cstring>

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr int32_t kWordSize = 4;
} // namespace

int32_t QVEffect::getStateSize()
{
    return kWordSize + kWordSize * bankCount * parameterCount;
}

void QVEffect::saveState(void* out)
{
    if (!valuesValid || out == nullptr)
        return;
    auto* bytes = static_cast<unsigned char*>(out);
    const int32_t storedBank = bank.load(kRelaxed);
    std::memcpy(bytes, &storedBank, kWordSize);
    qv_endian(bytes, 1, kWordSize);

    const int32_t valueCount = bankCount * parameterCount;
    for (int32_t i = 0; i < valueCount; ++i) {
        const float value = values[i].load(kRelaxed);
        std::memcpy(bytes + kWordSize + kWordSize * i, &value, kWordSize);
    }
    qv_endian(bytes + kWordSize, valueCount, kWordSize);
}

bool QVEffect::restoreState(const void* in, int32_t size, bool notify)
{
    if (in == nullptr || size < kWordSize)
        return false;
    const auto* bytes = static_cast<const unsigned char*>(in);

    int32_t storedBank = 0;
    std::memcpy(&storedBank, bytes, kWordSize);
    qv_endian(&storedBank, 1, kWordSize);
    if (storedBank >= bankCount)
        storedBank = bankCount - 1;
    if (storedBank < 0)
        storedBank = 0; // also when there are no banks at all
    bank.store(storedBank, kRelaxed);

    // Whole floats per bank; (size - 4) >= 0 here, so nothing can overflow.
    const int32_t perBank = bankCount > 0 ? (size - kWordSize) / bankCount / kWordSize : 0;
    const unsigned char* next = bytes + kWordSize;
    for (int32_t b = 0; perBank > 0 && parameterCount > 0 && b < bankCount; ++b) {
        for (int32_t i = 0; i < perBank; ++i, next += kWordSize) {
            if (i >= parameterCount)
                continue;
            float value = 0.0f;
            std::memcpy(&value, next, kWordSize);
            qv_endian(&value, 1, kWordSize);
            if (!(value >= 0.0f))
                value = 0.0f; // below 0, and garbage that is not a number
            else if (value > 1.0f)
                value = 1.0f;
            values[i + b * parameterCount].store(value, kRelaxed);
        }
    }

    for (int32_t p = 0; p < parameterCount; ++p) {
        updateParameter(p);
        if (notify)
            sendCallback(kCallbackParameterChanged, p, getParameter(p), nullptr, 0);
    }
    updateEditor();
    return true;
}

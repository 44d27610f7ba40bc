// The engine behind an untyped handle, for callers that cannot see the class.
#pragma once

#include <cstdint>

namespace DRHandle
{
void* Init();
void Exit(void* engine);
// Returns 0 without processing for a null engine, a missing input channel or a non-positive rate.
int32_t Process(void* engine, int32_t sampleRate, float** inputs, int32_t frames, float** outputs);
void Clear(void* engine);
// unused: kept for callers that pass a context; always returns 0.
int32_t SetParam(void* engine, void* unused, int32_t index, float value);
} // namespace DRHandle

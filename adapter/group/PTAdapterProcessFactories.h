#pragma once
// The types' process creators: one adapter process per plug-in instance. A construction failure
// frees the memory and passes its exception to the library.

class CEffectProcess;

CEffectProcess* NewPTAdapterProcessRTASMono();
CEffectProcess* NewPTAdapterProcessRTASStereo();
CEffectProcess* NewPTAdapterProcessASGeneric();

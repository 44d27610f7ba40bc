#pragma once
// The effect group: the maker and the plug-in as the host names them, the group's gestalts,
// the base of every process's namespace name, related-type search and chunk headers. The
// plug-in derives from it and defines its types in CreateEffectTypes.

#include <set>
#include <string>

#include "CProcessGroup.h"

class CEffectType;

class CEffectGroup : public CProcessGroup
{
public:
    CEffectGroup();
    ~CEffectGroup() override;

    // Supplied by the plug-in with its group; the usual definition runs CreateEffectTypes, in
    // which the plug-in defines and adds its types.
    void CreateProcessTypeObjects() override;
    virtual void CreateEffectTypes() = 0;

    // ---- Definers
    // names: alternatives separated by line feeds, longest first.
    void DefineManufacturerNamesAndID(const char* names, OSType id);
    void DefinePlugInNamesAndVersion(const char* names, UInt32 version);
    void AddGestalt(SInt32 selector);
    // A null type throws.
    void AddEffectType(CEffectType* type);

    // ---- Answers
    // out holds maxLen + 1 bytes and receives a length-prefixed text.
    ComponentResult GetPlugInName(unsigned char* out, SInt32 maxLen) const override;
    ComponentResult GetManufacturerName(SInt32 maxLen, char* out) override;
    UInt32 GetVersion() const { return fVersion; }
    OSType GetManufacturerID() const { return fManufacturerID; }
    ComponentResult GetAutoType() override;
    ComponentResult GetProcessTypeIDs(SInt32 typeIndex, OSType* manufacturer, OSType* product, OSType* type) override;
    ComponentResult Gestalt(OSType type, SInt32 selector, SInt32* value) override;
    // out holds 256 bytes.
    void GetSDSBaseName(char* out);
    ComponentResult GetRelatedProcessType(SPlugInSpec* spec, SInt32 a, SInt32 b) override;
    ComponentResult GetRelatedProcessTypeOfType(SPlugInSpec* spec, SInt32 kind, SInt32 inputs, SInt32 outputs,
                                                SInt32 inputStem, SInt32 outputStem) override;

    ComponentResult GetChunk(OSType type, SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk) override;
    ComponentResult SetChunk(OSType type, SInt32 processIndex, OSType chunkID,
                             const SFicPlugInChunk* chunk) override;
    ComponentResult CompareActiveChunk(OSType type, SInt32 processIndex, const SFicPlugInChunk* chunk,
                                       Boolean* same) override;

private:
    void BuildSDSBaseName();

    std::string fManufacturerNames;
    OSType fManufacturerID = 0;
    std::string fPlugInNames;
    UInt32 fVersion = 0;
    std::set<SInt32> fGestalts;
    std::string fSDSBaseName;
};

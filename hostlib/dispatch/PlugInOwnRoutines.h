#pragma once
// Routines whose shape differs from the group operation they reach: those that pack their
// leading arguments into a specifier record, those that answer a pointer, and the units text.

#include "CProcess.h"

ComponentResult PI_GetControlNameOfLength(OSType type, SInt32 process, SInt32 control, char* out, SInt32 maxLen,
                                          OSType controllerType, SInt16* result);
ComponentResult PI_MapControlValToString(OSType type, SInt32 process, SInt32 control, SInt32 value, char* out,
                                         SInt32 maxLen);
ComponentResult PI_GetControlForPage(OSType type, SInt32 process, OSType controllerType, SInt32 page, SInt32 slot,
                                     SInt32* control);
ComponentResult PI_GetNumParamFormats(OSType type, SInt32 process, SInt32 port, Boolean isInput, SInt32* count);
ComponentResult PI_GetIndexParamFormat(OSType type, SInt32 process, SInt32 port, Boolean isInput, SInt32 index,
                                       SConnectionFormat* format);
ComponentResult PI_GetRelatedProcessTypeOfType(SPlugInSpec* spec, SInt32 kind, SInt32 inputs, SInt32 outputs,
                                               SInt32 inputStem, SInt32 outputStem);
SAutoEventList* PI_GetAutoEventList(OSType type, SInt32 process, SInt32 control);
void* PI_GetAutoEventTag(OSType type, SInt32 process, SInt32 control);
// Writes an empty text; reaches no group.
ComponentResult PI_GetControlUnitsString(OSType type, SInt32 process, SInt32 control, char* out, SInt32 maxLen);

#pragma once
// The host operations that name a type and a process and that the group hands on unchanged to
// the process's operation of the same name: X(name, (arguments passed on), parameters after
// the OS type and the process index). Control operations (C) take the control index first; the
// group answers -7300 for an index outside the process's controls.

#define KELVARO_PROCESS_OPERATIONS(X, C)                                                                  \
    X(Draw, (area), Rect* area)                                                                       \
    X(DoMouseCommand, (event), EventRecord* event)                                                    \
    X(DoKeyCommand, (event, handled), EventRecord* event, Boolean* handled)                           \
    X(DoIdle, (event), const EventRecord* event)                                                      \
    X(GetViewRect, (rect), Rect* rect)                                                                \
    X(ActivateWindow, ())                                                                             \
    X(DeactivateWindow, ())                                                                           \
    X(SetNumAudioInputs, (count), SInt16 count)                                                       \
    X(SetNumAudioOutputs, (count), SInt16 count)                                                      \
    X(IsInputPortConnected, (port, connected), SInt32 port, Boolean* connected)                       \
    X(CanOutputPortConnect, (port, canConnect), SInt32 port, Boolean* canConnect)                     \
    X(IsOutputPortConnected, (port, connected), SInt32 port, Boolean* connected)                      \
    X(ConnectInput, (port, connection), SInt32 port, HostConnectionRef connection)                    \
    X(ConnectOutput, (port, connection), SInt32 port, HostConnectionRef connection)                   \
    X(DisconnectInput, (port), SInt32 port)                                                           \
    X(DisconnectOutput, (port), SInt32 port)                                                          \
    X(SetBypass, (bypassed), Boolean bypassed)                                                        \
    X(GetNumControls, (count), SInt16* count)                                                         \
    C(IsControlAutomatable, (control, automatable), SInt32 control, SInt16* automatable)              \
    C(GetNumControlSteps, (control, steps), SInt32 control, SInt32* steps)                            \
    C(GetControlName, (control, out), SInt32 control, char* out)                                      \
    C(GetControlValue, (control, value), SInt32 control, SInt32* value)                               \
    C(SetControlValue, (control, value), SInt32 control, SInt32 value)                                \
    X(SetViewPort, (port), GrafPtr port)                                                              \
    X(SetViewOrigin, (origin), Point origin)                                                          \
    C(SendRampRegion, (control, region), SInt32 control, const SRampRegion* region)                   \
    X(SetMute, (muted), Boolean muted)                                                                \
    X(GetBypass, (bypassed), Boolean* bypassed)                                                       \
    X(GetMute, (muted), Boolean* muted)                                                               \
    X(GetNumMeters, (count), SInt32* count)                                                           \
    X(GetMeterVal, (meter, value), SInt32 meter, SInt32* value)                                       \
    X(GetMeterName, (meter, out, maxLen), SInt32 meter, char* out, SInt32 maxLen)                     \
    X(GetNumChunks, (count), SInt32* count)                                                           \
    X(GetIndexedChunkID, (index, chunkID), SInt32 index, OSType* chunkID)                             \
    X(DescribeChunk, (chunkID, name), OSType chunkID, unsigned char* name)                            \
    X(GetChunkSize, (chunkID, size), OSType chunkID, SInt32* size)                                    \
    C(BoundAutoSegment, (control, start, end), SInt32 control, SInt32* start, SInt32* end)            \
    C(SetControlOverride, (control, overridden), SInt32 control, Boolean overridden)                  \
    X(Prime, (priming), Boolean priming)                                                              \
    C(GetAutoEventList, (control, list), SInt32 control, SAutoEventList** list)                       \
    C(GetAutoEventTag, (control, tag), SInt32 control, void** tag)                                    \
    X(GetDelaySamples, (samples), SInt16* samples)                                                    \
    C(SetControlRelative, (control, delta), SInt32 control, SInt32 delta)                             \
    C(GetControlPriority, (control, priority), SInt32 control, SInt32* priority)                      \
    X(GetProcessNameID, (id), FicSDSNameId* id)                                                       \
    C(GetControlNameID, (control, id), SInt32 control, FicSDSNameId* id)                              \
    X(ChooseControl, (where, control), Point where, SInt32* control)                                  \
    C(GetControlType, (control, controlType), SInt32 control, SInt32* controlType)                             \
    C(GetControlOrientation, (control, orientation), SInt32 control, SInt32* orientation)             \
    C(MapControlValToString, (control, value, out, maxLen), SInt32 control, SInt32 value, char* out,  \
      SInt32 maxLen)                                                                                  \
    X(GetConnectionFormat, (port, isInput, format), SInt32 port, Boolean isInput,                     \
      SConnectionFormat* format)                                                                      \
    X(SetConnectionFormat, (port, isInput, format), SInt32 port, Boolean isInput,                     \
      const SConnectionFormat* format)                                                                \
    X(GetNumParamFormats, (port, isInput, count), SInt32 port, Boolean isInput, SInt32* count)        \
    X(GetIndexParamFormat, (port, isInput, index, format), SInt32 port, Boolean isInput,              \
      SInt32 index, SConnectionFormat* format)                                                        \
    C(UpdateControlValue, (control, value), SInt32 control, SInt32 value)                             \
    C(UpdateControlRelative, (control, delta), SInt32 control, SInt32 delta)                          \
    X(InitOutputBounds, ())                                                                           \
    X(SetOutputBounds, (port, start, end), SInt32 port, SInt32 start, SInt32 end)                     \
    X(TranslateOutputSampleNum, (sample, translated), SInt32 sample, SInt32* translated)              \
    X(AnalyzeData, (samples), SInt32* samples)                                                        \
    X(ProcessData, (samples), SInt32* samples)                                                        \
    C(GetControlDefaultValue, (control, value), SInt32 control, SInt32* value)                        \
    X(GetNumChanges, (count), SInt32* count)                                                          \
    X(GetNumControlPages, (controllerType, count), OSType controllerType, SInt32* count)              \
    X(GetControlForPage, (controllerType, page, slot, control), OSType controllerType, SInt32 page,   \
      SInt32 slot, SInt32* control)                                                                   \
    C(GetControlHighliteInfo, (control, highlighted, color), SInt32 control, SInt16* highlighted,     \
      SInt16* color)                                                                                  \
    C(SetControlHighliteInfo, (control, highlighted, color), SInt32 control, SInt16 highlighted,      \
      SInt16 color)                                                                                   \
    X(HasCustomizedPageTable, (controllerType, customized), OSType controllerType, Boolean* customized) \
    X(SetPreviewState, (state), SInt32 state)                                                         \
    C(GetControlNameOfLength, (control, out, maxLen, controllerType, result), SInt32 control,         \
      char* out, SInt32 maxLen, OSType controllerType, SInt16* result)                                \
    X(GetMasterBypassControl, (control), SInt32* control)                                             \
    X(GetBypassControlByCategory, (category, control), OSType category, SInt32* control)              \
    X(SetParentPlugInSpec, (spec), const SPlugInSpec* spec)                                           \
    X(GetParentPlugInSpec, (spec), SPlugInSpec* spec)                                                 \
    X(GetInputPortForChildPort, (childPort, port), SInt32 childPort, SInt32* port)                    \
    X(GetOutputPortForChildPort, (childPort, port), SInt32 childPort, SInt32* port)                   \
    X(SetUseDoublePrecisionIO, (doublePrecision), Boolean doublePrecision)                            \
    X(ReleaseMIDI, ())                                                                                \
    X(GetDelaySamplesLong, (samples), SInt32* samples)                                                \
    X(GetMeterOrientation, (meter, orientation), SInt32 meter, SInt32* orientation)                   \
    X(GetNumMetersOfType, (meterType, count), SInt32 meterType, SInt32* count)                        \
    X(GetMeterIndexByType, (meterType, nth, meter), SInt32 meterType, SInt32 nth, SInt32* meter)      \
    X(GetClipState, (clipped), Boolean* clipped)                                                      \
    X(ClearClipState, ())                                                                             \
    X(SetInputDelaySamples, (samples), SInt32 samples)                                                \
    X(GetInputDelaySamples, (samples), SInt32* samples)                                               \
    X(GetMaxDelaySamples, (samples), SInt32* samples)                                                 \
    X(SetInputMonitorDelaySamples, (samples), SInt32 samples)                                         \
    X(GetInputMonitorDelaySamples, (samples), SInt32* samples)                                        \
    C(GetControlValueInfo, (control, selector, value, info), SInt32 control, SInt32 selector,         \
      SInt32 value, SInt32* info)                                                                     \
    X(UseInputMonitorDelay, (used), Boolean used)                                                     \
    X(GetNumAuxOutputStems, (count), SInt32* count)                                                   \
    X(GetAuxOutputStemInfo, (stem, format, name), SInt32 stem, SInt32* format, char* name)            \
    X(DrawDragAndDropHilight, (highlighted), Boolean highlighted)                                     \
    X(BeginDragData, ())                                                                              \
    X(RegisterDragData, (data), const SDragData* data)                                                \
    X(CompleteDragData, ())                                                                           \
    X(DropData, (where, accepted), Point where, Boolean* accepted)                                    \
    X(DoCustomPlugInSettingsFile, (action, files), SInt32 action, const SFilePathList* files)         \
    X(SpecifyFindAndRelinkCallback, (callback, context), HostCallback callback, void* context)        \
    X(ReturnFindAndRelinkFiles, (files), const SFilePathList* files)                                  \
    X(SetFilePathsForSessionCopy, (files), const SFilePathList* files)                                \
    X(SpecifyLoadPlugInSettingsFileCallback, (callback, context), HostCallback callback, void* context) \
    X(GetIACFUnknown, (unknown), void** unknown)                                                      \
    X(ResetPlugInState, ())

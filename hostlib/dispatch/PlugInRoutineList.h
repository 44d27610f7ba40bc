#pragma once
// Every assigned selector and its routine, with the routine's critical-section rule:
//   GROUP(selector, name, rule)  hands its arguments to the group operation of the same name;
//   NEVER(selector, name, parameters)  answers 0 at once without reaching the group;
//   OWN(selector, name)  a routine of its own shape (PlugInOwnRoutines.cpp).

#define KELVARO_PLUGIN_ROUTINES(GROUP, NEVER, OWN)                         \
    GROUP(0, Draw, ABOVE_98)                                               \
    GROUP(1, DoMouseCommand, WHEN_SCOPE_NOT_ZERO)                          \
    GROUP(2, DoKeyCommand, WHEN_SCOPE_NOT_ZERO)                            \
    GROUP(3, DoIdle, WHEN_SCOPE_NOT_ZERO)                                  \
    GROUP(4, GetViewRect, WHEN_SCOPE_NOT_ZERO)                             \
    GROUP(5, GetProcessTypeName, WHEN_SCOPE_NOT_ZERO)                                           \
    GROUP(6, GetProcessTypeIDs, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(7, SetSampleRate, WHEN_SCOPE_NOT_ZERO)                           \
    GROUP(8, ActivateWindow, WHEN_SCOPE_NOT_ZERO)                          \
    GROUP(9, DeactivateWindow, WHEN_SCOPE_NOT_ZERO)                        \
    GROUP(10, GetNumAudioInputs, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(12, GetManufacturerName, WHEN_SCOPE_NOT_ZERO)                    \
    GROUP(14, SetXCMDProc, WHEN_SCOPE_NOT_ZERO)                            \
    GROUP(15, DoSetCursor, WHEN_SCOPE_NOT_ZERO)                            \
    GROUP(16, AllocateHardware, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(17, GetNumAudioOutputs, WHEN_SCOPE_NOT_ZERO)                     \
    GROUP(18, FreeHardware, WHEN_SCOPE_NOT_ZERO)                           \
    GROUP(19, InstantiateProcess, WHEN_SCOPE_NOT_ZERO)                     \
    GROUP(20, FreeProcess, WHEN_SCOPE_NOT_ZERO)                            \
    GROUP(22, GetNumProcessTypes, WHEN_SCOPE_NOT_ZERO)                     \
    GROUP(23, SetNumAudioInputs, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(24, SetNumAudioOutputs, WHEN_SCOPE_NOT_ZERO)                     \
    GROUP(25, GetProcessTypeFlags, WHEN_SCOPE_NOT_ZERO)                    \
    GROUP(27, IsInputPortConnected, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(28, CanOutputPortConnect, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(29, IsOutputPortConnected, WHEN_SCOPE_NOT_ZERO)                  \
    GROUP(30, ConnectInput, WHEN_SCOPE_NOT_ZERO)                           \
    GROUP(31, ConnectOutput, WHEN_SCOPE_NOT_ZERO)                          \
    GROUP(32, DisconnectInput, WHEN_SCOPE_NOT_ZERO)                        \
    GROUP(33, DisconnectOutput, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(35, GetDriverTypeList, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(36, GetDriverRefNumOfInput, WHEN_SCOPE_NOT_ZERO)                 \
    GROUP(37, GetDriverRefNumOfOutput, WHEN_SCOPE_NOT_ZERO)                \
    GROUP(38, SetCFicWidgetObject, WHEN_SCOPE_NOT_ZERO)                    \
    GROUP(39, SetBypass, WHEN_SCOPE_NOT_ZERO)                              \
    GROUP(40, GetNumControls, WHEN_SCOPE_NOT_ZERO)                         \
    GROUP(41, IsControlAutomatable, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(42, GetNumControlSteps, WHEN_SCOPE_NOT_ZERO)                     \
    NEVER(43, GetValToStringProcPtr, (OSType, SInt32, SInt32, void**))     \
    GROUP(44, GetControlName, WHEN_SCOPE_NOT_ZERO)                         \
    GROUP(45, GetControlValue, WHEN_SCOPE_NOT_ZERO)                        \
    GROUP(46, SetControlValue, WHEN_SCOPE_NOT_ZERO)                        \
    GROUP(47, SetViewPort, ABOVE_98)                                       \
    GROUP(48, SetViewOrigin, WHEN_SCOPE_NOT_ZERO)                          \
    GROUP(49, SendRampRegion, WHEN_SCOPE_NOT_ZERO)                         \
    GROUP(50, SetMute, WHEN_SCOPE_NOT_ZERO)                                \
    GROUP(51, GetBypass, WHEN_SCOPE_NOT_ZERO)                              \
    GROUP(52, GetMute, WHEN_SCOPE_NOT_ZERO)                                \
    GROUP(53, GetNumMeters, WHEN_SCOPE_NOT_ZERO)                           \
    GROUP(54, GetMeterVal, WHEN_SCOPE_NOT_ZERO)                            \
    GROUP(55, GetMeterName, WHEN_SCOPE_NOT_ZERO)                           \
    NEVER(56, GetIOModes, (OSType, SInt32, SInt32*, SInt32*))              \
    NEVER(57, SetIOMode, (OSType, SInt32, SInt32))                         \
    NEVER(58, GetCurrentIOMode, (OSType, SInt32, SInt32*))                 \
    GROUP(59, GetPortOnHardwareIndex, WHEN_SCOPE_NOT_ZERO)                 \
    GROUP(62, GetNumChunks, WHEN_SCOPE_NOT_ZERO)                           \
    GROUP(63, GetIndexedChunkID, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(64, DescribeChunk, WHEN_SCOPE_NOT_ZERO)                          \
    GROUP(65, GetChunkSize, WHEN_SCOPE_NOT_ZERO)                           \
    GROUP(66, GetChunk, WHEN_SCOPE_NOT_ZERO)                               \
    GROUP(67, SetChunk, WHEN_SCOPE_NOT_ZERO)                               \
    GROUP(68, GetRelatedProcessType, WHEN_SCOPE_NOT_ZERO)                  \
    GROUP(69, BoundAutoSegment, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(70, DisableAutomation, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(71, SetControlOverride, WHEN_SCOPE_NOT_ZERO)                     \
    GROUP(72, Prime, WHEN_SCOPE_NOT_ZERO)                                  \
    OWN(73, GetAutoEventList)                                              \
    OWN(74, GetAutoEventTag)                                               \
    GROUP(75, GetAutoType, HUNDRED_OR_MORE)                                \
    NEVER(76, ReserveResources, (OSType, SInt32))                          \
    NEVER(77, ReleaseResources, (OSType, SInt32))                          \
    NEVER(78, NumReservedResources, (OSType, SInt32, SInt32*))             \
    GROUP(79, IsIOProcessType, WHEN_SCOPE_NOT_ZERO)                        \
    GROUP(80, GetDelaySamples, WHEN_SCOPE_NOT_ZERO)                        \
    GROUP(81, SetControlRelative, WHEN_SCOPE_NOT_ZERO)                     \
    GROUP(82, GetControlPriority, WHEN_SCOPE_NOT_ZERO)                     \
    NEVER(83, GetProcessGroupNameID, (FicSDSNameId*))                      \
    NEVER(84, GetProcessTypeNameID, (OSType, FicSDSNameId*))               \
    GROUP(85, GetProcessNameID, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(86, GetControlNameID, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(87, ChooseControl, WHEN_SCOPE_NOT_ZERO)                          \
    GROUP(88, GetControlType, WHEN_SCOPE_NOT_ZERO)                         \
    GROUP(89, GetControlOrientation, WHEN_SCOPE_NOT_ZERO)                  \
    OWN(90, MapControlValToString)                                         \
    GROUP(91, EnablePlugInType, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(92, GetPlugInType, WHEN_SCOPE_NOT_ZERO)                          \
    GROUP(93, Gestalt, WHEN_SCOPE_NOT_ZERO)                                \
    GROUP(94, GetConnectionFormat, WHEN_SCOPE_NOT_ZERO)                    \
    GROUP(95, SetConnectionFormat, WHEN_SCOPE_NOT_ZERO)                    \
    OWN(96, GetNumParamFormats)                                            \
    OWN(97, GetIndexParamFormat)                                           \
    OWN(98, GetControlUnitsString)                                         \
    GROUP(99, UpdateControlValue, WHEN_SCOPE_NOT_ZERO)                     \
    GROUP(100, UpdateControlRelative, WHEN_SCOPE_NOT_ZERO)                 \
    GROUP(101, InitOutputBounds, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(102, SetOutputBounds, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(103, TranslateOutputSampleNum, WHEN_SCOPE_NOT_ZERO)              \
    GROUP(104, AnalyzeData, WHEN_SCOPE_NOT_ZERO)                           \
    GROUP(105, ProcessData, HUNDRED_OR_MORE)                               \
    GROUP(108, GetPlugInString, WHEN_SCOPE_NOT_ZERO)                       \
    GROUP(109, GetControlDefaultValue, WHEN_SCOPE_NOT_ZERO)                \
    GROUP(110, GetNumChanges, WHEN_SCOPE_NOT_ZERO)                         \
    GROUP(111, SetTimeCodeInfo, WHEN_SCOPE_NOT_ZERO)                       \
    NEVER(112, GetNumAutoStates, (OSType, SInt32, SInt32*))                \
    NEVER(113, GetAutoState, (OSType, SInt32, SInt32, SInt32*))            \
    NEVER(114, SetAutoState, (OSType, SInt32, SInt32, SInt32))             \
    NEVER(115, GetNumAutoTriggers, (OSType, SInt32, SInt32*))              \
    NEVER(116, GetAutoTrigger, (OSType, SInt32, SInt32, SInt32*))          \
    NEVER(117, SetAutoTrigger, (OSType, SInt32, SInt32, SInt32))           \
    NEVER(118, GetTriggerOffset, (OSType, SInt32, SInt32, SInt32*))        \
    NEVER(119, SetTriggerOffset, (OSType, SInt32, SInt32, SInt32))         \
    GROUP(120, GetNumControlPages, WHEN_SCOPE_NOT_ZERO)                    \
    OWN(121, GetControlForPage)                                            \
    GROUP(122, SetLocationTempo, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(123, SetSourceRegionList, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(124, SetDestRegionList, WHEN_SCOPE_NOT_ZERO)                     \
    GROUP(125, SetDitherBits, WHEN_SCOPE_NOT_ZERO)                         \
    GROUP(126, GetControlHighliteInfo, WHEN_SCOPE_NOT_ZERO)                \
    GROUP(127, SetControlHighliteInfo, WHEN_SCOPE_NOT_ZERO)                \
    GROUP(128, CompareActiveChunk, WHEN_SCOPE_NOT_ZERO)                    \
    GROUP(129, HasCustomizedPageTable, WHEN_SCOPE_NOT_ZERO)                \
    GROUP(130, SetPreviewState, WHEN_SCOPE_NOT_ZERO)                       \
    OWN(131, GetControlNameOfLength)                                       \
    GROUP(132, GetMasterBypassControl, WHEN_SCOPE_NOT_ZERO)                \
    GROUP(133, GetFirstPageForCategory, WHEN_SCOPE_NOT_ZERO)               \
    GROUP(134, GetIsBypassableByCategory, WHEN_SCOPE_NOT_ZERO)             \
    GROUP(135, GetBypassControlByCategory, WHEN_SCOPE_NOT_ZERO)            \
    GROUP(136, GetDSPCoreTypeList, WHEN_SCOPE_NOT_ZERO)                    \
    GROUP(137, GetStemFormats, WHEN_SCOPE_NOT_ZERO)                        \
    OWN(138, GetRelatedProcessTypeOfType)                                  \
    GROUP(139, SetParentPlugInSpec, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(140, GetParentPlugInSpec, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(141, GetInputPortForChildPort, WHEN_SCOPE_NOT_ZERO)              \
    GROUP(142, GetOutputPortForChildPort, WHEN_SCOPE_NOT_ZERO)             \
    GROUP(143, SetUseDoublePrecisionIO, WHEN_SCOPE_NOT_ZERO)               \
    GROUP(144, ReleaseMIDI, HUNDRED_OR_MORE)                               \
    GROUP(145, GetDelaySamplesLong, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(146, GetMeterOrientation, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(147, GetNumMetersOfType, WHEN_SCOPE_NOT_ZERO)                    \
    GROUP(148, GetMeterIndexByType, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(149, GetClipState, WHEN_SCOPE_NOT_ZERO)                          \
    GROUP(150, ClearClipState, WHEN_SCOPE_NOT_ZERO)                        \
    GROUP(151, SetInputDelaySamples, WHEN_SCOPE_NOT_ZERO)                  \
    GROUP(152, GetInputDelaySamples, WHEN_SCOPE_NOT_ZERO)                  \
    GROUP(153, GetMaxDelaySamples, WHEN_SCOPE_NOT_ZERO)                    \
    GROUP(154, SetInputMonitorDelaySamples, WHEN_SCOPE_NOT_ZERO)           \
    GROUP(155, GetInputMonitorDelaySamples, WHEN_SCOPE_NOT_ZERO)           \
    GROUP(156, GetControlValueInfo, WHEN_SCOPE_NOT_ZERO)                   \
    GROUP(157, UseInputMonitorDelay, WHEN_SCOPE_NOT_ZERO)                  \
    GROUP(158, GetNumAuxOutputStems, WHEN_SCOPE_NOT_ZERO)                  \
    GROUP(159, GetAuxOutputStemInfo, WHEN_SCOPE_NOT_ZERO)                  \
    GROUP(160, DrawDragAndDropHilight, WHEN_SCOPE_NOT_ZERO)                \
    GROUP(161, BeginDragData, WHEN_SCOPE_NOT_ZERO)                         \
    GROUP(162, RegisterDragData, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(163, CompleteDragData, WHEN_SCOPE_NOT_ZERO)                      \
    GROUP(164, DropData, WHEN_SCOPE_NOT_ZERO)                              \
    GROUP(165, DoCustomPlugInSettingsFile, WHEN_SCOPE_NOT_ZERO)            \
    GROUP(166, GetXMLPageTableForType, WHEN_SCOPE_NOT_ZERO)                \
    GROUP(167, GetXMLPageTableSizeForType, WHEN_SCOPE_NOT_ZERO)            \
    GROUP(168, SpecifyFindAndRelinkCallback, WHEN_SCOPE_NOT_ZERO)          \
    GROUP(169, ReturnFindAndRelinkFiles, WHEN_SCOPE_NOT_ZERO)              \
    GROUP(170, SetFilePathsForSessionCopy, WHEN_SCOPE_NOT_ZERO)            \
    GROUP(171, SpecifyLoadPlugInSettingsFileCallback, WHEN_SCOPE_NOT_ZERO) \
    GROUP(172, GetIACFUnknown, WHEN_SCOPE_NOT_ZERO)                        \
    GROUP(173, ResetPlugInState, WHEN_SCOPE_NOT_ZERO)

#pragma once
// The byte-order callback the host platform library runs on each of the plug-in's resources as
// it loads them: the resources are stored big-endian, and the fixed fields of the two types the
// module knows are turned into the machine's order.

#include "HostTypes.h"

using PTAdapterResourceByteOrderProc = SInt32 (*)(OSType type, void* data, SInt32 size);

// Answers 1 for 'thng' and 'cfrg', whose fields it reverses, and 0 for any other type, which it
// leaves alone. Only fields lying wholly within the resource's size bytes are touched: a short
// resource is never read or written past its end.
SInt32 PTAdapterResourceByteOrder(OSType type, void* data, SInt32 size);

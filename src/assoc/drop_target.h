#pragma once
// nobo's COM class, through which Explorer hands a whole selection to one
// nobo as the drop target of its menu entry, and the class's registration in
// a place (PLACE_..., assoc/registry.h)
//   <classes>\CLSID\<class id>\LocalServer32   default: "<program path>"
// where 64-bit Explorer looks for it, from either build.

// "{7E835470-E5B4-46C6-B201-3A20C0BF8FEE}".
extern const wchar_t NOBO_CLASS_ID[];

// Registers the class as served by this program. True when written.
bool WriteDropTargetClass(int place);
// Removes the class with everything under it. True when it is gone.
bool RemoveDropTargetClass(int place);
// The class's server as registered in the place, into server
// (CMDLINE_BUFFER_SIZE units; "" when the class is not there). False when
// the class is there but cannot be read.
bool ReadDropTargetServer(int place, wchar_t* server);

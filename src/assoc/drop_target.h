#pragma once
// nobo's COM class, through which Explorer hands a whole selection to one
// nobo as the drop target of its menu entry, and the class's registration
//   HKEY_CLASSES_ROOT\CLSID\<class id>\LocalServer32   default: "<program path>"
// where 64-bit Explorer looks for it, from either build.

// "{7E835470-E5B4-46C6-B201-3A20C0BF8FEE}".
extern const wchar_t NOBO_CLASS_ID[];

// Registers the class as served by this program. True when written.
bool WriteDropTargetClass();
// Removes the class with everything under it. True when it is gone.
bool RemoveDropTargetClass();

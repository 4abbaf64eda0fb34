#pragma once
// The framework layer: application object, windows and dialogs, message maps,
// data exchange, controls, GDI objects, strings, lists and file search.

#include "Controls.h"
#include "Dialog.h"
#include "FileFind.h"
#include "Gdi.h"
#include "MessageMap.h"
#include "PtrList.h"
#include "String.h"
#include "WinApp.h"
#include "Wnd.h"

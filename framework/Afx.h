// The application framework: include this one header.
#pragma once
#include "framework/AfxExport.h"
#include "framework/AfxState.h"
#include "framework/AfxTypes.h"
#include "framework/CString.h"
#include "framework/CFileFind.h"
#include "framework/CFile.h"
#include "framework/CCmdTarget.h"
#include "framework/CWnd.h"
#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/AfxControls.h"

// Everything a window program of the framework includes.
#pragma once

#include "afx_app.h"
#include "afx_bitmap_button.h"
#include "afx_controls.h"
#include "afx_dc.h"
#include "afx_dialog.h"
#include "afx_exception.h"
#include "afx_file.h"
#include "afx_gdi.h"
#include "afx_oblist.h"
#include "afx_print_dialog.h"
#include "afx_string.h"
#include "afx_string_array.h"
#include "afx_tooltip.h"
#include "afx_wait_cursor.h"
#include "afx_wnd.h"

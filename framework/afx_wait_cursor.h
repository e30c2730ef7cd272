// Shows the hourglass for the lifetime of the object.
#pragma once

#include "afx_app.h"

class CWaitCursor {
  public:
    CWaitCursor() { AfxGetApp()->BeginWaitCursor(); }
    ~CWaitCursor() { AfxGetApp()->EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows the hourglass again after something (a message box) changed the cursor.
    void Restore() { AfxGetApp()->RestoreWaitCursor(); }
};

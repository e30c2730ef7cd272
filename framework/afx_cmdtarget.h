// Base of every class that receives messages through a message map.
#pragma once

#include "afx_msgmap.h"
#include "afx_object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
  public:
    // Routes a command (menu, accelerator or control notification) to this object's map.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

  protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry for the message in this class's map or a base class's map.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

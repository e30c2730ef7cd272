// The about box, opened from the viewer's system menu.
#pragma once

#include "afxwin.h"
#include "resource.h"

class AboutDlg : public CDialog {
  public:
    AboutDlg() : CDialog(IDD_ABOUTBOX) {}

  protected:
    void DoDataExchange(CDataExchange*) override {}
    DECLARE_MESSAGE_MAP()
};

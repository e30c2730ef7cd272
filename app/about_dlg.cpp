#include "about_dlg.h"

BEGIN_MESSAGE_MAP(AboutDlg, CDialog)
END_MESSAGE_MAP()

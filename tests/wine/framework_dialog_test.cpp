// Dialogs: the modal loop, its message filter, ending with a result, and data exchange.
#include "resource.h"
#include "viewer_app.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT WM_TEST_STEP = WM_APP + 7;
constexpr int kSteps = 5;

// Counts what the application's filter relays to the main tooltip.
class CountingTip : public CToolTipCtrl {
  public:
    int m_nRelayed = 0;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == TTM_RELAYEVENT) {
            ++m_nRelayed;
        }
        return CToolTipCtrl::WindowProc(message, wParam, lParam);
    }
};

// The about box's empty template, run with a script of posted steps.
class ScriptedDialog : public CDialog {
  public:
    explicit ScriptedDialog(int nEndWith) : CDialog(IDD_ABOUTBOX), m_nEndWith(nEndWith) {}

    CountingTip m_tip;
    int m_nSteps = 0;

  protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_tip.Create(this);
        theApp.m_hMainDlg = m_hWnd;
        theApp.m_pMainTip = &m_tip;
        for (int i = 0; i < kSteps; ++i) {
            PostMessage(WM_TEST_STEP);
        }
        return TRUE;
    }
    LRESULT OnStep(WPARAM, LPARAM) {
        if (++m_nSteps == kSteps) {
            theApp.m_hMainDlg = nullptr;
            theApp.m_pMainTip = nullptr;
            EndDialog(m_nEndWith);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()

  private:
    int m_nEndWith;
};

BEGIN_MESSAGE_MAP(ScriptedDialog, CDialog)
ON_MESSAGE(WM_TEST_STEP, OnStep)
END_MESSAGE_MAP()

TEST(FrameworkDialog, ModalLoopRunsUntilEndDialogAndReturnsItsResult) {
    ScriptedDialog dlg(7);
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_EQ(dlg.m_nSteps, kSteps);
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the window is gone when DoModal returns";
}

TEST(FrameworkDialog, EveryQueuedMessagePassesTheApplicationsFilter) {
    ScriptedDialog dlg(IDOK);
    dlg.DoModal();
    EXPECT_GE(dlg.m_tip.m_nRelayed, kSteps);
}

TEST(FrameworkDialog, MissingTemplateGivesMinusOne) {
    CDialog dlg(4242);
    EXPECT_EQ(dlg.DoModal(), -1);
}

class CancelOnInit : public CDialog {
  public:
    CancelOnInit() : CDialog(IDD_ABOUTBOX) {}

  protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        return TRUE;
    }
};

TEST(FrameworkDialog, EscapeIsTheCancelCommand) {
    CancelOnInit dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// Template 279 has an edit control 1023 to exchange text with.
class ExchangeDialog : public CDialog {
  public:
    ExchangeDialog() : CDialog(IDD_SAVE_AS_JPEG) {}
    CString m_strName;
    int m_nFailAfterRead = 0;

  protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_FILE_NAME, m_strName);
        if (pDX->m_bSaveAndValidate && m_nFailAfterRead) {
            pDX->Fail();
        }
    }
};

TEST(FrameworkDialog, DataExchangeMovesTextBothWaysAndReportsFailure) {
    ExchangeDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_SAVE_AS_JPEG));
    dlg.m_strName = L"tgrnpic.jpg";
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.GetDlgItem(IDC_FILE_NAME)->GetWindowText(), CString(L"tgrnpic.jpg"));
    dlg.GetDlgItem(IDC_FILE_NAME)->SetWindowText(L"cam03.jpg");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strName, CString(L"cam03.jpg"));
    dlg.m_nFailAfterRead = 1;
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_FILE_NAME));
    dlg.DestroyWindow();
}

} // namespace

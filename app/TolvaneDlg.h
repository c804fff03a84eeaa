#pragma once

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "protocol/Brannoc.h"

// The main dialog: the decoder's three output assignments SX1..SX3 in three drop-down lists, and
// the Read and Write commands. It opens the interface unit when it starts and turns every failure
// of the link or the protocol into a message box.
class CTolvaneDlg : public CDialog {
public:
    explicit CTolvaneDlg(CWnd* pParent = nullptr);
    ~CTolvaneDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnRead();
    void OnWrite();

    DECLARE_MESSAGE_MAP()

private:
    // A stop-icon message box with string `textId` under the error caption.
    void ShowError(UINT textId);

    Brannoc m_brannoc;
    HICON m_hIcon;
    CButton m_writeButton;
    int m_sx1; // list index of each output: 0-15 channels 1-16, 16 DG1, 17 DG2, -1 none
    int m_sx2;
    int m_sx3;
};

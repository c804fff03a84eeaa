#include "app/TolvaneDlg.h"

#include "app/AboutDlg.h"
#include "app/resource.h"
#include "framework/PaintDC.h"
#include "framework/String.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "link/Pellix.h"
#include "protocol/CompatibilityError.h"

namespace {

// Settings-image bytes that hold the output assignments.
constexpr std::size_t kImageSx1 = 0;
constexpr std::size_t kImageSx2 = 4;
constexpr std::size_t kImageSx3 = 5;

// A list with nothing selected (the decoder reported an assignment the list does not offer) keeps
// the decoder's value, so a Write never overwrites a setting the user did not touch.
void StoreAssignment(int index, std::uint8_t& imageByte) {
    if (index >= 0) {
        imageByte = static_cast<std::uint8_t>(index & 0xFF);
    }
}

} // namespace

CTolvaneDlg::CTolvaneDlg(CWnd* pParent)
    : CDialog(IDD_TOLVANE_DIALOG, pParent), m_brannoc(&theLink), m_sx1(0), m_sx2(0), m_sx3(0) {
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

CTolvaneDlg::~CTolvaneDlg() = default;

void CTolvaneDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_SX1, m_sx1);
    DDX_CBIndex(pDX, IDC_SX2, m_sx2);
    DDX_CBIndex(pDX, IDC_SX3, m_sx3);
    DDX_Control(pDX, IDC_WRITE, m_writeButton);
}

BEGIN_MESSAGE_MAP(CTolvaneDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_READ, &CTolvaneDlg::OnRead)
ON_BN_CLICKED(IDC_WRITE, &CTolvaneDlg::OnWrite)
END_MESSAGE_MAP()

BOOL CTolvaneDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // The About command on the system menu; the system keeps the low four bits of ids to itself.
    static_assert((IDM_ABOUTBOX & 0xFFF0) == IDM_ABOUTBOX);
    static_assert(IDM_ABOUTBOX < 0xF000);
    if (CMenu* pSysMenu = GetSystemMenu(FALSE); pSysMenu != nullptr) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (strAboutMenu.IsEmpty() == FALSE) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // Nothing to write until the decoder has been read.
    m_writeButton.EnableWindow(FALSE);
    UpdateData(FALSE);

    try {
        theLink.Initialize();
        theLink.Open();
    } catch (const Pellix::InitializeError&) {
        ShowError(IDS_NO_DRIVER);
        OnCancel();
    } catch (const Pellix::ConnectionError&) {
        ShowError(IDS_NOT_CONNECTED);
        OnCancel();
    }
    return TRUE;
}

void CTolvaneDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

// Paints the icon while the dialog is minimised (where the platform leaves that to the window).
void CTolvaneDlg::OnPaint() {
    if (IsIconic() != FALSE) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

// The cursor shown while the minimised window is dragged.
HCURSOR CTolvaneDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CTolvaneDlg::OnRead() {
    const CWaitCursor wait;
    try {
        const Frame reply = m_brannoc.Read();
        auto& image = m_brannoc.Image();
        for (std::size_t i = 0; i < Brannoc::kImageSize; ++i) {
            image[i] = reply[i + 1];
        }
        m_sx1 = image[kImageSx1];
        m_sx2 = image[kImageSx2];
        m_sx3 = image[kImageSx3];
        m_writeButton.EnableWindow(TRUE);
        UpdateData(FALSE);
    } catch (const Pellix::OpenError&) {
        ShowError(IDS_NOT_CONNECTED);
    } catch (const Pellix::ReadError&) {
        ShowError(IDS_READ_ERROR);
    } catch (const Pellix::WriteError&) {
        ShowError(IDS_READ_ERROR);
    } catch (const Pellix::ConnectionError&) {
        ShowError(IDS_NOT_WORKING);
    }
}

void CTolvaneDlg::OnWrite() {
    const CWaitCursor wait;
    try {
        UpdateData(TRUE);
        auto& image = m_brannoc.Image();
        StoreAssignment(m_sx1, image[kImageSx1]);
        StoreAssignment(m_sx2, image[kImageSx2]);
        StoreAssignment(m_sx3, image[kImageSx3]);
        m_brannoc.Write();

        CString text;
        text.LoadString(IDS_WRITE_SUCCEEDED);
        MessageBox(text, _T("Tolvane"), MB_ICONINFORMATION);
    } catch (const CompatibilityError&) {
        ShowError(IDS_INCOMPATIBLE);
    } catch (const Pellix::OpenError&) {
        ShowError(IDS_NOT_CONNECTED);
    } catch (const Pellix::ReadError&) {
        ShowError(IDS_WRITE_ERROR);
    } catch (const Pellix::WriteError&) {
        ShowError(IDS_WRITE_ERROR);
    } catch (const Pellix::ConnectionError&) {
        ShowError(IDS_NOT_WORKING);
    }
}

void CTolvaneDlg::ShowError(UINT textId) {
    CString text;
    text.LoadString(textId);
    CString caption;
    caption.LoadString(IDS_ERROR);
    MessageBox(text, caption, MB_ICONSTOP);
}

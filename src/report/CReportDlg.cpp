// The "Zapisz jako..." dialog: where the report goes, in which format, with which comment.
#include "CReportDlg.h"

#include "CDataExchange.h"
#include "CFileDialog.h"
#include "DialogIds.h"
#include "LocaleDecimalSeparator.h"
#include "ReportWriter.h"
#include "Resources.h"
#include "SystemReportFile.h"

namespace zyfo {

namespace {
constexpr const char *kFilter = "Plik tekstowy (*.txt)|*.txt|Lista CSV (*.csv)|*.csv||";
constexpr const char *kChooserTitle = "Wybierz plik raportu";
constexpr int kTextFilter = 1;
constexpr int kCsvFilter = 2;

bool endsWith(const std::string &text, const char *ending)
{
    const std::string_view tail(ending);
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
} // namespace

CReportDlg::CReportDlg(CWnd *parent)
    : CDialog(reportDialogTemplate(), parent)
{}

void CReportDlg::DoDataExchange(CDataExchange *exchange)
{
    DDX_Control(exchange, IDC_REPORT_COMMENT, m_commentEdit);
    DDX_Control(exchange, IDC_REPORT_COMMENT_ON, m_commentBox);
    DDX_Control(exchange, IDC_REPORT_FORMAT, m_formatCombo);
    DDX_Control(exchange, IDC_REPORT_PATH, m_pathEdit);
}

const MessageMap *CReportDlg::GetMessageMap() const
{
    static const MessageMap map = {
        onNotify(BN_CLICKED, IDC_REPORT_CHOOSE, &CReportDlg::OnChooseFile),
        onNotify(CBN_SELCHANGE, IDC_REPORT_FORMAT, &CReportDlg::OnFormatChange),
        onNotify(EN_KILLFOCUS, IDC_REPORT_PATH, &CReportDlg::OnPathKillFocus),
    };
    return &map;
}

BOOL CReportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_formatCombo.AddString("Format tekstowy");
    m_formatCombo.AddString("Lista rozdzielana");
    m_formatCombo.SetCurSel(m_format != 0 ? 1 : 0);
    m_pathEdit.SetWindowText(m_path);
    return TRUE;
}

void CReportDlg::OnChooseFile()
{
    CFileDialog chooser(TRUE, "", "", OFN_OVERWRITEPROMPT, kFilter);
    chooser.m_ofn.lpstrTitle = kChooserTitle;
    chooser.m_ofn.nFilterIndex = m_format == 1 ? kCsvFilter : kTextFilter;
    chooser.m_ofn.lpstrDefExt = "csv";
    if (chooser.DoModal() != IDOK)
        return;
    std::string path = chooser.GetPathName();
    if (chooser.m_ofn.nFileExtension == 0)
        path += chooser.m_ofn.nFilterIndex == kCsvFilter ? ".csv" : ".txt";
    m_path = path;
    followExtension();
    m_pathEdit.SetWindowText(m_path);
}

void CReportDlg::followExtension()
{
    if (endsWith(m_path, "txt") || endsWith(m_path, "TXT")) {
        m_formatCombo.SetCurSel(0);
        m_format = 0;
    }
    if (endsWith(m_path, "csv") || endsWith(m_path, "CSV")) {
        m_formatCombo.SetCurSel(1);
        m_format = 1;
    }
}

void CReportDlg::OnFormatChange()
{
    m_format = m_formatCombo.GetCurSel() > 0 ? 1 : 0;
}

void CReportDlg::OnPathKillFocus()
{
    m_pathEdit.GetWindowText(m_path);
}

void CReportDlg::OnOK()
{
    // Enter in the path edit does not take the focus from it: the text the user sees is the
    // path written to, never one chosen before it was edited.
    m_pathEdit.GetWindowText(m_path);

    ReportOptions options;
    options.format = m_format == 1 ? ReportFormat::Delimited : ReportFormat::Text;
    options.decimalSeparator = localeDecimalSeparator();
    options.withComment = m_commentBox.GetCheck() != BST_UNCHECKED;
    if (options.withComment)
        m_commentEdit.GetWindowText(options.comment);

    const MeasurementFile empty;
    SystemReportFile file;
    const ReportResult result =
        ReportWriter(m_data != nullptr ? *m_data : empty, options).write(file, m_path, [this] {
            const int answer =
                MessageBox(std::string(kExistingFileQuestion), {}, MB_YESNO | MB_ICONQUESTION);
            return answer == IDYES ? ExistingFileAction::Append : ExistingFileAction::Replace;
        });
    switch (result.status) {
    case ReportStatus::Written:
        CDialog::OnOK();
        return;
    case ReportStatus::FileUnavailable:
        MessageBox(std::string(kFileUnavailableMessage), {}, MB_OK | MB_ICONEXCLAMATION);
        return;
    case ReportStatus::WriteFailed:
        MessageBox(std::string(kWriteFailedMessage) + "\r\n" + result.systemError, {},
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
}

} // namespace zyfo

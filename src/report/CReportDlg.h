// The "Zapisz jako..." dialog: where the report goes, in which format, with which comment.
#pragma once

#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CEdit.h"
#include "MeasurementFile.h"

#include <string>

namespace zyfo {

// Modal; every opening starts with an empty path, "Format tekstowy", no comment. OK writes the
// whole loaded file as a report and ends the dialog; when the file cannot be opened or written,
// the user is told and the dialog stays open for another choice.
class CReportDlg : public CDialog
{
public:
    explicit CReportDlg(CWnd *parent = nullptr);

    BOOL OnInitDialog() override;
    // Writes the report to the path in the path edit (asking whether to append to a file that
    // exists) and ends the dialog with IDOK once it is written.
    void OnOK() override;

    // The loaded data the report is made from; set by the opener before DoModal. Without it
    // (or with no rows) the report holds only the comment.
    const MeasurementFile *m_data = nullptr;

protected:
    void DoDataExchange(CDataExchange *exchange) override;
    const MessageMap *GetMessageMap() const override;

private:
    void OnChooseFile();
    void OnFormatChange();
    void OnPathKillFocus();
    // Selects the format that the path's last three characters name ("txt"/"TXT" or
    // "csv"/"CSV"); any other ending keeps the format.
    void followExtension();

    std::string m_path;
    int m_format = 0; // 0 "Format tekstowy", 1 "Lista rozdzielana"
    CEdit m_commentEdit;
    CButton m_commentBox;
    CComboBox m_formatCombo;
    CEdit m_pathEdit;
};

} // namespace zyfo

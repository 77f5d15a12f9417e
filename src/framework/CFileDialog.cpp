// The open-file (or save-file) dialog, through the scriptable seam.
#include "CFileDialog.h"

#include "CWinApp.h"
#include "CWnd.h"
#include "DialogScript.h"

#include <QFileDialog>
#include <QFileInfo>

#include <utility>
#include <vector>

namespace zyfo {

namespace {

using Filter = std::pair<std::string, std::string>; // caption, patterns

std::vector<Filter> parseFilter(const std::string &filter)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : filter) {
        if (c != '|') {
            part += c;
            continue;
        }
        parts.push_back(part);
        part.clear();
    }
    std::vector<Filter> filters;
    for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2)
        filters.emplace_back(parts[i], parts[i + 1]);
    return filters;
}

QString qtFilter(const Filter &filter)
{
    QString patterns = QString::fromStdString(filter.second).replace(';', ' ');
    QString caption = QString::fromStdString(filter.first);
    if (caption == patterns || caption.endsWith('(' + patterns + ')'))
        return caption;
    return caption + QStringLiteral(" (") + patterns + ')';
}

// The extension a pattern like "*.csv" stands for; empty for other patterns.
QString patternExtension(const std::string &patterns)
{
    QString pattern = QString::fromStdString(patterns).section(';', 0, 0);
    if (!pattern.startsWith(QStringLiteral("*.")))
        return {};
    QString extension = pattern.mid(2);
    return extension.contains('*') || extension.contains('?') ? QString() : extension;
}

// Offset of the extension's first character in `path`, 0 when its name has none.
int extensionOffset(const std::string &path)
{
    std::size_t name = path.find_last_of('/');
    name = name == std::string::npos ? 0 : name + 1;
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < name || dot + 1 >= path.size())
        return 0;
    return static_cast<int>(dot + 1);
}

} // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const std::string &defaultExtension,
                         const std::string &fileName, DWORD flags, const std::string &filter,
                         CWnd *parent)
    : m_open(openFileDialog != FALSE)
    , m_fileName(fileName)
    , m_filter(filter)
    , m_parent(parent)
{
    m_ofn.Flags = flags;
    m_ofn.lpstrDefExt = defaultExtension;
}

int CFileDialog::DoModal()
{
    if (!m_ofn.lpstrDefExt.empty() && m_ofn.lpstrDefExt.front() == '.')
        m_ofn.lpstrDefExt.erase(0, 1);
    int result = IDCANCEL;
    if (DialogScript *script = DialogScript::active()) {
        DialogRequest request;
        request.kind = DialogRequest::Kind::FileDialog;
        request.openDialog = m_open;
        request.title = m_ofn.lpstrTitle;
        request.fileName = m_fileName;
        request.filter = m_filter;
        request.defaultExtension = m_ofn.lpstrDefExt;
        request.filterIndex = m_ofn.nFilterIndex;
        request.flags = m_ofn.Flags;
        DialogScript::Answer answer = script->respond(std::move(request));
        result = answer.result;
        if (result == IDOK) {
            m_path = answer.path;
            m_ofn.nFilterIndex = answer.filterIndex;
        }
    } else {
        result = showDialog();
    }
    m_ofn.nFileExtension = result == IDOK ? extensionOffset(m_path) : 0;
    return result;
}

int CFileDialog::showDialog()
{
    CWnd *owner = m_parent != nullptr ? m_parent : AfxGetMainWnd();
    QFileDialog dialog(owner != nullptr ? owner->GetSafeHwnd() : nullptr);
    if (!m_ofn.lpstrTitle.empty())
        dialog.setWindowTitle(QString::fromStdString(m_ofn.lpstrTitle));
    dialog.setAcceptMode(m_open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_open && (m_ofn.Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                   : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(m_ofn.Flags & OFN_OVERWRITEPROMPT));
    std::vector<Filter> filters = parseFilter(m_filter);
    QStringList names;
    for (const Filter &filter : filters)
        names << qtFilter(filter);
    dialog.setNameFilters(names);
    if (m_ofn.nFilterIndex >= 1 && m_ofn.nFilterIndex <= names.size())
        dialog.selectNameFilter(names.at(m_ofn.nFilterIndex - 1));
    if (!m_fileName.empty())
        dialog.selectFile(QString::fromStdString(m_fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return IDCANCEL;
    int index = static_cast<int>(names.indexOf(dialog.selectedNameFilter()));
    m_ofn.nFilterIndex = index + 1;
    QString path = dialog.selectedFiles().constFirst();
    // As the platform's dialog does: a name without an extension takes the selected filter's
    // extension, or the default one.
    if (QFileInfo(path).suffix().isEmpty() && !m_ofn.lpstrDefExt.empty()) {
        QString extension = index >= 0 ? patternExtension(filters[index].second) : QString();
        path += '.' + (extension.isEmpty() ? QString::fromStdString(m_ofn.lpstrDefExt) : extension);
    }
    m_path = path.toStdString();
    return IDOK;
}

} // namespace zyfo

// The scriptable seam of common dialogs, message boxes and the help viewer: while a script is
// active, each of them takes the next queued answer instead of showing a window.
#include "DialogScript.h"

#include <stdexcept>

namespace zyfo {

namespace {

DialogScript *current = nullptr;

int refusal(const DialogRequest &request)
{
    if (request.kind != DialogRequest::Kind::MessageBox)
        return IDCANCEL;
    return (request.flags & 0x0F) == MB_YESNO ? IDNO : IDOK;
}

} // namespace

DialogScript::DialogScript()
{
    if (current != nullptr)
        throw std::logic_error("a dialog script is already active");
    current = this;
}

DialogScript::~DialogScript()
{
    current = nullptr;
}

DialogScript *DialogScript::active()
{
    return current;
}

void DialogScript::answerMessageBox(int result)
{
    Answer answer;
    answer.result = result;
    m_answers.push_back({DialogRequest::Kind::MessageBox, std::move(answer)});
}

void DialogScript::answerFileDialog(int result, std::string path, int filterIndex)
{
    Answer answer;
    answer.result = result;
    answer.path = std::move(path);
    answer.filterIndex = filterIndex;
    m_answers.push_back({DialogRequest::Kind::FileDialog, std::move(answer)});
}

void DialogScript::answerColorDialog(int result, COLORREF color)
{
    Answer answer;
    answer.result = result;
    answer.color = color;
    m_answers.push_back({DialogRequest::Kind::ColorDialog, std::move(answer)});
}

void DialogScript::answerPrintDialog(int result, std::unique_ptr<CDC> printer)
{
    Answer answer;
    answer.result = result;
    answer.printer = std::move(printer);
    m_answers.push_back({DialogRequest::Kind::PrintDialog, std::move(answer)});
}

DialogScript::Answer DialogScript::respond(DialogRequest request)
{
    Answer answer;
    if (request.kind == DialogRequest::Kind::Help) {
        m_requests.push_back(std::move(request));
        return answer;
    }
    if (m_answers.empty() || m_answers.front().kind != request.kind) {
        request.answered = false;
        answer.result = refusal(request);
        m_requests.push_back(std::move(request));
        return answer;
    }
    answer = std::move(m_answers.front().answer);
    m_answers.pop_front();
    m_requests.push_back(std::move(request));
    return answer;
}

} // namespace zyfo

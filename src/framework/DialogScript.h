// The scriptable seam of common dialogs, message boxes and the help viewer: while a script is
// active, each of them takes the next queued answer instead of showing a window.
#pragma once

#include "CDC.h"
#include "WinDefs.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace zyfo {

// What the program asked for. Which fields matter depends on the kind.
struct DialogRequest
{
    enum class Kind
    {
        MessageBox,  // text, caption, flags (MB_ type)
        FileDialog,  // openDialog, title, fileName, filter, defaultExtension, filterIndex, flags
        ColorDialog, // color (initial), flags (CC_)
        PrintDialog, // flags (PD_)
        Help         // helpData, helpCommand
    };

    Kind kind = Kind::MessageBox;
    std::string text;
    std::string caption;
    DWORD flags = 0;
    bool openDialog = false;
    std::string title;
    std::string fileName;
    std::string filter;
    std::string defaultExtension;
    int filterIndex = 0;
    COLORREF color = 0;
    DWORD helpData = 0;
    UINT helpCommand = 0;
    // False when no answer of this kind was queued: the request was refused (IDCANCEL; IDNO
    // or IDOK for a message box) and the queue left as it was.
    bool answered = true;
};

// One script at a time; requests are answered in the order the answers were queued. Help
// requests need no answer: they are only recorded.
class DialogScript
{
public:
    struct Answer
    {
        int result = IDCANCEL;
        std::string path;             // file dialog: the full path the platform dialog returned
        int filterIndex = 1;          // file dialog: the filter the user left selected (from 1)
        COLORREF color = 0;           // colour dialog
        std::unique_ptr<CDC> printer; // print dialog: the surface printing goes to
    };

    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript &) = delete;
    DialogScript &operator=(const DialogScript &) = delete;

    void answerMessageBox(int result);
    // `path` as the platform's dialog returns it: the framework still works out the
    // extension offset and keeps the filter index.
    void answerFileDialog(int result, std::string path = {}, int filterIndex = 1);
    void answerColorDialog(int result, COLORREF color = 0);
    // With IDOK, `printer` (a recording surface, or a PDF printer) receives the print job.
    void answerPrintDialog(int result, std::unique_ptr<CDC> printer = nullptr);

    const std::vector<DialogRequest> &requests() const { return m_requests; }
    std::size_t pendingAnswers() const { return m_answers.size(); }

    // The active script, or nullptr while dialogs are shown for real.
    static DialogScript *active();

    // For the framework's dialogs: records `request` and returns its answer.
    Answer respond(DialogRequest request);

private:
    struct Queued
    {
        DialogRequest::Kind kind;
        Answer answer;
    };

    std::deque<Queued> m_answers;
    std::vector<DialogRequest> m_requests;
};

} // namespace zyfo

// DialogDriver.h: runs a real modal dialog and drives it from inside its own loop,
// reading and answering the refusal boxes it shows.
#pragma once
#include "DialogInput.h"

#include <functional>
#include <string>
#include <vector>

// Fills the dialog's controls as the user would, before OK is pressed.
using DialogStep = std::function<void(HWND hDlg)>;

struct DialogRun
{
    INT_PTR nResult = -1;
    std::vector<std::string> refusals;  // the text of each "ERROR!" box, in order
};

// Each attempt fills the dialog and presses OK; a refusal box is read and
// answered. A dialog still open after the last attempt is cancelled.
DialogRun RunDialog(CDialog& dlg, std::vector<DialogStep> attempts);

// Runs an action that may show one refusal box, answering it; the box's text, or empty when none came.
std::string AnswerRefusal(const std::function<void()>& action);

// Runs an action that asks one "WARNING!" question, answering it with nAnswer; the question's text.
std::string AnswerQuestion(const std::function<void()>& action, int nAnswer);

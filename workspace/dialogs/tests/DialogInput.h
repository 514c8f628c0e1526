// DialogInput.h: a dialog's controls changed and read as the user changes and reads them.
#pragma once
#include "afxwin.h"

#include <string>
#include <vector>

// Typing into an edit, one character message at a time, after emptying it.
void TypeInto(HWND hDlg, int nID, const char* pszText);
// Choosing a combo box's item by its text, told to the dialog as a user's choice is.
void Choose(HWND hDlg, int nID, const char* pszText);
// Clicking a button or check box.
void Click(HWND hDlg, int nID);

// The texts of a combo box's list, in order.
std::vector<std::string> ListOf(HWND hDlg, int nID);
std::string TextOf(HWND hDlg, int nID);
bool IsEnabled(HWND hDlg, int nID);

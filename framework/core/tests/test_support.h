// Test helpers: a scratch folder for real files and checks of thrown framework exceptions.
#pragma once

#include "afx.h"

#include <functional>
#include <gtest/gtest.h>

// A new empty folder, removed with its files when the test ends.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    CString Path(LPCSTR lpszName) const;
    void WriteBytes(LPCSTR lpszName, const std::string& bytes) const;
    std::string ReadBytes(LPCSTR lpszName) const;

private:
    CString m_strPath;
};

// Runs the action and returns the exception of class T it threw, or NULL
// (with a test failure) when it threw nothing or something else. The caller
// deletes the result.
template <class T>
T* CaughtException(const std::function<void()>& action)
{
    try {
        action();
    } catch (T* e) {
        return e;
    } catch (CException* e) {
        ADD_FAILURE() << "threw " << e->GetRuntimeClass()->m_lpszClassName;
        e->Delete();
        return NULL;
    }
    ADD_FAILURE() << "threw nothing";
    return NULL;
}

// The cause of the file or archive exception thrown by the action, -1 when none.
template <class T>
int ThrownCause(const std::function<void()>& action)
{
    T* e = CaughtException<T>(action);
    if (e == NULL)
        return -1;
    int cause = e->m_cause;
    e->Delete();
    return cause;
}

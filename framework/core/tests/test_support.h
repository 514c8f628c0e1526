// Test helpers: a scratch folder for real files and checks of thrown framework exceptions.
#pragma once

#include "afx.h"

#include "TestFolder.h"

#include <functional>
#include <gtest/gtest.h>

// A new empty folder, removed with its files when the test ends; paths as the framework takes them.
class TempFolder
{
public:
    CString Path(LPCSTR lpszName) const { return m_folder.Path(lpszName).c_str(); }
    void WriteBytes(LPCSTR lpszName, const std::string& bytes) const { m_folder.Write(lpszName, bytes); }
    std::string ReadBytes(LPCSTR lpszName) const { return m_folder.Read(lpszName); }

private:
    CTestFolder m_folder{"kfwcore"};
};

// Runs the action and returns the exception of class T it threw, or NULL
// (with a test failure) when it threw nothing or something else. The caller
// deletes the result.
template <class T>
T* CaughtException(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (T* e)
    {
        return e;
    }
    catch (CException* e)
    {
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

// An OLE server of the tests, registered in the process while a test runs:
// its objects list the verbs they were given and record the verbs run.
//
// Classes: CTestOleServer.
#pragma once

#include <ole2.h>

#include <string>
#include <vector>

class CTestOleServer
{
public:
    // The class the server answers for while it is registered.
    static const CLSID kClsid;

    // Verbs 0, 1, ... with these menu names; the short type names the object.
    CTestOleServer(std::vector<std::wstring> verbs, std::wstring strShortType);
    ~CTestOleServer();
    CTestOleServer(const CTestOleServer&) = delete;
    CTestOleServer& operator=(const CTestOleServer&) = delete;

    BOOL IsRegistered() const { return m_dwRegister != 0; }
    // The verbs the server's objects ran, in order.
    const std::vector<LONG>& GetVerbsRun() const { return m_verbsRun; }
    // The objects the server made that are still alive.
    int GetLiveObjects() const { return m_nLiveObjects; }

private:
    class CFactory;
    class CObject;
    friend class CFactory;
    friend class CObject;

    std::vector<std::wstring> m_verbs;
    std::wstring m_strShortType;
    std::vector<LONG> m_verbsRun;
    int m_nLiveObjects = 0;
    CFactory* m_pFactory;
    DWORD m_dwRegister = 0;
    BOOL m_bOleStarted = FALSE;
};

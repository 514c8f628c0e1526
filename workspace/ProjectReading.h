// ProjectReading.h: a project file read on a thread of its own from the moment it is named, so that
// start-up reads the command line's project while the frame is made.
//
// Classes: CProjectReading.
#pragma once
#include "afxwin.h"

#include "LongWork.h"
#include "model/ProtocolRecords.h"

#include <cstdint>
#include <memory>
#include <string>

class CProjectReading
{
public:
    // What the read gives; shared with its thread, which Esc may leave behind.
    struct Result
    {
        std::string path;
        CString strRecovered;  // what putting right a run of the writer cut off in the folder told, if anything
        std::unique_ptr<ProjectRecord> pProject = std::make_unique<ProjectRecord>();
        CString strMessage;
        CString strReason;
        DWORD nOpenError = ERROR_SUCCESS;  // why the file would not open once its folder was put right
        bool bGone = false;                // not there, in a folder or on a drive that is
        bool bRead = false;
        std::uint64_t digest = 0;
    };

    // The path is made full at once: the current folder moves with every file dialog, and the project
    // is saved to this file and generated into its folder long after.
    explicit CProjectReading(LPCTSTR pszPath);

    const CString& Path() const { return m_strPath; }
    CBackgroundWork& Work() { return *m_pWork; }
    // Whole once the work has ended.
    Result& Read() { return *m_pResult; }

private:
    CString m_strPath;
    std::shared_ptr<Result> m_pResult = std::make_shared<Result>();
    std::unique_ptr<CBackgroundWork> m_pWork;
};

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
#include <optional>
#include <string>
#include <vector>

// What putting right a run of the writer cut off in a folder told, before a design there is read or made.
struct FolderRecovery
{
    // A run not put right yet may hold a design aside, not at its name meanwhile.
    enum class Pending
    {
        None,
        Blocked,   // cut off, and cannot be put right yet
        InTheWay,  // a file at the record's name is no record of ours, or cannot be read as one: no run goes there
        NoMemory,  // the folder could not be looked at for want of memory
        Anothers,  // another program's, going on
    };
    CString strTold;  // empty when there is nothing to tell
    Pending pending = Pending::None;
    CString strRecord;  // the folder's record: named where a file of its name is in the way
    // The files the run names, where its record was read whole; otherwise any file may be one it holds aside.
    std::optional<std::vector<CString>> names;
    bool onlyRecord = false;   // blocked only by a record that could not go: the run itself was put right whole
    bool unwritable = false;   // blocked as the folder cannot be written
    bool recordGoing = false;  // blocked only by a record pending deletion, which goes once its holder lets it go
    // Until when a design there cannot be read or made, " until ..." or " while ..."; empty when nothing waits.
    CString Until() const;
    // What a save waits for before it writes, as "waits until ..., then "; empty where nothing is pending.
    CString WaitsThen() const;
    // strWrite, what a save does, as the end of a sentence: ": " and it where nothing is pending, else first what
    // the save waits for.
    CString ThenWrites(const CString& strWrite) const;
    // Whether the file may be waiting on what is pending: a run whose record names other files alone holds it
    // nowhere.
    bool MayHold(const CString& strPath) const;
};

// A design whose save was cut off may wait aside until then. Each later write puts right its own.
FolderRecovery RecoverFolder(const CString& strFolder);
// Whether a file the system could not open (nError) is not there, rather than held or on a drive away now.
bool IsGone(const CString& strPath, DWORD nError);

class CProjectReading
{
public:
    // What the read gives; shared with its thread, which Esc may leave behind.
    struct Result
    {
        std::string path;
        FolderRecovery recovery;
        std::unique_ptr<ProjectRecord> pProject = std::make_unique<ProjectRecord>();
        CString strMessage;
        CString strReason;
        DWORD nOpenError = ERROR_SUCCESS;  // why the file would not open once its folder was put right
        bool bGone = false;                // not there, in a folder or on a drive that is, nor set aside by a run
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

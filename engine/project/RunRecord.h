// RunRecord.h: the file in which a run that replaces a group of files says what it is about to do, so that a
// run cut off is finished or undone from its own record and the bytes of the files it names.
//
// Classes: RunProofs, RecordedFile, RunContents, CRunRecord.
//
// The run appends and flushes each line before the step it announces; a file's size and a sum of its bytes
// prove it the run's, and a file of no bytes at a name the run announced holds nothing to lose:
//
//   line                  announces that the run                     proves the run's
//   old NAME              makes NAME.tmp, and NAME.tmo empty          either, while empty; NAME was there
//   new NAME              makes NAME.tmp, and NAME empty              either, while empty
//   wrote SIZE SUM NAME   writes NAME.tmp up to SIZE bytes            a NAME.tmp of that size and sum
//   aside SIZE SUM NAME   moves NAME, of that size and sum, over      a NAME.tmo of that size and sum
//                         NAME.tmo
//   in NAME               moves NAME.tmp over NAME                    a NAME of the last size and sum written
//   placed                has every file in: the one commit point
//
// A run that follows a finished one whose old file another program still held goes on in its record, its
// first line after "placed": the files of the finished run stay in mind, for their old files to go once the
// run after them is put right, each but at a name a later run announced, whose proofs alone count. It first
// starts the record anew with the finished files still to go alone: a whole new record is added at the end,
// then written over the start, and the rest cut away; until it is cut, the last whole record in the file is
// the one read.
//
// Recovery writes nothing to the record: it decides each file by what the record proves of the bytes there,
// so that running it twice does what running it once does (RunRepair.h). A designer's record before these
// lines, said after each step or, earlier still, before the steps with no proofs at all, is translated as
// it is read: a temporary or set-aside it names is the run's by its line alone to be moved back or in, whatever
// its bytes, but removed only while empty, as a file the user put there since may not be told from the run's; a
// file at its own name is the run's only while empty.
#pragma once

#include "DiskState.h"
#include "RunFiles.h"

#include <afx.h>

#include <cstdio>
#include <vector>

// What a line of the record announces.
enum class RunStep
{
    Old,
    New,
    Wrote,
    Aside,
    In,
    Placed,
};

// The contents the record proves the run's at one name: a file of no bytes always is.
struct RunProofs
{
    std::vector<ContentProof> contents;
    // Any file there, as an earlier designer's record proves by its line alone: enough to move it back or in,
    // where it loses nothing, never to remove it.
    bool any = false;

    bool Prove(const ContentProof& proof);
};

// What the record proves of one file of its run.
struct RecordedFile
{
    explicit RecordedFile(const CString& path);

    CString path;
    CString temporary;       // path.tmp
    CString setAside;        // path.tmo
    bool announced = false;  // the record names it: a file a run lists before its first line is not yet the run's
    bool existed = false;    // an old file stood at path: the name reserved empty is setAside, else path itself
    bool reserved = true;    // that name was made empty by the run: empty there, it is the run's to remove
    bool aside = false;      // the old file was announced going over setAside
    bool in = false;         // the temporary was announced going over path
    bool proven = true;      // the record proves the new file by its bytes: an earlier designer's never does
    RunProofs temporaryProofs;
    RunProofs oldProofs;  // of setAside, once aside
    RunProofs newProofs;  // of path, once in
};

// What a record says of its run.
struct RunContents
{
    std::vector<RecordedFile> files;
    bool placed = false;
    // The run's own last move found the name it had seen free taken: what stands there is another program's.
    bool taken = false;
    std::vector<RecordedFile> finished;  // of runs placed before it in the same record: their old files go
    bool damaged = false;                // a line's bytes did not match its check: nothing after it is known
    // Files that lines past the damaged one, each line's own check holding, announce made new: they may stand at
    // their names, the run's or not.
    std::vector<CString> madePastDamage;

    // Takes in one step, as the record tells it; false when it cannot follow the steps before it.
    bool Take(RunStep step, const CString& path, const ContentProof& proof = ContentProof());
};

// A record on disk, held open so that no other program runs or recovers in its folder meanwhile.
class CRunRecord
{
public:
    enum class Opened
    {
        Held,
        Busy,    // another program holds it as a run does, sharing nothing: one that lets it be read fails
        Absent,  // nothing of that name: no run was cut off there
        Failed,  // the system's error is set
    };

    CRunRecord() = default;
    ~CRunRecord();
    CRunRecord(const CRunRecord&) = delete;
    CRunRecord& operator=(const CRunRecord&) = delete;

    // Makes a new record at path; Busy when another program's run holds the name, Failed when the
    // name is taken otherwise, with the system's error set.
    Opened Create(const CString& path);
    // Holds an existing record to read it, and to add to it where the folder can be written.
    Opened Open(const CString& path);
    // False when the record is not one of ours.
    bool Read(RunContents* contents);
    bool IsHeld() const { return m_file != nullptr; }
    // Held, read in a form with proofs and open for writing: a run can go on in it.
    bool CanGoOn() const { return m_file && m_writable && m_current; }
    // Starts the record anew with only the files of finished runs whose old files are still to go, each proven
    // as before, for the next run to go on in it: it does not grow with every run while another program holds
    // one. A kill at any point leaves either the record as it was or the new one; false, with the record as it
    // was, when a step fails.
    bool StartAnew(const std::vector<RecordedFile>& kept);

    // Announces the step: contents takes it and the record has it on the disk before the step is taken.
    // False, with the record as it was, when it could not be written: the step must not be taken.
    bool Note(RunStep step, const CString& path, RunContents* contents, const ContentProof& proof = ContentProof());
    // The run is over: the record goes. False when it could not be removed, *stays telling whether the system
    // took the removal while the name stayed.
    bool Remove(bool* stays = nullptr);

private:
    bool Append(const char* text);
    void Close();

    CString m_path;
    std::FILE* m_file = nullptr;
    long m_end = 0;           // the end of the record's last whole line
    bool m_writable = false;  // opened for writing too
    bool m_current = false;   // read in a form with proofs, which the next run starts anew in this one
    bool m_older = false;     // read in the form before, whose lines carried no check of their own
};

// AtomicFile.cpp: write-beside-then-rename replacement of a file.
#include "AtomicFile.h"

#include "DiskSteps.h"
#include "FileFlush.h"
#include "DiskState.h"
#include "RunRecord.h"
#include "RunRepair.h"
#include "SystemError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

CString SystemError(const char* what, const char* path)
{
    return CString(what) + " " + path + ": " + LastSystemErrorText();
}

// Clears the error the system set last, so that a write which stops short without
// setting one can be told from one that failed with its own reason.
void ClearSystemError()
{
    errno = 0;
#ifdef _WIN32
    SetLastError(ERROR_SUCCESS);
#endif
}

// The system's words for a failed write, with a full disk said plainly. A write
// that comes back short with no system error is what a full disk gives on Wine;
// its C library then sets EINVAL for the missing error, which is no reason.
CString WriteFailureText()
{
#ifdef _WIN32
    const DWORD code = GetLastError();
    const bool full =
        code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL || code == ERROR_SUCCESS || errno == ENOSPC;
#else
    const bool full = errno == ENOSPC || errno == 0;
#endif
    return full ? CString("the disk is full") : LastSystemErrorText();
}

// What the run's record is told of a temporary as it is written: each length it is about to reach, and the
// sum of its bytes up to there, so that a temporary a kill cut off is still proven the run's.
struct Announcing
{
    CRunRecord& record;
    RunContents& run;
    const CString& path;
};

// Gathers small pieces into one block and writes big ones through, each announced first; after the
// first failure it writes nothing more and keeps why it failed.
class BlockWriter
{
public:
    // The block grows with what it gathers: small contents need no more.
    BlockWriter(std::FILE* file, const Announcing& announcing) : m_file(file), m_announcing(announcing) {}

    void Write(const void* data, std::size_t size)
    {
        if (m_block.size() + size > kPieceBlockSize)
            Flush();
        if (size >= kPieceBlockSize)
            return Put(data, size);
        m_block.append(static_cast<const char*>(data), size);
    }
    // False, with Failure() set, when a block could not be written.
    bool Finish()
    {
        Flush();
        return m_failure.IsEmpty();
    }
    const CString& Failure() const { return m_failure; }

private:
    void Flush()
    {
        Put(m_block.data(), m_block.size());
        m_block.clear();
    }
    // Each block is announced before it goes, none longer than a piece block nor than all written before it,
    // so that the bytes of a temporary cut off in one that no proof covers are never more than those proven: a
    // user's file at its name is told from it.
    void Put(const void* data, std::size_t size)
    {
        const char* bytes = static_cast<const char*>(data);
        while (size > 0 && m_failure.IsEmpty())
        {
            const std::uint64_t written = m_sum.Proof().size;
            const std::size_t next = written < kPieceBlockSize
                                         ? static_cast<std::size_t>(std::max<std::uint64_t>(written, 1))
                                         : kPieceBlockSize;
            const std::size_t block = std::min(size, next);
            PutBlock(bytes, block);
            bytes += block;
            size -= block;
        }
    }
    void PutBlock(const void* data, std::size_t size)
    {
        CContentSum written = m_sum;
        m_sum.Add(data, size);
        if (!Announce(m_sum))
        {
            m_failure = SystemError("cannot write", RecordPathOf(m_announcing.path));
            return;
        }
        ClearSystemError();
        const std::size_t put = DiskSteps().Write(m_file, data, size);
        if (put == size)
            return;
        m_failure = WriteFailureText();
        // What did go in is the run's too, for its own undo to take away; the system's error stays told.
        written.Add(data, put);
        const unsigned long code = LastSystemError();
        Announce(written);
        RestoreSystemError(code);
    }
    bool Announce(const CContentSum& sum)
    {
        return m_announcing.record.Note(RunStep::Wrote, m_announcing.path, &m_announcing.run, sum.Proof());
    }

    std::FILE* m_file;
    const Announcing& m_announcing;
    CContentSum m_sum;    // of what was given so far
    std::string m_block;  // pieces not written yet
    CString m_failure;    // why a write failed; empty while none did
};

// False, with why, when the contents could not all be written to the open file;
// *made is false when the source itself failed.
bool WriteContents(std::FILE* file, const Announcing& announcing, const ContentsSource& produce, bool* made,
                   CString* why)
{
    try
    {
        BlockWriter writer(file, announcing);
        *made = produce([&writer](const void* data, std::size_t size) { writer.Write(data, size); }, why);
        if (!*made)
            return false;
        if (writer.Finish())
            return true;
        *why = writer.Failure();
    }
    catch (const std::bad_alloc&)
    {
        *why = "not enough memory";
    }
    return false;
}

// "cannot write <path> while replacing it: <why>": the user's own file is named, never the temporary.
CString WriteError(const char* path, const CString& why)
{
    return CString("cannot write ") + path + " while replacing it: " + why;
}

// Writes the new contents of path to its open temporary file and puts them on the disk.
bool WriteInPieces(const Announcing& announcing, std::FILE* file, const ContentsSource& produce, CString* error)
{
    const char* path = announcing.path;
    // Blocks go straight to the system: the library's own buffer would copy each once more.
    std::setvbuf(file, nullptr, _IONBF, 0);
    CString why;
    bool made = true;
    if (!WriteContents(file, announcing, produce, &made, &why))
    {
        *error = made ? WriteError(path, why) : why;
        return false;
    }
    ClearSystemError();
    if (FlushToDisk(file))
        return true;
    *error = WriteError(path, WriteFailureText());
    return false;
}

// The ANSI file functions refuse a longer path, and the C library may create
// a file that they then cannot rename or remove: nothing is begun.
bool FitsPathLimit(const char* path, const char* temporary, CString* error)
{
#ifdef _WIN32
    if (std::strlen(temporary) < MAX_PATH)
        return true;
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    *error = WriteError(path, LastSystemErrorText());
    return false;
#else
    (void)path;
    (void)temporary;
    (void)error;
    return true;
#endif
}

// A read-only file is refused here, as Windows would refuse the move over it, with the error it would give.
bool IsReadOnly(const char* path)
{
    if (!IsReadOnlyFile(path))
        return false;
    RestoreSystemError(AccessDeniedError());
    return true;
}

// "cannot replace <path>: <why>".
CString ReplaceError(const char* path, const CString& why) { return CString("cannot replace ") + path + ": " + why; }

CString RecordError(const char* path) { return WriteError(path, SystemError("cannot write", RecordPathOf(path))); }

CString AlreadyExistsError(const char* path) { return CString("the file ") + path + " already exists!"; }

// replacing: the file existed before the run; else it is one the run makes.
CString WroteMeanwhileText(const char* path, bool replacing)
{
    return CString("another program wrote ") + path +
           (replacing ? " as it was being replaced" : " as it was being written");
}

// One file of a group on its way in. Each step it takes on the disk is told to the run's record as soon
// as it is taken, and so to the run's own contents, from which a failure is undone as a recovery would.
class CPlacing
{
public:
    explicit CPlacing(RecordedFile& file, const NewFileContents& contents) : m_file(file), m_contents(contents) {}

    // A name the run would write is never one a user holds: it is refused, and the user told what to move.
    // An old file a finished run left there goes once another program lets go of it, or once it can be
    // removed: waiting says which kept it.
    bool CheckNames(const RunContents& run, const std::vector<RunBlocker>& waiting, CString* error) const
    {
        const char* path = m_file.path;
        if (m_contents.onlyNew && m_file.existed)
        {
            *error = AlreadyExistsError(path);
            return false;
        }
        if (IsReadOnly(path))
        {
            *error = ReplaceError(path, LastSystemErrorText());
            return false;
        }
        if (!FitsPathLimit(path, m_file.temporary, error))
            return false;
        const bool asideTaken = m_file.existed && Exists(m_file.setAside);
        if (!Exists(m_file.temporary) && !asideTaken)
            return true;
        if (asideTaken && IsLeftByAFinishedRun(run))
            *error = ReplaceError(path, LeftByAFinishedRunText(waiting));
        else
            *error = ReplaceError(path, (asideTaken ? m_file.setAside : m_file.temporary) +
                                            " is in the way; moving it elsewhere lets the files be written");
        return false;
    }
    // Announces its temporary and the name it reserves for its old file (for a file not there before, its
    // own name), makes each, refusing a name taken since, and writes the new contents.
    bool WriteTemporary(CRunRecord& record, RunContents& run, CString* error)
    {
        const char* path = m_file.path;
        if (!record.Note(m_file.existed ? RunStep::Old : RunStep::New, m_file.path, &run))
        {
            *error = RecordError(path);
            return false;
        }
        std::unique_ptr<std::FILE, FileCloser> file(DiskSteps().CreateNew(m_file.temporary));
        if (!file)
        {
            // The temporary is named here alone: whatever holds its place is what the user must move.
            *error = WriteError(path, SystemError("cannot create", m_file.temporary));
            return false;
        }
        const char* reserved = m_file.existed ? m_file.setAside : m_file.path;
        std::unique_ptr<std::FILE, FileCloser> reservation(DiskSteps().CreateNew(reserved));
        const bool made = reservation != nullptr;
        if (!made || std::fclose(reservation.release()) != 0)
        {
            *error = WriteError(path, SystemError("cannot create", reserved));
            if (!made)
                NotReserved();
            // A new file's own name is its reservation: one made there meanwhile is another program's.
            if (!made && m_contents.onlyNew && Exists(reserved))
                *error = AlreadyExistsError(path);
            return false;
        }
        if (!WriteInPieces({record, run, m_file.path}, file.get(), m_contents.produce, error))
            return false;
        if (std::fclose(file.release()) == 0)
            return true;
        *error = WriteError(path, LastSystemErrorText());
        return false;
    }
    // The old file over its reserved set-aside, announced with the proof of its bytes, then the new one
    // over the file; a new file's name that no longer holds its empty reservation is refused.
    bool PutInPlace(CRunRecord& record, RunContents& run, CString* error)
    {
        if (!m_file.existed && !StillReserved())
        {
            NotReserved();
            *error = m_contents.onlyNew ? AlreadyExistsError(m_file.path)
                                        : ReplaceError(m_file.path, WroteMeanwhileText(m_file.path, false));
            return false;
        }
        if (m_file.existed)
        {
            ContentProof old;
            if (!ProofOf(m_file.path, &old))
            {
                *error = ReplaceError(m_file.path, LastSystemErrorText());
                return false;
            }
            if (!Move(m_file.path, m_file.setAside, RunStep::Aside, old, record, run, error))
                return false;
        }
        // Set aside, the file's name is free: one there now is another program's, kept. A new file's name is
        // its own empty reservation.
        return Move(m_file.temporary, m_file.path, RunStep::In, ContentProof(), record, run, error, !m_file.existed);
    }

private:
    // The name the run would reserve holds another program's file: the run's undo leaves it as it is.
    void NotReserved() { m_file.reserved = false; }
    // A new file's name still holds the empty reservation, or nothing: a file another program wrote over it
    // meanwhile is never replaced.
    bool StillReserved() const
    {
        const Seen at = SeenAt(m_file.path);
        return at.kind == Seen::Kind::Absent || (at.kind == Seen::Kind::File && at.proof.size == 0);
    }
    // Each old file by what keeps it.
    CString LeftByAFinishedRunText(const std::vector<RunBlocker>& waiting) const
    {
        const CString& path = m_file.setAside;
        const auto own = std::find_if(waiting.begin(), waiting.end(),
                                      [&path](const RunBlocker& blocker) { return SamePath(blocker.path, path); });
        const RunBlocker blocker = own == waiting.end() ? RunBlocker() : *own;
        if (blocker.held)
            return "another program holds " + path +
                   ", the old file of an earlier run; closing that program lets it go";
        const CString old = path + ", the old file of an earlier run, ";
        if (blocker.stays)
            return old + "stays where it was removed: the folder cannot be written";
        return old + "cannot be removed (" + SystemErrorText(blocker.code) + ")";
    }
    bool IsLeftByAFinishedRun(const RunContents& run) const
    {
        for (const RecordedFile& file : run.finished)
            if (SamePath(file.setAside, m_file.setAside))
                return true;
        return false;
    }
    bool Move(const char* from, const char* to, RunStep step, const ContentProof& proof, CRunRecord& record,
              RunContents& run, CString* error, bool replacing = true) const
    {
        if (!record.Note(step, m_file.path, &run, proof))
        {
            *error = RecordError(m_file.path);
            return false;
        }
        CString why;
        if (replacing ? MovedOver(from, to, &why) : MovedIn(from, to, &why))
            return true;
        if (!replacing && NameTaken())
        {
            run.taken = true;
            why = WroteMeanwhileText(to, true);
        }
        *error = ReplaceError(m_file.path, why);
        return false;
    }

    RecordedFile& m_file;
    const NewFileContents& m_contents;
};

// Another program's run in the folder is most often a neighbour's save, over in a moment: it is waited
// for, a pause at a time, for about two seconds. A run cut off before, or while this one waited, is put
// right first, so that its record is no longer in the way; blocker names what kept one from it.
const int kPausesForAnotherRun = 40;

// Each part after the last, "; " between them.
void AddTold(CString* told, const CString& part)
{
    if (!told->IsEmpty() && !part.IsEmpty())
        *told += "; ";
    *told += part;
}

// The files of a recovery that told anything join names; where its record was not read whole, or there is not the
// memory to note them, any file may be one.
void AddToldNames(RunNames* names, const RunRecovery& recovery)
{
    if (!*names)
        return;
    if (!recovery.named)
    {
        names->reset();
        return;
    }
    try
    {
        (*names)->insert((*names)->end(), recovery.names.begin(), recovery.names.end());
    }
    catch (const std::bad_alloc&)
    {
        names->reset();
    }
}

// The record is read once, and held from its recovery to the run's own lines: a run goes on in it while only
// old files of placed runs are left, which another program holds. What each recovery did is added to told
// before the record is made, whether it then can be or not; what keeps a run from being put right is left to
// the error.
CRunRecord::Opened MakeRecord(CRunRecord& record, const CString& at, RunRecovery* recovery, CString* told,
                              RunNames* names)
{
    for (int pauses = 0;; pauses++)
    {
        *recovery = RecoverRunAt(at, record);
        const CString said = recovery->record != RecordLeft::Blocked ? RecoveryText(at, *recovery) : CString();
        AddTold(told, said);
        if (!said.IsEmpty())
            AddToldNames(names, *recovery);
        CRunRecord::Opened opened = CRunRecord::Opened::Busy;
        switch (recovery->record)
        {
        case RecordLeft::GoesOn:
            return CRunRecord::Opened::Held;
        case RecordLeft::Blocked:
            return CRunRecord::Opened::Failed;
        case RecordLeft::None:
        case RecordLeft::Removed:
            opened = record.Create(at);
            break;
        case RecordLeft::Anothers:
            break;
        }
        if (opened != CRunRecord::Opened::Busy || pauses == kPausesForAnotherRun)
            return opened;
        DiskSteps().Pause();
    }
}

// The run's record, made before anything is written: only what it names is ever moved or removed by a
// recovery, and while it is held no other program runs in the folder. Going on in a finished run's record,
// the run keeps its old files still to go in mind, and starts the record anew with them alone. What the
// recovery did and left is told as an opening tells it: the user may never open the folder again.
bool BeginRecord(CRunRecord& record, const char* path, RunContents& run, std::vector<RunBlocker>* waiting,
                 CString* error, CString* told, RunNames* names)
{
    const CString at = RecordPathOf(path);
    RunRecovery recovery;
    switch (MakeRecord(record, at, &recovery, told, names))
    {
    case CRunRecord::Opened::Held:
        if (recovery.record != RecordLeft::GoesOn)
            return true;
        run.finished = recovery.waiting;
        *waiting = recovery.waitingWhy;
        if (record.StartAnew(run.finished))
            return true;
        *error = RecordError(path);
        return false;
    case CRunRecord::Opened::Busy:
        *error = ReplaceError(path, "another program is saving files in this folder; try again when it is done");
        return false;
    default:
        break;
    }
    // Read before the system is asked anything else: its answer would take the error's place.
    const CString why = LastSystemErrorText();
    // What the recovery found there says why the record could not be made; else the system's own reason. A
    // finished run that no later run could go on from holds the folder as a run cut off does.
    if (recovery.foreign || !recovery.blocker.path.IsEmpty())
        *error = ReplaceError(path, RecoveryText(at, recovery));
    else
        *error = WriteError(path, "cannot create " + at + ": " + why);
    return false;
}

bool PlaceAll(std::vector<CPlacing>& placings, CRunRecord& record, RunContents& run,
              const std::vector<RunBlocker>& waiting, CString* error)
{
    for (const CPlacing& placing : placings)
        if (!placing.CheckNames(run, waiting, error))
            return false;
    for (CPlacing& placing : placings)
        if (!placing.WriteTemporary(record, run, error))
            return false;
    for (CPlacing& placing : placings)
        if (!placing.PutInPlace(record, run, error))
            return false;
    // The one point after which the run is finished rather than undone.
    if (record.Note(RunStep::Placed, CString(), &run))
        return true;
    *error = RecordError(run.files.front().path);
    return false;
}

// A file of the run went in: its new contents may stand at its name until a recovery puts it back.
bool AnyWentIn(const RunContents& run)
{
    return std::any_of(run.files.begin(), run.files.end(), [](const RecordedFile& file) { return file.in; });
}

// Finishes the run once placed, else undoes it, as a recovery would; while a file cannot be put right, the
// record stays for the next recovery. What the settling found and did.
RunRecovery PutRight(CRunRecord& record, const RunContents& run, CString* error)
{
    RunRecovery outcome;
    bool settled = false;
    try
    {
        const bool whole = FinishOrUndo(run, error, &outcome);
        settled = true;
        if (whole)
            record.Remove();
    }
    catch (const std::bad_alloc&)
    {
        // Every step is announced in the record: the next recovery finishes what was left. Till then a file
        // that went in may keep the run's new contents, and "nothing was written" may not be said.
        if (!settled)
            outcome.leftNew = outcome.leftNew || AnyWentIn(run);
    }
    return outcome;
}

// A file the placed run left at an old file's set-aside name, its bytes not the old file's: that file changed
// between the run's proof of it and its move aside, as where the user's editor saved it meanwhile.
CString LeftOfTheRunText(const RunContents& run, const CString& left)
{
    for (const RecordedFile& file : run.files)
        if (file.setAside == left)
            return file.path + " changed as it was being replaced: what it held then is kept in " + left +
                   ", left as it is";
    return left + ", changed since, is not the run's and was left as it is";
}

// A placed run settled: a file at its names that is not its own stays, and is named, so that the user keeps
// it rather than moving it away as a leftover of the run.
void Finish(CRunRecord& record, const RunContents& run, CString* told)
{
    const RunRecovery outcome = PutRight(record, run, nullptr);
    try
    {
        for (const CString& left : outcome.left)
            AddTold(told, LeftOfTheRunText(run, left));
    }
    catch (const std::bad_alloc&)
    {
        // The files are in all the same: a run that did its work is not called failed for its words.
    }
}

bool ReplaceAll(const std::vector<NewFileContents>& files, CString* error, CString* told, RunNames* names,
                bool* leftNew)
{
    CRunRecord record;
    RunContents run;
    std::vector<RunBlocker> waiting;  // what kept each old file of a finished run from going
    // Until the run begins, a record held is one a recovery kept: it stays for the next recovery. The run's own
    // is made once nothing more is asked of the memory before it begins.
    bool begun = false;
    try
    {
        // A run cut off in the folder is put right first, and another program's run is waited for.
        if (!BeginRecord(record, files.front().path, run, &waiting, error, told, names))
            return false;
        begun = true;
        // Listed before any file is touched; each is the run's only once the record announces it.
        run.files.reserve(files.size());
        for (const NewFileContents& file : files)
            run.files.emplace_back(file.path).existed = Exists(file.path);
        std::vector<CPlacing> placings;
        placings.reserve(files.size());
        for (std::size_t i = 0; i < files.size(); i++)
            placings.emplace_back(run.files[i], files[i]);
        if (PlaceAll(placings, record, run, waiting, error))
        {
            // An old file another program holds stays named in the record, for the next run to remove.
            Finish(record, run, told);
            return true;
        }
    }
    catch (const std::bad_alloc&)
    {
        *error = "not enough memory";
    }
    if (begun)
        *leftNew = PutRight(record, run, error).leftNew;
    return false;
}

}  // namespace

bool ReplaceFilesTogether(const std::vector<NewFileContents>& files, CString* error, CString* told, bool* leftNew,
                          RunNames* toldNames)
{
    CString said;
    RunNames named(std::in_place);
    bool left = false;
    const bool replaced = files.empty() || ReplaceAll(files, error, &said, &named, &left);
    if (told)
        *told = said;
    if (toldNames)
        *toldNames = std::move(named);
    if (leftNew)
        *leftNew = left;
    return replaced;
}

bool ReplaceFileInPieces(const char* path, const ContentsSource& produce, CString* error, CString* told)
{
    return ReplaceFilesTogether({{path, produce}}, error, told);
}

ContentsSource ContentsOf(const char* data, std::size_t size)
{
    return [data, size](const PieceWriter& write, CString*)
    {
        write(data, size);
        return true;
    };
}

bool ReplaceFileContents(const char* path, const char* data, std::size_t size, CString* error, CString* told)
{
    return ReplaceFileInPieces(path, ContentsOf(data, size), error, told);
}

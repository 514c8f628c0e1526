// DiskState.h: what the disk holds at a path, as the atomic writer and its recovery ask it.
#pragma once

#include <afx.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// A file's size and a sum of its bytes: the record of a run proves a file the run's by them.
struct ContentProof
{
    std::uint64_t size = 0;
    std::uint64_t sum = 0;

    bool operator==(const ContentProof& other) const { return size == other.size && sum == other.sum; }
};

// Sums bytes as they go by, eight at a time, the same however they are cut into pieces.
class CContentSum
{
public:
    void Add(const void* data, std::size_t size);
    ContentProof Proof() const;

private:
    std::uint64_t m_size = 0;
    std::uint64_t m_sum = 14695981039346656037ull;
    unsigned char m_pending[8] = {};  // the bytes of a word not yet whole
    std::size_t m_pendingSize = 0;
};

// The most bytes a run writes to a temporary past one proof before it announces the next: bytes no proof covers
// are never more, however long a block an earlier designer announced. Small, as a user's file at the temporary's
// name that begins with the run's proven bytes and ends within it is taken for the run's; each block costs the
// record a line put on the disk.
const std::uint64_t kLongestBlock = std::uint64_t(64) << 10;

// What stands at a path, as far as the disk lets it be told.
enum class Standing
{
    Absent,   // nothing, in a folder that was reached
    Empty,    // a file of no bytes: it holds nothing to lose
    Proven,   // a file whose bytes match a proof given
    Other,    // a file whose bytes match none, or no file: not the run's
    Unknown,  // the file or its folder could not be read: nothing can be decided
    Going,    // a file pending deletion, which goes once another program lets go of it (Seen::Kind::Going)
};

// What a name holds, its bytes read once: a recovery decides from it alone (RepairDecision.h).
struct Seen
{
    enum class Kind
    {
        Absent,  // nothing, in a folder that was reached
        File,
        Folder,
        Unknown,  // the file or its folder could not be read
        // A file whose removal was taken, as by a run killed part way through it, while another program holds it:
        // it goes once that program lets go. Windows refuses every opening of it meanwhile; Wine never tells.
        Going,
    };
    Kind kind = Kind::Absent;
    ContentProof proof;      // of a file
    unsigned long code = 0;  // the system's error, where Unknown
};
Seen SeenAt(const char* path);

// What stands at path, a file a run writes a block at a time, its bytes read once against the proofs the run
// announced in order, each before its block: a file a kill cut off within the last block is proven too where its
// bytes up to the proof before the last are that proof's and it is no longer than the last, nor than a block past
// that proof. Unknown with the system's error in *code.
Standing StandingOfWritten(const char* path, const std::vector<ContentProof>& written, unsigned long* code);
// The proof of the file at path, read whole; false with the system's error set.
bool ProofOf(const char* path, ContentProof* proof);

// The folder path lies in is there: a name missing from a folder gone proves nothing.
bool FolderReached(const char* path);
// A folder stands at path.
bool IsFolder(const char* path);
// What stands at path is marked read-only, as a user or source control marks a file, told without writing
// anything: Windows refuses to move a file over it or remove it, though Wine replaces it and POSIX ignores it.
// Elsewhere than on Windows, one the user cannot write.
bool IsReadOnlyFile(const char* path);
// Anything, a file or a folder, stands at path: a file pending deletion too, its name taken until it goes.
bool Exists(const char* path);
// Moves from over to; false with why when it did not happen. A move the system calls failed may have been
// done all the same (Wine says "not enough memory" of a drive that went away meanwhile): it counts as done
// only onto a name that was free, where the file there can only be the one moved; over a file, never.
// The move's error stays set: a path not found where the folder is not reached.
bool MovedOver(const char* from, const char* to, CString* why);
// MovedOver to a name that must be free: a file there, another program's since it was seen free, is not
// replaced, and the move fails (NameTaken tells so).
bool MovedIn(const char* from, const char* to, CString* why);
// The move failed last, to a name that was free, because a file is there now.
bool NameTaken();
// Another program holds the file open so that it cannot be moved or removed. Only Windows tells.
bool IsHeldOpen(const char* path);
// A file whose removal the system took while its name stayed waits for another program to let go of it: Wine
// keeps it open to others, refusing only what that program does not share; Windows refuses every opening of a
// file pending deletion. Otherwise, the folder kept the name. Only Windows tells.
bool WaitsForAHolder(const char* path);
// Removes the file: true only once its name is gone, as for a move. The system may take a removal and keep
// the name, while another program holds the file sharing its deletion (it goes when that program lets go), or
// for good where the folder cannot be written (as Wine does): *stays then says so, and no system error tells.
// Windows refuses the removal of a file pending deletion, which stays as well, and of one another program maps,
// which is then told as held.
bool Removed(const char* path, bool* stays);
// The names of the files in the folder of the record at path, sorted; none where it cannot be read.
std::vector<CString> FileNamesBeside(const char* record);
// Deletes, in the folder of the record at path, each file a run's removal left under its fresh name
// (IsRemovedRunFileName), as a power loss leaves one before the system deleted it. One another program holds
// goes when it lets go; one the folder keeps stays. Only Windows makes such names.
void RemoveRunLeftoversBeside(const char* record);

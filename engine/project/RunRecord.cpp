// RunRecord.cpp: the record of a run that replaces a group of files.
#include "RunRecord.h"

#include "DiskSteps.h"
#include "SystemError.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{

// The first line: a file of this name without it, or the first line of an earlier designer's record, is
// not ours, and is never acted on.
const char kHeader[] = "files being replaced together, each line checked and before its step\n";
// The designer's before, whose lines carried no check of their own bytes.
const char kUncheckedHeader[] = "files being replaced together, each line before its step\n";
// An earlier designer's, which said each step after it, with no proofs.
const char kAfterHeader[] = "files being replaced together, each line after its step\n";
// The designer's before that, which named each file before its steps and proved nothing but "placed".
const char kNamingHeader[] = "files being replaced together\n";
const char kPlaced[] = "placed";
// The longest line a record takes: a step's word, a proof and a file's name.
const std::size_t kMostLineBytes = 512;

struct StepWord
{
    RunStep step;
    const char* word;
};
const StepWord kStepWords[] = {{RunStep::Old, "old"},     {RunStep::New, "new"}, {RunStep::Wrote, "wrote"},
                               {RunStep::Aside, "aside"}, {RunStep::In, "in"},   {RunStep::Placed, kPlaced}};

const char* WordOf(RunStep step)
{
    for (const StepWord& word : kStepWords)
        if (word.step == step)
            return word.word;
    return "";
}

bool HasProof(RunStep step) { return step == RunStep::Wrote || step == RunStep::Aside; }

// The check that ends each line: a space and sixteen hexadecimal digits summing what comes before it.
const std::size_t kCheckBytes = 17;

std::string CheckOf(const std::string& text)
{
    CContentSum sum;
    sum.Add(text.data(), text.size());
    char check[kCheckBytes + 1];
    std::snprintf(check, sizeof check, " %016" PRIx64, sum.Proof().sum);
    return check;
}

// The line with its check taken off; false where the check does not match what comes before it, as a line
// whose bytes were damaged since: it counts as torn.
bool Unchecked(std::string* line)
{
    if (line->size() < kCheckBytes)
        return false;
    const std::size_t text = line->size() - kCheckBytes;
    if (line->compare(text, kCheckBytes, CheckOf(line->substr(0, text))) != 0)
        return false;
    line->resize(text);
    return true;
}

// The line announcing the step, checked; empty when it would be longer than a record takes.
std::string LineOf(RunStep step, const CString& path, const ContentProof& proof = ContentProof())
{
    char line[kMostLineBytes - kCheckBytes];
    const int length = step == RunStep::Placed ? std::snprintf(line, sizeof line, "%s", kPlaced)
                       : HasProof(step)        ? std::snprintf(line, sizeof line, "%s %" PRIu64 " %016" PRIx64 " %s",
                                                               WordOf(step), proof.size, proof.sum, NameOf(path))
                                               : std::snprintf(line, sizeof line, "%s %s", WordOf(step), NameOf(path));
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof line)
        return std::string();
    const std::string text(line, static_cast<std::size_t>(length));
    return text + CheckOf(text) + "\n";
}

// The file of that name in the record's folder: the folder moved, copied or reached by another drive
// letter, the record still names its own files, and never one elsewhere. Empty when it is no file's name.
CString PathIn(const CString& folder, const char* text)
{
    const char* name = NameOf(text);
    if (*name == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return CString();
    return folder + name;
}

RecordedFile* FileAt(RunContents* contents, const CString& path)
{
    for (RecordedFile& file : contents->files)
        if (file.path == path)
            return &file;
    return nullptr;
}

bool AllIn(const RunContents& contents)
{
    bool any = false;
    for (const RecordedFile& file : contents.files)
        if (file.announced && !(any = file.in))
            return false;
    return any;
}

// A line split into its word and what follows it.
struct Line
{
    std::string word;
    const char* rest = "";
};

Line Split(const std::string& text)
{
    const std::size_t space = text.find(' ');
    if (space == std::string::npos)
        return {text, ""};
    return {text.substr(0, space), text.c_str() + space + 1};
}

// A line of these records.
bool TakeLine(const std::string& text, const CString& folder, RunContents* contents)
{
    const Line line = Split(text);
    for (const StepWord& step : kStepWords)
    {
        if (line.word != step.word)
            continue;
        if (step.step == RunStep::Placed)
            return *line.rest == '\0' && text == kPlaced && contents->Take(RunStep::Placed, CString());
        ContentProof proof;
        int used = 0;
        const char* name = line.rest;
        if (HasProof(step.step))
        {
            unsigned long long size = 0, sum = 0;
            if (std::sscanf(line.rest, "%llu %llx %n", &size, &sum, &used) != 2 || used == 0)
                return false;
            proof = {size, sum};
            name += used;
        }
        const CString path = PathIn(folder, name);
        return !path.IsEmpty() && contents->Take(step.step, path, proof);
    }
    return false;
}

// A line of a record said after each step: a temporary or set-aside its line names is the run's whatever its
// bytes to be moved back or in, those names being the writer's own, though removed only while empty (RunProofs);
// a file at its own name is the run's only while empty, as nothing tells the run's new file from one the user
// wrote since. The lines of its recovery take those names back as they freed them.
bool TakeAfterLine(const std::string& text, const CString& folder, RunContents* contents)
{
    if (text == kPlaced)
        return contents->Take(RunStep::Placed, CString());
    const Line line = Split(text);
    const CString path = PathIn(folder, line.rest);
    if (path.IsEmpty())
        return false;
    if (line.word == "old" || line.word == "new")
    {
        if (!contents->Take(line.word == "old" ? RunStep::Old : RunStep::New, path))
            return false;
        RecordedFile* file = FileAt(contents, path);
        file->temporaryProofs.any = true;
        file->proven = false;
        return true;
    }
    RecordedFile* file = FileAt(contents, path);
    if (!file)
        return false;
    if (line.word == "aside")
        file->aside = file->oldProofs.any = true;
    else if (line.word == "in")
    {
        file->in = true;
        file->temporaryProofs.any = false;
    }
    else if (line.word == "dropping" || line.word == "dropped")
        file->temporaryProofs.any = false;
    else if (line.word == "putting")
    {
        // The file the step ended was emptied first: the new file, or a finished run's old one.
        file->oldProofs.any = file->oldProofs.any && !contents->placed;
    }
    else if (line.word == "done")
    {
        file->reserved = file->aside = file->in = false;
        file->oldProofs.any = false;
    }
    else if (line.word != "kept")
        return false;
    return true;
}

// A line of the designer's record before that: it named each file before its steps, and once it said
// "placing" every old file had gone aside; it reserved no name, and left a file it replaced in one step. As in
// the record after it, a file at its own name is the run's only while empty.
bool TakeNamingLine(const std::string& text, const CString& folder, RunContents* contents)
{
    if (text == "placing")
    {
        // A file it replaced in one step, or made, may be in from here on.
        for (RecordedFile& file : contents->files)
        {
            file.aside = file.oldProofs.any = file.existed;
            file.in = !file.existed;
        }
        return true;
    }
    if (text == kPlaced)
        return contents->placed = true;
    const Line line = Split(text);
    const CString path = PathIn(folder, line.rest);
    if (path.IsEmpty() || (line.word != "aside" && line.word != "over" && line.word != "new"))
        return false;
    RecordedFile& file = contents->files.emplace_back(path);
    file.announced = true;
    file.reserved = false;
    file.existed = line.word == "aside";
    file.temporaryProofs.any = true;
    file.proven = false;
    return true;
}

// Where the record begins that a run started anew: a whole copy of it goes at the end, then over the start,
// and the rest is cut away (CRunRecord::StartAnew). Until then the last whole copy at the end is the record;
// one a kill cut off is not, and the next line goes in its place. 0 when there is none.
std::size_t StartOfLastCopy(std::string* text, const char* header, const std::string& placedLine)
{
    const std::string mark = std::string("\n") + header;
    const std::string placed = "\n" + placedLine;
    for (std::size_t at; (at = text->rfind(mark)) != std::string::npos; text->resize(at + 1))
        if (text->find(placed, at + mark.size() - 1) != std::string::npos)
            return at + 1;
    return 0;
}

struct RecordForm
{
    const char* header;
    bool (*take)(const std::string& line, const CString& folder, RunContents* contents);
    bool checked;  // each line leads with its check
};

// Each file a line from there on announces made new, the line's own check holding.
void NameNewFilesFrom(const std::string& text, std::size_t begin, const CString& folder, RunContents* contents)
{
    for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1)
    {
        std::string line = text.substr(begin, end - begin);
        if (!Unchecked(&line))
            continue;
        const Line split = Split(line);
        const CString path = PathIn(folder, split.rest);
        if (split.word == WordOf(RunStep::New) && !path.IsEmpty())
            contents->madePastDamage.push_back(path);
    }
}

const RecordForm kForms[] = {{kHeader, TakeLine, true},
                             {kUncheckedHeader, TakeLine, false},
                             {kAfterHeader, TakeAfterLine, false},
                             {kNamingHeader, TakeNamingLine, false}};

// The end of the first line from from on that says, its check holding, that the run was placed; npos where none
// does.
std::size_t PlacedLineFrom(const std::string& text, std::size_t from, const std::string& placed)
{
    const std::size_t at = text.find("\n" + placed, from - 1);
    return at == std::string::npos ? at : at + placed.size();
}

// Where the record read begins: its last whole copy. Only the two forms that start records anew have copies, each
// of its own lines; a run going on in a record of the form before starts it anew in this designer's, whose copy
// at the end is then the record till the start is written over.
std::size_t StartOfRecord(std::string* text, const RecordForm** form)
{
    const std::size_t anew =
        *form == &kForms[1] ? StartOfLastCopy(text, kHeader, LineOf(RunStep::Placed, CString())) : 0;
    if (anew > 0)
    {
        *form = &kForms[0];
        return anew;
    }
    const std::string placed = (*form)->checked ? LineOf(RunStep::Placed, CString()) : std::string(kPlaced) + "\n";
    return StartOfLastCopy(text, (*form)->header, placed);
}

// Cuts the record back to size bytes, where the next line goes; false when it cannot.
bool CutTo(std::FILE* file, long size)
{
    if (std::fflush(file) != 0 || std::fseek(file, 0, SEEK_END) != 0)
        return false;
    const long length = std::ftell(file);
    if (length == size)
        return true;
    return length > size && DiskSteps().Cut(file, size) && std::fseek(file, 0, SEEK_END) == 0;
}

// Busy where the record's holder may be another program's run; one that is none keeps it from being put right,
// as a file held does, and fails with the system's error still set.
bool IsBusyWithARun(const CString& path, unsigned long code) { return IsBusyError(code) && MayHoldItAsARun(path); }

CRunRecord::Opened OpenedAfter(const CString& path, unsigned long code)
{
    if (IsBusyWithARun(path, code))
        return CRunRecord::Opened::Busy;
#ifdef _WIN32
    const bool absent = code == 2 /* ERROR_FILE_NOT_FOUND */;
#else
    const bool absent = code == ENOENT;
#endif
    return absent ? CRunRecord::Opened::Absent : CRunRecord::Opened::Failed;
}

}  // namespace

bool RunProofs::Prove(const ContentProof& proof)
{
    contents.push_back(proof);
    return true;
}

RecordedFile::RecordedFile(const CString& path)
    : path(path), temporary(TemporaryPathOf(path)), setAside(SetAsidePathOf(path))
{
}

bool RunContents::Take(RunStep step, const CString& path, const ContentProof& proof)
{
    if (step == RunStep::Placed)
        return AllIn(*this) && !placed && (placed = true);
    RecordedFile* file = FileAt(this, path);
    switch (step)
    {
    case RunStep::Old:
    case RunStep::New:
        if (placed)
        {
            // A run going on in a finished one's record: only the old files of that one are left to go.
            finished.insert(finished.end(), files.begin(), files.end());
            files.clear();
            placed = false;
            file = nullptr;
        }
        if (file && file->announced)
            return false;
        if (!file)
            file = &files.emplace_back(path);
        file->announced = true;
        file->existed = step == RunStep::Old;
        return true;
    case RunStep::Wrote:
        return file && file->announced && !file->in && file->temporaryProofs.Prove(proof);
    case RunStep::Aside:
        return file && file->announced && file->existed && !file->aside && (file->aside = true) &&
               file->oldProofs.Prove(proof);
    case RunStep::In:
        if (!file || !file->announced || (file->existed && !file->aside) || file->in)
            return false;
        file->in = true;
        return file->newProofs.Prove(file->temporaryProofs.contents.empty() ? ContentProof()
                                                                            : file->temporaryProofs.contents.back());
    case RunStep::Placed:
        break;
    }
    return false;
}

CRunRecord::~CRunRecord() { Close(); }

CRunRecord::Opened CRunRecord::Create(const CString& path)
{
    // Named before the file is made: whatever fails after, Remove takes the file away again.
    m_path = path;
    m_end = 0;
    m_file = DiskSteps().OpenRecord(path, RecordAccess::Create);
    m_writable = m_current = m_file != nullptr;
    if (m_file)
    {
        if (Append(kHeader))
            return Opened::Held;
        // Why the line did not go in is the reason given, not what removing the file left set.
        const unsigned long code = LastSystemError();
        Remove();
        RestoreSystemError(code);
        return Opened::Failed;
    }
    m_path.Empty();
    // Taken: by a run of another program, which holds it, or by a file nobody holds.
    const unsigned long code = LastSystemError();
    if (IsBusyWithARun(path, code))
        return Opened::Busy;
    if (std::FILE* probe = DiskSteps().OpenRecord(path, RecordAccess::Read))
        std::fclose(probe);
    else if (IsBusyWithARun(path, LastSystemError()))
        return Opened::Busy;
    RestoreSystemError(code);
    return Opened::Failed;
}

CRunRecord::Opened CRunRecord::Open(const CString& path)
{
    m_file = DiskSteps().OpenRecord(path, RecordAccess::ReadWrite);
    m_writable = m_file != nullptr;
    if (!m_file && OpenedAfter(path, LastSystemError()) == Opened::Failed)
        m_file = DiskSteps().OpenRecord(path, RecordAccess::Read);
    if (!m_file)
        return OpenedAfter(path, LastSystemError());
    m_path = path;
    return Opened::Held;
}

bool CRunRecord::Read(RunContents* contents)
{
    // Only a file that begins as a record of ours is read whole: a record grows with what its run writes.
    std::string text(std::strlen(kHeader), '\0');
    text.resize(std::fread(&text[0], 1, text.size(), m_file));
    const RecordForm* form = nullptr;
    for (const RecordForm& known : kForms)
    {
        const std::size_t header = std::strlen(known.header);
        // Cut off before its first line was whole, the run had not begun.
        if (text.size() < header && text.compare(0, text.size(), known.header, text.size()) == 0)
            return true;
        if (!form && text.compare(0, header, known.header) == 0)
            form = &known;
    }
    if (!form)
        return false;
    char block[4096];
    for (std::size_t size; (size = std::fread(block, 1, sizeof block, m_file)) > 0;)
        text.append(block, size);
    const std::size_t start = StartOfRecord(&text, &form);
    // Each form with proofs lets a run go on: the next run starts the record anew in this one.
    m_current = form->take == TakeLine;
    m_older = form == &kForms[1];
    // A line cut off by a kill announces no step, nor does one whose bytes do not match its check: only whole
    // lines count, up to the first torn one, and the next line goes in its place. Past a damaged line, a line
    // whose own check holds that the run was placed proves it finished, every file in: what follows it is read.
    const CString folder = FolderOf(m_path);
    std::size_t begin = start + std::strlen(form->header);
    for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1)
    {
        std::string line = text.substr(begin, end - begin);
        if (form->checked && !Unchecked(&line))
        {
            if (!contents->damaged)
                NameNewFilesFrom(text, end + 1, folder, contents);
            contents->damaged = true;
            if ((end = PlacedLineFrom(text, end + 1, LineOf(RunStep::Placed, CString()))) == std::string::npos)
                break;
            contents->placed = true;
            continue;
        }
        // The room a run going on left before the copy it started this one anew with.
        if (line.empty() && m_older)
            continue;
        if (!form->take(line, folder, contents))
            return false;
    }
    m_end = static_cast<long>(begin);
    return true;
}

bool CRunRecord::Note(RunStep step, const CString& path, RunContents* contents, const ContentProof& proof)
{
    const std::string line = LineOf(step, path, proof);
    if (line.empty())
        return false;
    // Taken in first: a step the run cannot keep in mind is never announced. One announced and then not
    // written proves nothing more than the bytes on the disk show.
    if (step == RunStep::Placed ? contents->placed || !AllIn(*contents) : !contents->Take(step, path, proof))
        return false;
    return Append(line.c_str()) && (step != RunStep::Placed || contents->Take(step, path));
}

bool CRunRecord::StartAnew(const std::vector<RecordedFile>& kept)
{
    std::string copy = kHeader;
    for (const RecordedFile& file : kept)
        copy += LineOf(RunStep::Old, file.path) + LineOf(RunStep::Aside, file.path, file.oldProofs.contents.back()) +
                LineOf(RunStep::In, file.path);
    copy += LineOf(RunStep::Placed, CString());
    // Written over its start, the copy must not reach the copy at its end, which a kill part way leaves as the record:
    // a record of the form before, whose lines are shorter, gets empty lines before the copy, which it reads as none.
    const long size = static_cast<long>(copy.size());
    const std::string room = m_older && size > m_end ? std::string(size - m_end, '\n') : std::string();
    if (kept.empty() || !CanGoOn() || size > m_end + static_cast<long>(room.size()) || !Append((room + copy).c_str()))
        return false;
    // Until the start is written over and the rest cut away, the copy at the end is the record.
    if (DiskSteps().Rewrite(m_file, copy.c_str()) && CutTo(m_file, size))
    {
        m_end = size;
        m_older = false;
    }
    return true;
}

bool CRunRecord::Remove(bool* stays)
{
    Close();
    bool staying = false;
    const bool removed = m_path.IsEmpty() || Removed(m_path, &staying);
    if (stays)
        *stays = staying;
    return removed;
}

bool CRunRecord::Append(const char* text)
{
    // A line cut off before, by a kill or a failed write, is cut away: no step is read from it.
    if (!CutTo(m_file, m_end))
        return false;
    if (!DiskSteps().Append(m_file, text))
    {
        CutTo(m_file, m_end);
        return false;
    }
    m_end += static_cast<long>(std::strlen(text));
    return true;
}

void CRunRecord::Close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

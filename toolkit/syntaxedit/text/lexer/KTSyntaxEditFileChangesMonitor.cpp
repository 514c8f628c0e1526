// The file-change monitor's list and polling thread.
#include "KTSyntaxEditFileChangesMonitor.h"

namespace
{

const int64_t kWriteTimeTolerance = 5000000;  // half a second in 100 ns units

bool Differs(const KT_EDIT_FILEIDENTITY& a, const KT_EDIT_FILEIDENTITY& b)
{
    int64_t delta = a.nWriteTime - b.nWriteTime;
    return a.nSize != b.nSize || delta > kWriteTimeTolerance || delta < -kWriteTimeTolerance;
}

}  // namespace

bool CKTSyntaxEditFileChangesMonitor::AddFile(std::string& path, int kind)
{
    KT_EDIT_MONITOREDFILE file;
    bool found = KTLexGetFileIdentity(path, file.identity);
    if (!found && KTLexGetFileIdentity(m_strBaseFolder + path, file.identity))
    {
        path = m_strBaseFolder + path;
        found = true;
    }
    if (found)
        path = KTLexFullPath(path);
    else
        file.identity = KT_EDIT_FILEIDENTITY();
    file.strPath = path;
    file.bExists = found;
    file.nKind = kind;
    m_files.push_back(file);
    return found;
}

void CKTSyntaxEditFileChangesMonitor::CheckFiles()
{
    for (KT_EDIT_MONITOREDFILE& file : m_files)
    {
        for (int pass = 0; pass < 2; ++pass)
        {
            KT_EDIT_FILEIDENTITY identity;
            if (KTLexGetFileIdentity(file.strPath, identity))
            {
                if (!file.bExists || Differs(identity, file.identity))
                {
                    int change = file.bExists ? ktChanged : ktAppeared;
                    file.identity = identity;
                    file.bExists = true;
                    if (m_handler)
                        m_handler(file.strPath, file.nKind, change);
                }
                break;
            }
            if (file.bExists)
            {
                file.bExists = false;
                if (m_handler)
                    m_handler(file.strPath, file.nKind, ktRemoved);
            }
            std::string based = m_strBaseFolder + file.strPath;
            KT_EDIT_FILEIDENTITY unused;
            if (m_strBaseFolder.empty() || !KTLexGetFileIdentity(based, unused))
                break;
            file.strPath = KTLexFullPath(based);  // found under the base folder: look again there
        }
    }
}

// A fault while checking or reporting ends the thread only: the owner hears of it and decides how to go on.
bool CKTSyntaxEditFileChangesMonitor::Start()
{
    return m_worker.Start([this] { Watch(); }, m_faultHandler);
}

bool CKTSyntaxEditFileChangesMonitor::Stop()
{
    const bool ended = m_worker.Stop();  // a handler stuck in a file system call is cut off
    m_files.clear();
    return ended;
}

void CKTSyntaxEditFileChangesMonitor::Watch()
{
    while (!m_worker.WaitForStop(m_nPeriodMs))
        CheckFiles();
}

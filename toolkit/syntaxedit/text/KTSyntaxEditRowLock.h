// Reader/writer lock over a buffer's rows: the parser's worker reads, the UI thread edits.
// Classes: CKTSyntaxEditRowLock, CKTSyntaxEditRowReadLock, CKTSyntaxEditRowWriteLock.
#pragma once

#include <windows.h>

// Readers hold the lock only while they copy one row, so a writer on the
// user-interface thread never waits longer than one row copy.
class CKTSyntaxEditRowLock
{
public:
    CKTSyntaxEditRowLock() { InitializeSRWLock(&m_lock); }
    CKTSyntaxEditRowLock(const CKTSyntaxEditRowLock&) = delete;
    CKTSyntaxEditRowLock& operator=(const CKTSyntaxEditRowLock&) = delete;

    void LockShared() { AcquireSRWLockShared(&m_lock); }
    void UnlockShared() { ReleaseSRWLockShared(&m_lock); }
    void LockExclusive() { AcquireSRWLockExclusive(&m_lock); }
    void UnlockExclusive() { ReleaseSRWLockExclusive(&m_lock); }

private:
    SRWLOCK m_lock;  // not recursive: a holder never takes it again
};

class CKTSyntaxEditRowReadLock
{
public:
    explicit CKTSyntaxEditRowReadLock(CKTSyntaxEditRowLock& lock) : m_lock(lock) { m_lock.LockShared(); }
    ~CKTSyntaxEditRowReadLock() { m_lock.UnlockShared(); }
    CKTSyntaxEditRowReadLock(const CKTSyntaxEditRowReadLock&) = delete;
    CKTSyntaxEditRowReadLock& operator=(const CKTSyntaxEditRowReadLock&) = delete;

private:
    CKTSyntaxEditRowLock& m_lock;
};

class CKTSyntaxEditRowWriteLock
{
public:
    explicit CKTSyntaxEditRowWriteLock(CKTSyntaxEditRowLock& lock) : m_lock(lock) { m_lock.LockExclusive(); }
    ~CKTSyntaxEditRowWriteLock() { m_lock.UnlockExclusive(); }
    CKTSyntaxEditRowWriteLock(const CKTSyntaxEditRowWriteLock&) = delete;
    CKTSyntaxEditRowWriteLock& operator=(const CKTSyntaxEditRowWriteLock&) = delete;

private:
    CKTSyntaxEditRowLock& m_lock;
};

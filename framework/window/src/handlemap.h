// The typed per-thread temporary maps of FromHandle, freed at idle.
#pragma once
#include <memory>
#include <unordered_map>
#include "afxpriv.h"

// Temporary objects of exactly type T. They borrow the handle: it is bound
// with BindTemp and unbound before the object is deleted, so it is never freed.
template <class T, class H>
class CTempMap
{
public:
    static T* FromHandle(H h)
    {
        auto& map = Get();
        auto it = map.find(h);
        if (it != map.end())
            return it->second.get();
        std::unique_ptr<T> p(new T);
        BindTemp(p.get(), h);
        T* result = p.get();
        map.emplace(h, std::move(p));
        AfxGetThreadState()->m_nTempObjects++;
        return result;
    }
    static void DeleteAll()
    {
        auto& map = Get();
        for (auto& entry : map)
            UnbindTemp(entry.second.get());
        AfxGetThreadState()->m_nTempObjects -= (int)map.size();
        map.clear();
    }

private:
    static std::unordered_map<H, std::unique_ptr<T>>& Get()
    {
        thread_local std::unordered_map<H, std::unique_ptr<T>> map;
        thread_local bool registered = false;
        if (!registered)
        {
            registered = true;
            AfxRegisterTempMapCleaner(&DeleteAll);
        }
        return map;
    }
};

inline void BindTemp(CGdiObject* p, HGDIOBJ h) { p->m_hObject = h; }
inline void UnbindTemp(CGdiObject* p) { p->m_hObject = nullptr; }
inline void BindTemp(CDC* p, HDC h) { p->m_hDC = p->m_hAttribDC = h; }
inline void UnbindTemp(CDC* p) { p->m_hDC = p->m_hAttribDC = nullptr; }
inline void BindTemp(CMenu* p, HMENU h) { p->m_hMenu = h; }
inline void UnbindTemp(CMenu* p) { p->m_hMenu = nullptr; }
inline void BindTemp(CWnd* p, HWND h) { p->m_hWnd = h; }
inline void UnbindTemp(CWnd* p) { p->m_hWnd = nullptr; }

// The permanent object when it is a T, else a temporary T.
template <class T, class Base, class H>
T* AfxFromHandle(H h)
{
    if (!h)
        return nullptr;
    if (T* p = dynamic_cast<T*>(CPermanentMap<Base, H>::Lookup(h)))
        return p;
    return CTempMap<T, H>::FromHandle(h);
}

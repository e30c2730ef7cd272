// Maps a Win32 handle to the framework object that wraps it. Handles nobody wraps get a
// temporary object, deleted at the next idle point of the message loop.
#pragma once

#include <memory>
#include <unordered_map>

template <class CObj, class Handle> class CHandleMap {
  public:
    explicit CHandleMap(Handle CObj::*member) : m_member(member) {}

    CObj* FromHandlePermanent(Handle h) const {
        auto it = m_permanent.find(h);
        return it != m_permanent.end() ? it->second : nullptr;
    }

    CObj* FromHandle(Handle h) {
        if (h == nullptr) {
            return nullptr;
        }
        if (CObj* p = FromHandlePermanent(h)) {
            return p;
        }
        std::unique_ptr<CObj>& temp = m_temporary[h];
        if (!temp) {
            temp = std::make_unique<CObj>();
            (*temp).*m_member = h;
        }
        return temp.get();
    }

    void SetPermanent(Handle h, CObj* p) { m_permanent[h] = p; }
    void RemoveHandle(Handle h) { m_permanent.erase(h); }

    // Temporary objects only borrowed their handles: clear them so no destructor releases one.
    void DeleteTemp() {
        for (auto& entry : m_temporary) {
            (*entry.second).*m_member = nullptr;
        }
        m_temporary.clear();
    }

  private:
    Handle CObj::*m_member;
    std::unordered_map<Handle, CObj*> m_permanent;
    std::unordered_map<Handle, std::unique_ptr<CObj>> m_temporary;
};

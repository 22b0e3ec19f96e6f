#pragma once
// Owning pointer to a component-model interface: releases its one reference when it goes.

#include <utility>

namespace Ostrel {

template <class I> class IPtr {
public:
    IPtr() = default;
    // Takes over a reference that the caller already holds.
    explicit IPtr(I* p) : p_(p) {}
    IPtr(const IPtr&) = delete;
    IPtr& operator=(const IPtr&) = delete;
    IPtr(IPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    IPtr& operator=(IPtr&& o) noexcept {
        reset(std::exchange(o.p_, nullptr));
        return *this;
    }
    ~IPtr() { reset(); }

    void reset(I* p = nullptr) {
        if (p_)
            p_->release();
        p_ = p;
    }
    I* get() const { return p_; }
    I* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out parameters of queries: the previous interface is released first.
    void** out() {
        reset();
        return reinterpret_cast<void**>(&p_);
    }

private:
    I* p_ = nullptr;
};

// Asks obj for interface I; empty when it does not offer it.
template <class I, class U> IPtr<I> queryPtr(U* obj) {
    IPtr<I> r;
    if (obj)
        obj->queryInterface(I::iid, r.out());
    return r;
}

} // namespace Ostrel

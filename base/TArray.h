#pragma once
// Ordered growable array of plain values or pointers, with a fixed growth step.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace Ostrel {

template <class T> class TArray {
    static_assert(std::is_trivially_copyable_v<T>, "TArray holds plain values and pointers");

public:
    explicit TArray(int32_t initialCapacity = 0, int32_t growBy = 10)
        : growBy_(growBy > 0 ? growBy : 1) {
        reserve(initialCapacity);
    }
    ~TArray() { std::free(items_); }
    TArray(const TArray&) = delete;
    TArray& operator=(const TArray&) = delete;

    int32_t count() const { return count_; }
    int32_t capacity() const { return capacity_; }
    bool isEmpty() const { return count_ == 0; }
    T& at(int32_t index) { return items_[index]; }
    const T& at(int32_t index) const { return items_[index]; }
    T* begin() { return items_; }
    T* end() { return items_ + count_; }

    // False when the array is full and cannot grow; the entries stay as they were.
    bool append(const T& value) {
        if (count_ == capacity_ && !reserve(capacity_ + growBy_))
            return false;
        items_[count_++] = value;
        return true;
    }
    // Removes without freeing what a pointer entry points to.
    void removeAt(int32_t index) {
        if (index < 0 || index >= count_)
            return;
        std::memmove(items_ + index, items_ + index + 1,
                     sizeof(T) * static_cast<size_t>(count_ - index - 1));
        --count_;
    }
    void clear() { count_ = 0; }

private:
    bool reserve(int32_t n) {
        if (n <= capacity_)
            return true;
        void* p = std::realloc(items_, sizeof(T) * static_cast<size_t>(n));
        if (!p)
            return false;
        items_ = static_cast<T*>(p);
        capacity_ = n;
        return true;
    }

    T* items_ = nullptr;
    int32_t count_ = 0;
    int32_t capacity_ = 0;
    int32_t growBy_;
};

} // namespace Ostrel

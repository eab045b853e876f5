// A growable array of trivially copyable elements kept in one malloc block. It grows with
// realloc, so a large block is moved by remapping its pages rather than by copying and
// touching them again, and a large block asks for large pages: long console captures cost
// their bytes, not several times those.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/Memory.h"

namespace zor {

template <class T>
class PodBuffer {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    PodBuffer() = default;
    PodBuffer(const PodBuffer& other) { Append(other.data_, other.size_); }
    PodBuffer(PodBuffer&& other) noexcept { Swap(other); }
    PodBuffer& operator=(PodBuffer other) noexcept {
        Swap(other);
        return *this;
    }
    ~PodBuffer() { std::free(data_); }

    size_t Size() const noexcept { return size_; }
    const T* Data() const noexcept { return data_; }
    T* Data() noexcept { return data_; }

    void Append(const T* items, size_t count) {
        if (count == 0) return;
        Reserve(size_ + count);
        std::copy_n(items, count, data_ + size_);
        size_ += count;
    }
    void PushBack(const T& item) { Append(&item, 1); }
    void Shrink(size_t size) noexcept {
        if (size < size_) size_ = size;
    }
    void Clear() noexcept { size_ = 0; }

    bool operator==(const PodBuffer& other) const noexcept {
        return size_ == other.size_ && std::equal(data_, data_ + size_, other.data_);
    }

private:
    static constexpr size_t LargeBlock = size_t{4} << 20;

    void Reserve(size_t needed) {
        if (needed <= capacity_) return;
        constexpr size_t most = static_cast<size_t>(std::numeric_limits<std::ptrdiff_t>::max()) / sizeof(T);
        if (needed > most || needed < size_) throw std::bad_alloc();
        size_t capacity = capacity_ < 16 ? 16 : capacity_;
        while (capacity < needed) capacity = capacity > most / 2 ? most : capacity * 2;
        void* grown = std::realloc(data_, capacity * sizeof(T));
        if (grown == nullptr) throw std::bad_alloc();
        data_ = static_cast<T*>(grown);
        capacity_ = capacity;
        if (capacity * sizeof(T) >= LargeBlock) AdviseLargePages(data_, capacity * sizeof(T));
    }
    void Swap(PodBuffer& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }

    T* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

}  // namespace zor

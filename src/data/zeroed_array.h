#pragma once
// A fixed-size array of plain values that starts as all zeros without writing
// them: the block comes from calloc, and large blocks are fresh pages that the
// system hands out zeroed. The program allocates every table at its full
// capacity at start-up, and most of that room is never written; this way it
// costs neither time nor resident memory until it is.

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>

namespace velmira {

template <typename T> class ZeroedArray
{
    static_assert(std::is_trivially_copyable_v<T>, "the block is copied and zeroed as bytes");

public:
    explicit ZeroedArray(std::size_t size = 0)
        : m_size(size)
        , m_data(allocate(size))
    {
    }
    ZeroedArray(const ZeroedArray &other)
        : ZeroedArray(other.m_size)
    {
        if (m_size > 0)
            std::memcpy(m_data.get(), other.m_data.get(), m_size * sizeof(T));
    }
    ZeroedArray &operator=(const ZeroedArray &other)
    {
        if (this != &other)
            *this = ZeroedArray(other);
        return *this;
    }
    ZeroedArray(ZeroedArray &&) noexcept = default;
    ZeroedArray &operator=(ZeroedArray &&) noexcept = default;

    std::size_t size() const { return m_size; }
    T *data() { return m_data.get(); }
    const T *data() const { return m_data.get(); }
    T &operator[](std::size_t i) { return m_data[i]; }
    const T &operator[](std::size_t i) const { return m_data[i]; }

private:
    struct Free
    {
        void operator()(T *block) const { std::free(block); }
    };
    static std::unique_ptr<T[], Free> allocate(std::size_t size)
    {
        if (size == 0)
            return nullptr;
        void *block = std::calloc(size, sizeof(T));
        if (!block)
            throw std::bad_alloc();
        return std::unique_ptr<T[], Free>(static_cast<T *>(block));
    }

    std::size_t m_size;
    std::unique_ptr<T[], Free> m_data;
};

} // namespace velmira

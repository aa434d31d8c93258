#pragma once

#include <QtGlobal>

#include <cstdint>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

namespace kaven::store {

// The in-memory copy of one data file: slots 0 to 500, of which 1 to 500 hold records,
// and the counter of the next free slot (records + 1). Slot 0 and the slots from the
// counter on hold default records.
template <class R> class RecordBuffer {
public:
    static constexpr int capacity = 500;

    RecordBuffer() : slots_(capacity + 1) {}

    // Index of the next free slot: the number of records + 1.
    std::int16_t counter() const { return counter_; }
    int size() const { return counter_ - 1; }
    bool isEmpty() const { return counter_ == 1; }
    bool isFull() const { return counter_ > capacity; }

    R& operator[](int index)
    {
        Q_ASSERT(index >= 0 && index <= capacity);
        return slots_[std::size_t(index)];
    }
    const R& operator[](int index) const
    {
        Q_ASSERT(index >= 0 && index <= capacity);
        return slots_[std::size_t(index)];
    }

    // The records 1 .. counter - 1, in index order. Not on a temporary buffer, whose
    // records would be gone before a loop over them begins.
    std::span<R> records() & { return {slots_.data() + 1, std::size_t(size())}; }
    std::span<const R> records() const& { return {slots_.data() + 1, std::size_t(size())}; }
    std::span<const R> records() && = delete;

    // Puts the record at the counter's slot and moves the counter on.
    void append(R record)
    {
        if (isFull())
            throw std::length_error("a data file holds at most 500 records");
        slots_[std::size_t(counter_)] = std::move(record);
        ++counter_;
    }

    // Back to no records, every slot a default record.
    void clear()
    {
        for (R& slot : slots_)
            slot = R{};
        counter_ = 1;
    }

    void swap(RecordBuffer& other) noexcept
    {
        slots_.swap(other.slots_);
        std::swap(counter_, other.counter_);
    }

private:
    std::vector<R> slots_;
    std::int16_t counter_ = 1;
};

} // namespace kaven::store

// FixedText.h: the records' bounded texts, short ones held inline and long ones on the heap.
//
// Classes: FixedText.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

// A text of at most Capacity characters. Texts that fit Inline - 1 bytes stay
// inside the object, so a record of many texts costs one block and no
// allocation in the common case; a longer text takes a block of its own
// length. The last inline byte tells which: 0 inline (it is also the
// terminator of a text that fills the room), 1 on the heap, whose pointer
// then sits in the first bytes.
template <std::size_t Capacity, std::size_t Inline>
class FixedText
{
    static_assert(Inline > sizeof(char*), "the inline room must hold the heap pointer and the tag");
    static_assert(Inline <= Capacity, "a text wider than its capacity needs no heap");

public:
    FixedText() noexcept { Clear(); }
    FixedText(const FixedText& other) : FixedText() { Assign(other.Text(), std::strlen(other.Text())); }
    FixedText(FixedText&& other) noexcept
    {
        std::memcpy(m_room, other.m_room, Inline);
        other.Clear();
    }
    FixedText& operator=(const FixedText& other)
    {
        if (this != &other)
            Assign(other.Text(), std::strlen(other.Text()));
        return *this;
    }
    FixedText& operator=(FixedText&& other) noexcept
    {
        if (this == &other)
            return *this;
        Free();
        std::memcpy(m_room, other.m_room, Inline);
        other.Clear();
        return *this;
    }
    ~FixedText() { Free(); }

    // Readers use a record's texts as they used the arrays these replace.
    operator const char*() const noexcept { return Text(); }
    const char* Text() const noexcept { return OnHeap() ? HeapText() : m_room; }

    // The standard string's own comparisons deduce their types and so never
    // see the conversion above.
    friend bool operator==(const std::string& left, const FixedText& right) { return left == right.Text(); }
    friend bool operator!=(const std::string& left, const FixedText& right) { return left != right.Text(); }
    friend bool operator==(const FixedText& left, const std::string& right) { return right == left.Text(); }
    friend bool operator!=(const FixedText& left, const std::string& right) { return right != left.Text(); }
    friend std::string operator+(const std::string& left, const FixedText& right) { return left + right.Text(); }
    friend std::string operator+(const FixedText& left, const std::string& right) { return left.Text() + right; }

    // False, leaving the text as it was, when it is longer than Capacity.
    // The text may be this object's own.
    bool Assign(const char* text, std::size_t length)
    {
        if (length > Capacity)
            return false;
        if (length < Inline)
        {
            char* old = OnHeap() ? HeapText() : nullptr;
            std::memmove(m_room, text, length);
            std::memset(m_room + length, 0, Inline - length);
            delete[] old;
            return true;
        }
        char* block = new char[length + 1];
        std::memcpy(block, text, length);
        block[length] = '\0';
        Free();
        std::memcpy(m_room, &block, sizeof block);
        m_room[Inline - 1] = kHeapTag;
        return true;
    }

private:
    static const char kHeapTag = 1;

    bool OnHeap() const noexcept { return m_room[Inline - 1] == kHeapTag; }
    char* HeapText() const noexcept
    {
        char* block;
        std::memcpy(&block, m_room, sizeof block);
        return block;
    }
    void Clear() noexcept { std::memset(m_room, 0, Inline); }
    void Free() noexcept
    {
        if (OnHeap())
            delete[] HeapText();
        Clear();
    }

    char m_room[Inline];
};

// Copies text into dest when it fits; text that does not fit is refused and
// dest is left as it was, so nothing is ever cut silently.
template <std::size_t Capacity, std::size_t Inline>
bool CopyFixedText(FixedText<Capacity, Inline>& dest, const char* text)
{
    return text != nullptr && dest.Assign(text, std::strlen(text));
}

// The longest text dest holds.
template <std::size_t Capacity, std::size_t Inline>
constexpr std::size_t FixedTextCapacity(const FixedText<Capacity, Inline>&)
{
    return Capacity;
}

#pragma once
// A list of what the S-760 holds, as its file lists report it: entries of
// category (3 patch, 4 partial, 5 sample; 1 and 2 are kept too), item
// number and name, up to a capacity fixed when the list is made.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CS760FileList {
public:
    enum Category : std::uint32_t { kPatch = 3, kPartial = 4, kSample = 5 };

    struct Entry {
        std::uint32_t category = 0;
        std::uint16_t number = 0;
        std::string name;  // as the sampler keeps it, up to 16 characters
    };

    // Bytes of one entry in a file-list message: category, the number as
    // three 4-bit digits (most significant first), 16 name bytes.
    static constexpr std::size_t kEntryBytes = 20;

    explicit CS760FileList(std::uint16_t capacity) : fCapacity(capacity) {}

    static std::vector<std::uint8_t> EntryBytes(const Entry& entry);
    // Adds the entries of one file-list message of `category`; true when an
    // entry of category 0 ended the list. XS760UnexpectedCategoryReceived
    // for an entry of another category, XS760FileListTooSmall when the list
    // is full, XSysexInvalidSize for a piece of an entry left at the end.
    bool AddFromMessage(const std::uint8_t* data, std::size_t count, std::uint32_t category);

    // False when the list is full.
    bool Add(const Entry& entry);
    const Entry& At(std::size_t index) const { return fEntries.at(index); }
    std::size_t Count() const { return fEntries.size(); }
    std::size_t Count(std::uint32_t category) const;
    std::uint16_t Capacity() const { return fCapacity; }
    bool IsFull() const { return fEntries.size() >= fCapacity; }
    std::optional<std::size_t> Find(std::uint32_t category, std::uint16_t number) const;
    // Exact comparison of the names.
    std::optional<std::size_t> FindName(std::uint32_t category, const std::string& name) const;
    void RemoveAt(std::size_t index);
    // Removes the entry of (category, number) if there is one.
    void Remove(std::uint32_t category, std::uint16_t number);
    // The lowest number below `limit` that no entry of the category uses.
    std::optional<std::uint16_t> LowestFree(std::uint32_t category, std::uint32_t limit) const;
    // The entries of one category, in list order.
    std::vector<Entry> OfCategory(std::uint32_t category) const;
    void Clear() { fEntries.clear(); }

    // `entries` with each stereo pair (consecutive names with the stereo
    // mark, "L" then "R") joined into one entry named without the mark.
    static std::vector<Entry> JoinStereoHalves(const std::vector<Entry>& entries);

private:
    std::uint16_t fCapacity;
    std::vector<Entry> fEntries;
};

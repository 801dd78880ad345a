#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// Maps a vertical content offset to a row when rows differ in height, in time logarithmic in the
// number of rows: a tree of nodes with up to 100 children each, every node holding the sum of the
// heights below it. Rows are appended on the right only, so a row's index is its path read as
// digits in base 100.
class RowHeightIndex
{
public:
    RowHeightIndex();
    ~RowHeightIndex();

    struct Hit
    {
        std::size_t row = 0;
        std::int64_t start = 0; // content offset of the row's top
    };

    void Append(int height);
    // Empties the index; its depth stays.
    void Clear();
    // The row containing the offset; an offset on a boundary belongs to the row that ends there,
    // one beyond the end to the last row. False when the index is empty.
    bool Find(std::int64_t position, Hit* hit) const;
    // The row's leaf takes the new height and every node above it the difference.
    void SetHeight(std::size_t row, int height);
    std::int64_t Total() const;
    std::size_t Count() const { return m_count; }
    int Depth() const { return m_depth; }

private:
    struct Node;
    bool AppendUnder(Node* node, int level, int height);

    std::unique_ptr<Node> m_root;
    int m_depth = 1;
    std::size_t m_count = 0;
};

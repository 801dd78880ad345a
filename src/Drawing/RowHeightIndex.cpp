#include "RowHeightIndex.h"

namespace {
constexpr std::size_t kFanOut = 100;
}

struct RowHeightIndex::Node
{
    std::int64_t total = 0;
    std::vector<std::unique_ptr<Node>> children;
};

RowHeightIndex::RowHeightIndex()
    : m_root(std::make_unique<Node>())
{
}

RowHeightIndex::~RowHeightIndex() = default;

bool RowHeightIndex::AppendUnder(Node* node, int level, int height)
{
    if (level == 1) {
        if (node->children.size() >= kFanOut)
            return false;
        auto leaf = std::make_unique<Node>();
        leaf->total = height;
        node->children.push_back(std::move(leaf));
    } else if (node->children.empty() || !AppendUnder(node->children.back().get(), level - 1, height)) {
        if (node->children.size() >= kFanOut)
            return false;
        node->children.push_back(std::make_unique<Node>());
        AppendUnder(node->children.back().get(), level - 1, height);
    }
    node->total += height;
    return true;
}

void RowHeightIndex::Append(int height)
{
    while (!AppendUnder(m_root.get(), m_depth, height)) {
        auto root = std::make_unique<Node>();
        root->total = m_root->total;
        root->children.push_back(std::move(m_root));
        m_root = std::move(root);
        ++m_depth;
    }
    ++m_count;
}

void RowHeightIndex::Clear()
{
    m_root = std::make_unique<Node>();
    m_count = 0;
}

bool RowHeightIndex::Find(std::int64_t position, Hit* hit) const
{
    if (m_count == 0)
        return false;
    const Node* node = m_root.get();
    std::size_t row = 0;
    std::int64_t start = 0;
    for (int level = m_depth; level > 0; --level) {
        std::size_t chosen = node->children.size() - 1;
        std::int64_t skipped = 0;
        for (std::size_t i = 0; i < node->children.size(); ++i) {
            if (skipped + node->children[i]->total >= position - start) {
                chosen = i;
                break;
            }
            if (i + 1 < node->children.size())
                skipped += node->children[i]->total;
        }
        start += skipped;
        row = row * kFanOut + chosen;
        node = node->children[chosen].get();
    }
    hit->row = row;
    hit->start = start;
    return true;
}

void RowHeightIndex::SetHeight(std::size_t row, int height)
{
    if (row >= m_count)
        return;
    std::vector<Node*> path { m_root.get() };
    std::size_t divisor = 1;
    for (int level = 1; level < m_depth; ++level)
        divisor *= kFanOut;
    for (int level = m_depth; level > 0; --level) {
        path.push_back(path.back()->children[(row / divisor) % kFanOut].get());
        divisor /= kFanOut;
    }
    const std::int64_t change = height - path.back()->total;
    for (Node* node : path)
        node->total += change;
}

std::int64_t RowHeightIndex::Total() const
{
    return m_root->total;
}

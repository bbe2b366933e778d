#include "activities/DragEngine.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace bs {

bool inCatchZone(const TwipsRect& box, float x, float y)
{
    // Bounds computed and compared in float, so they match the positions exactly.
    const float halfWidth = box.width / 2.0f;
    const float halfHeight = box.height / 2.0f;
    const float fromX = box.left - halfWidth;
    const float toX = box.left + box.width;
    const float fromY = box.top - halfHeight;
    const float toY = box.top + box.height;
    return x > fromX && x < toX && y > fromY && y < toY;
}

DragEngine::DragEngine(std::vector<TwipsRect> starts, std::vector<TwipsRect> targets)
    : m_items(starts)
    , m_targets(std::move(targets))
    , m_homes(std::move(starts))
{
    assert(m_items.size() == m_targets.size());
}

bool DragEngine::dragStep(int i, int buttons, float x, float y)
{
    if (buttons != LeftButton)
        return false;
    TwipsRect& item = m_items.at(i);
    item.left = item.left + x - item.width / 2.0f;
    item.top = item.top + y - item.height / 2.0f;
    return true;
}

void DragEngine::moveItem(int i, float left, float top)
{
    m_items.at(i).left = left;
    m_items.at(i).top = top;
}

bool DragEngine::snapInto(TwipsRect& item, const TwipsRect& box)
{
    if (!inCatchZone(box, item.left, item.top))
        return false;
    item.left = box.left;
    item.top = box.top;
    return true;
}

DragEngine::Drop DragEngine::drop(int i)
{
    Drop result;
    TwipsRect& item = m_items.at(i);
    for (int j = 0; j < count(); ++j) {
        if (snapInto(item, m_targets[j]))
            ++result.snaps;
        if (snapInto(item, m_homes[j]))
            ++result.snaps;
    }
    result.allPlaced = allPlaced();
    return result;
}

int DragEngine::placedCount() const
{
    int placed = 0;
    for (const TwipsRect& item : m_items) {
        for (const TwipsRect& target : m_targets) {
            if (item.left == target.left && item.top == target.top)
                ++placed;
        }
    }
    return placed;
}

void DragEngine::reset()
{
    for (int i = 0; i < count(); ++i)
        moveItem(i, m_homes[i].left, m_homes[i].top);
}

int DragEngine::score() const
{
    int right = 0;
    for (int i = 0; i < count(); ++i) {
        if (m_items[i].left == m_targets[i].left && m_items[i].top == m_targets[i].top)
            ++right;
    }
    return right;
}

// Numbers 1, 2, ... in reading order: rows top to bottom, each left to right, where a box
// less than half a box lower than a row's first still belongs to that row. The design index
// would tell the answer, as item i belongs in box i.
std::vector<int> readingNumbers(int count, const std::function<const TwipsRect&(int)>& box)
{
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return box(a).top < box(b).top; });
    std::vector<int> row(count);
    for (int k = 1, first = 0; k < count; ++k) {
        if (box(order[k]).top - box(order[first]).top >= box(order[first]).height / 2)
            first = k;
        row[order[k]] = first;
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return row[a] != row[b] ? row[a] < row[b] : box(a).left < box(b).left;
    });
    std::vector<int> numbers(count);
    for (int k = 0; k < count; ++k)
        numbers[order[k]] = k + 1;
    return numbers;
}

} // namespace bs

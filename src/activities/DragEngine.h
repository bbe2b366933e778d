#pragma once

#include <functional>
#include <vector>

namespace bs {

// A rectangle in twips, kept in single precision as the activity screens compare it.
struct TwipsRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// True when (x, y) lies in the catch zone of box: the open rectangle reaching half a box to
// the left of and above the box and ending at its right and bottom edges.
bool inCatchZone(const TwipsRect& box, float x, float y);

// Numbers 1, 2, ... in reading order for count boxes: rows top to bottom, each left to right,
// where a box less than half a box lower than a row's first still belongs to that row. Used
// wherever boxes are named or numbered, on screen and on paper.
std::vector<int> readingNumbers(int count, const std::function<const TwipsRect&(int)>& box);

// The positions of one drag-and-drop activity: n items, n target boxes (item i belongs in
// box i) and n home slots (where the items start). The positions are the whole state of an
// activity; the screen's widgets follow this model and are never read back.
class DragEngine
{
public:
    // Mouse buttons as a bit set: 1 left, 2 right, 4 middle.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    struct Drop
    {
        int snaps = 0;          // one thud for each
        bool allPlaced = false; // every item lies in some target box
    };

    DragEngine() = default;
    // starts[i] is item i's starting rectangle, which is also its home slot.
    DragEngine(std::vector<TwipsRect> starts, std::vector<TwipsRect> targets);

    int count() const { return static_cast<int>(m_items.size()); }
    const TwipsRect& item(int i) const { return m_items.at(i); }
    const TwipsRect& target(int i) const { return m_targets.at(i); }
    const TwipsRect& home(int i) const { return m_homes.at(i); }

    // One pointer movement over item i; (x, y) is the pointer in twips relative to the item's
    // top-left corner. Only the left button alone moves it: its centre goes to the pointer.
    // Returns whether the item moved.
    bool dragStep(int i, int buttons, float x, float y);
    // Places item i anywhere, as a drag would.
    void moveItem(int i, float left, float top);

    // Snaps a dropped item into the boxes and slots whose zones hold its corner, testing
    // target j then home j for j = 0 .. n-1, each on the position left by the last snap.
    Drop drop(int i);

    // The number of (item, target box) pairs at exactly the same place.
    int placedCount() const;
    bool allPlaced() const { return placedCount() == count(); }

    // Every item back into its own home slot.
    void reset();
    // Items lying exactly in their own target box.
    int score() const;

private:
    static bool snapInto(TwipsRect& item, const TwipsRect& box);

    std::vector<TwipsRect> m_items;
    std::vector<TwipsRect> m_targets;
    std::vector<TwipsRect> m_homes;
};

} // namespace bs

#pragma once
// The rules that tie the column design page's inputs together, kept apart
// from the widgets: the size list and shape rules, the floor list with the
// heights that follow from it, the piece count of round columns and the
// enabling of the fbx/fsx option. The window applies their results to its
// controls; they change only the item's fields named below.
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class CommonData;
struct MemberInputData;

// The whole number at the start of `text`: leading blanks skipped, an
// optional sign, decimal digits. Text without digits (such as "任意") gives
// 0; a number beyond the int range saturates.
[[nodiscard]] int LeadingInteger(std::string_view text);

// Wind is considered when the project has a velocity pressure, which is the
// case exactly when the building height is not 0.
[[nodiscard]] bool WindConsidered(const CommonData& common);

// What the size rules leave enabled.
struct SizeControlState {
    bool sizeSelectEnabled = false;
    bool sizeBEnabled = false;
    bool sizeDEnabled = false;
    bool subMembersEnabled = false;
};

// The size list and shape rules on `item` with the size code of the chosen
// entry (0 for "任意"): the code follows it (0 and B = 0 for a round column)
// and, for a code of the size table, B and D; a code that is no size of the
// table leaves B and D as they are. B := D for a rectangular section without
// width, no lintel-support pieces unless 2x4 below size 400. `sizeEntries`
// is the size list's entry count, `sizeSelected` its selected index (-1 for
// none); `productShows2x4` tells whether the product choice shows 2x4 lumber.
SizeControlState ApplySizeCodeRules(MemberInputData& item, int chosenCode, int sizeEntries, int sizeSelected,
                                    bool productShows2x4);

// A round sawn-lumber column is one piece: Members becomes 1 for a round
// column with more pieces. Returns whether the piece count can be edited.
bool ApplyRoundPieceRule(MemberInputData& item);

// The fbx/fsx option applies only with wind, to a section at least as wide
// as deep, of glulam (single-grade lay-up or evaluated laminae), LVL or the
// glulam column.
[[nodiscard]] bool UseAxisXAllowed(const MemberInputData& item, bool windConsidered);

// Entries of the floor list: "直接" first when wind is considered, then
// "  n" (two blanks and the storey number) for each wooden storey n; with
// wind the list ends at the first storey without a height.
[[nodiscard]] std::vector<std::string> FloorEntries(const CommonData& common);
// The same list as the floor index each entry stands for: 0 for "直接",
// n for storey n.
[[nodiscard]] std::vector<int> FloorValues(const CommonData& common);

// Whether the floor list, or with wind the mid-height a storey entry sets as
// Z, differs between the common conditions `before` and `after`: the shown
// item is then fitted to the floor list again.
[[nodiscard]] bool FloorsDiffer(const CommonData& before, const CommonData& after);

struct FloorSelection {
    int selected = -1;    // entry to select, -1 for none
    bool enabled = false; // the list has entries
};

// Aligns the floor list of `FloorValues` with the item: selects the entry of
// its FloorIndex, or corrects FloorIndex to the entry chosen in its place;
// with wind and a storey entry selected, HeightZ becomes that storey's
// mid-height.
FloorSelection SyncFloorValue(const std::vector<int>& values, MemberInputData& item, const CommonData& common);

} // namespace tarvo

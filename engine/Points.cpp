// SPDX-License-Identifier: GPL-3.0-or-later
#include "Points.h"

#include "BesideState.h"

#include "core/State.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Changes kept for undo and redo: more than the undo pool can reach back
// and forward, at one change a step.  A power of two, so that the places
// of the ring wrap around with a mask.
constexpr unsigned HistorySize = 32;

// A change of the list.  A Σ+ appends one point, which the change holds
// itself; any other change lists the points removed, at their indices in
// the list before (ascending), then the points inserted, at their indices
// in the list after (ascending).  Undone, the inserted go and the removed
// return.
struct Change {
    uint32_t before = 0;
    uint32_t after = 0;
    bool append = false;
    DataPoint appended{0, 0};
    std::vector<std::size_t> removedAt;
    std::vector<DataPoint> removed;
    std::vector<std::size_t> insertedAt;
    std::vector<DataPoint> inserted;
};

struct Store {
    std::vector<DataPoint> list;
    uint32_t version = 0;     // the version the list is at
    uint32_t nextVersion = 1; // never undone, so that a version names one list
    // The changes kept, oldest first in ring order from `first`: `applied`
    // of them lead to the list as it is, then `undone` that redo can bring
    // back.
    Change ring[HistorySize];
    unsigned first = 0;
    unsigned applied = 0;
    unsigned undone = 0;
    bool kept = true;
};

Store TheStore;

Store& Points()
{
    return TheStore;
}

PointsState& State()
{
    return Beside.points;
}

Change& Slot(unsigned i)
{
    Store& s = Points();
    return s.ring[(s.first + i) & (HistorySize - 1)];
}

// The text of the points in the settings file: "x:y/x:y", of characters
// that no reader of INI files takes for anything but text.
constexpr char CoordinateSeparator = ':';
constexpr char PointSeparator = '/';

// Loaded versions stay far below the largest, so that a session never
// wraps around.
constexpr uint32_t LastLoadedVersion = 0x7FFFFFFF;

void RemoveAt(std::vector<DataPoint>& list, const std::vector<std::size_t>& at)
{
    if (at.empty())
        return;
    std::size_t write = at.front(), k = 0;
    for (std::size_t read = at.front(); read < list.size(); ++read) {
        if (k < at.size() && at[k] == read) {
            ++k;
            continue;
        }
        list[write++] = list[read];
    }
    list.resize(write);
}

// Inserts points[k] so that it ends at index at[k]; filled from the end,
// so that appending moves nothing.
void InsertAt(std::vector<DataPoint>& list, const std::vector<std::size_t>& at, const std::vector<DataPoint>& points)
{
    std::size_t source = list.size(), k = at.size();
    list.resize(list.size() + at.size());
    for (std::size_t target = list.size(); k > 0;) {
        --target;
        if (at[k - 1] == target)
            list[target] = points[--k];
        else
            list[target] = list[--source];
    }
}

void Apply(const Change& change, bool forward)
{
    Store& s = Points();
    if (change.append) {
        if (forward)
            s.list.push_back(change.appended);
        else
            s.list.pop_back();
        s.version = forward ? change.after : change.before;
        return;
    }
    if (forward) {
        RemoveAt(s.list, change.removedAt);
        InsertAt(s.list, change.insertedAt, change.inserted);
        s.version = change.after;
    } else {
        RemoveAt(s.list, change.insertedAt);
        InsertAt(s.list, change.removedAt, change.removed);
        s.version = change.before;
    }
}

// Brings the list to the version that the state shows: back through the
// changes applied, or forward through those undone.  A version no change
// leads to (which only a damaged history could give) is taken as the list
// stands.
void SyncTo(uint32_t target)
{
    Store& s = Points();
    for (unsigned i = s.applied; i-- > 0;) {
        if (Slot(i).before != target)
            continue;
        while (s.applied > i) {
            Apply(Slot(--s.applied), false);
            ++s.undone;
        }
        return;
    }
    for (unsigned i = 0; i < s.undone; ++i) {
        if (Slot(s.applied + i).after != target)
            continue;
        for (unsigned j = 0; j <= i; ++j) {
            Apply(Slot(s.applied++), true);
            --s.undone;
        }
        return;
    }
    s.version = target;
    s.applied = s.undone = 0;
}

inline void Sync()
{
    const uint32_t target = State().version;
    if (Points().version != target)
        SyncTo(target);
}

template <typename T>
void Empty(std::vector<T>& v)
{
    // A large change gives its memory back when its place is reused.
    if (v.capacity() > 4096)
        std::vector<T>().swap(v);
    else
        v.clear();
}

// A new change after the list as the state shows it; redo can no longer
// reach the changes undone.  Fill it in (an append needs only its point),
// then Commit.
Change& NewChange(bool append = false)
{
    Sync();
    Store& s = Points();
    s.undone = 0;
    if (s.applied == HistorySize) {
        s.first = (s.first + 1) & (HistorySize - 1);
        --s.applied;
    }
    Change& change = Slot(s.applied);
    change.append = append;
    if (!append) {
        Empty(change.removedAt);
        Empty(change.removed);
        Empty(change.insertedAt);
        Empty(change.inserted);
    }
    change.before = s.version;
    change.after = s.nextVersion;
    return change;
}

void Commit(Change& change)
{
    Store& s = Points();
    ++s.applied;
    ++s.nextVersion;
    Apply(change, true);
    State().version = s.version;
}

// A number of the points' text, as std::from_chars reads it.  Most are
// short decimals such as "12.5": up to 15 digits and no exponent make a
// whole number below 2^53 and a power of ten below 10^23, both exact, and
// their quotient is the double nearest the decimal, as from_chars gives it
// at several times the cost.  So reading 10,000 points at start-up costs
// little.
std::from_chars_result ReadNumber(const char* p, const char* end, double& value)
{
    static const double PowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* q = p;
    const bool negative = q < end && *q == '-';
    q += negative;
    uint64_t digits = 0;
    int count = 0, decimals = -1;
    for (; q < end && count <= 15; ++q) {
        if (*q >= '0' && *q <= '9') {
            digits = digits * 10 + uint64_t(*q - '0');
            ++count;
            decimals += decimals >= 0;
        } else if (*q == '.' && decimals < 0) {
            decimals = 0;
        } else {
            break;
        }
    }
    const bool plain = count > 0 && count <= 15 && decimals != 0 && (q == end || (*q != 'e' && *q != '.' &&
                                                                                   (*q < '0' || *q > '9')));
    if (!plain)
        return std::from_chars(p, end, value);
    const double whole = double(digits) / PowersOfTen[decimals < 0 ? 0 : decimals];
    value = negative ? -whole : whole;
    return {q, std::errc()};
}

bool SumsHoldNothing()
{
    for (int r = RegSumX; r <= RegCount; ++r)
        if (double(Regs.registers[r]) != 0.0)
            return false;
    return true;
}

// The terms of a point in the order of the sums 110..114.
void Terms(double x, double y, double terms[5])
{
    terms[0] = x;
    terms[1] = x * x;
    terms[2] = y;
    terms[3] = y * y;
    terms[4] = x * y;
}

// Neumaier's compensated sum, so that the list's own rounding never makes
// it differ from the registers.
struct CompensatedSum {
    double sum = 0, carry = 0;
    void add(double term)
    {
        const double t = sum + term;
        carry += std::fabs(sum) >= std::fabs(term) ? (sum - t) + term : (term - t) + sum;
        sum = t;
    }
    double total() const { return sum + carry; }
};

bool SumAgrees(double registerValue, double listSum, double magnitude)
{
    if (std::isnan(registerValue) || std::isnan(listSum))
        return std::isnan(registerValue) && std::isnan(listSum);
    if (registerValue == listSum)
        return true;
    return std::fabs(registerValue - listSum) <= 1e-12 * magnitude;
}

void ClearList()
{
    const std::vector<DataPoint>& list = StatisticsPoints();
    if (list.empty())
        return;
    Change& change = NewChange();
    change.removed = list;
    change.removedAt.resize(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        change.removedAt[i] = i;
    Commit(change);
}

} // namespace

const std::vector<DataPoint>& StatisticsPoints()
{
    Sync();
    return Points().list;
}

PointsGap StatisticsPointsGap()
{
    return PointsGap(State().gap);
}

PointsAgreement PointsAgree()
{
    if (State().gap != PointsWhole)
        return PointsAgreement::Incomplete;
    const std::vector<DataPoint>& list = StatisticsPoints();
    if (!(double(Regs.registers[RegCount]) == double(list.size())))
        return PointsAgreement::Differ;
    CompensatedSum sums[5];
    double magnitude[5] = {};
    for (const DataPoint& p : list) {
        double terms[5];
        Terms(p.x, p.y, terms);
        for (int k = 0; k < 5; ++k) {
            sums[k].add(terms[k]);
            magnitude[k] += std::fabs(terms[k]);
        }
    }
    for (int k = 0; k < 5; ++k) {
        const double scale = magnitude[k] + 2 * double(State().magnitude[k]);
        if (!SumAgrees(Regs.registers[RegSumX + k], sums[k].total(), scale))
            return PointsAgreement::Differ;
    }
    return PointsAgreement::Match;
}

void CountRemovedTerms(double x, double y)
{
    if (!Points().kept)
        return;
    double terms[5];
    Terms(x, y, terms);
    for (int k = 0; k < 5; ++k)
        State().magnitude[k] += std::fabs(terms[k]);
}

void AppendPoint(double x, double y)
{
    if (!Points().kept)
        return;
    if (StatisticsPoints().size() >= PointsCapacity) {
        if (State().gap == PointsWhole)
            State().gap = PointsPastLimit;
        return;
    }
    Change& change = NewChange(true);
    change.appended = {x, y};
    Commit(change);
}

void RemoveLastEqualPoint(double x, double y)
{
    if (!Points().kept)
        return;
    const std::vector<DataPoint>& list = StatisticsPoints();
    for (std::size_t i = list.size(); i-- > 0;) {
        if (list[i].x == x && list[i].y == y) {
            RemovePoints({i});
            return;
        }
    }
}

bool AppendPoints(const std::vector<DataPoint>& points)
{
    const std::size_t size = StatisticsPoints().size();
    if (points.size() > PointsCapacity - size)
        return false;
    if (points.empty())
        return true;
    Change& change = NewChange();
    change.inserted = points;
    change.insertedAt.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        change.insertedAt[i] = size + i;
    Commit(change);
    return true;
}

void ReplacePoint(std::size_t index, DataPoint point)
{
    if (index >= StatisticsPoints().size())
        return;
    Change& change = NewChange();
    change.removedAt.push_back(index);
    change.removed.push_back(Points().list[index]);
    change.insertedAt.push_back(index);
    change.inserted.push_back(point);
    Commit(change);
}

void RemovePoints(std::vector<std::size_t> indices)
{
    const std::vector<DataPoint>& list = StatisticsPoints();
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    while (!indices.empty() && indices.back() >= list.size())
        indices.pop_back();
    if (indices.empty())
        return;
    Change& change = NewChange();
    change.removedAt = indices;
    for (std::size_t i : indices)
        change.removed.push_back(list[i]);
    Commit(change);
}

void ClearPoints()
{
    ClearList();
    State().gap = PointsWhole;
    ClearRemovedTerms();
}

void ClearPointListApart()
{
    ClearList();
    State().gap = SumsHoldNothing() ? PointsWhole : PointsUnlisted;
}

void ClearRemovedTerms()
{
    for (F64& magnitude : State().magnitude)
        magnitude = 0.0;
}

void SetPointsKept(bool kept)
{
    Points().kept = kept;
}

void ResetPoints()
{
    Store& s = Points();
    s.list.clear();
    s.version = 0;
    s.nextVersion = 1;
    s.first = s.applied = s.undone = 0;
    std::memset(&State(), 0, sizeof(PointsState));
}

// The group holds the state as the hexadecimal text of its bytes and the
// points, oldest first, as "x:y" each, separated by "/": every number the
// shortest text that reads back as the same double, so that the list is
// kept bit for bit in a fraction of the text of its bytes.
BesideEntries SavePoints()
{
    const std::vector<DataPoint>& list = StatisticsPoints();
    std::string text;
    text.reserve(list.size() * 12);
    char number[32];
    for (const DataPoint& p : list) {
        if (!text.empty())
            text += PointSeparator;
        text.append(number, std::to_chars(number, number + sizeof number, p.x).ptr);
        text += CoordinateSeparator;
        text.append(number, std::to_chars(number, number + sizeof number, p.y).ptr);
    }
    return {{"state", HexText(&State(), sizeof(PointsState))}, {"points", text}};
}

bool LoadPoints(const BesideReader& read)
{
    ResetPoints();
    std::string stateText, pointsText;
    const bool hasState = read("state", stateText), hasPoints = read("points", pointsText);
    if (!hasState && !hasPoints) {
        // A file from before the list was kept.
        State().gap = SumsHoldNothing() ? PointsWhole : PointsUnlisted;
        return true;
    }
    // The points that can be read: whole points, up to the first number
    // that cannot, and no more than the list holds.
    Store& s = Points();
    const char* p = pointsText.data();
    const char* const end = p + pointsText.size();
    double pair[2];
    int half = 0;
    while (p < end && s.list.size() < PointsCapacity) {
        const std::from_chars_result r = ReadNumber(p, end, pair[half]);
        const char separator = half == 0 ? CoordinateSeparator : PointSeparator;
        if (r.ec != std::errc() || (r.ptr != end && *r.ptr != separator) || (r.ptr == end && half == 0))
            break;
        p = r.ptr == end ? end : r.ptr + 1;
        if (++half == 2) {
            s.list.push_back({pair[0], pair[1]});
            half = 0;
        }
    }

    PointsState state;
    bool stateGood = HexBytes(stateText, &state, sizeof state) && state.gap <= PointsUnlisted &&
                     uint32_t(state.version) <= LastLoadedVersion;
    for (int k = 0; stateGood && k < 5; ++k)
        stateGood = std::isfinite(double(state.magnitude[k])) && double(state.magnitude[k]) >= 0;
    // Without its state the list is taken as it is: whether it agrees with
    // the sums then shows.
    if (stateGood)
        State() = state;
    s.version = State().version;
    s.nextVersion = s.version + 1;
    return hasState && hasPoints && stateGood && p == end && half == 0;
}

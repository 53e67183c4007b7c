#include "ControlPairing.h"

#include <algorithm>
#include <map>
#include <string>

namespace velb {

namespace {

using Group = std::vector<int>; // statement indexes, in order

bool sameText(const Statement& a, const Statement& b) {
    if (!a.textField || !b.textField)
        return a.textField.has_value() == b.textField.has_value();
    return sameField(a, *a.textField, b, *b.textField);
}

bool sameRectangle(const Statement& a, const Statement& b) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (!sameField(a, *a.coordinateField + i, b, *b.coordinateField + i))
            return false;
    }
    return true;
}

// Pairs two runs of statements: the longest common subsequence of confirmed pairs first, then,
// between two such pairs, the rest in order where both sides left as many.
void alignGroup(const DialogStatements& from, const Group& a, const DialogStatements& to, const Group& b,
                Confirmation confirmation, std::vector<int>& partner) {
    const auto confirmed = [&](int i, int j) {
        const Statement& x = from.statements[a[i]];
        const Statement& y = to.statements[b[j]];
        return confirmation == Confirmation::Text ? sameText(x, y) : sameRectangle(x, y);
    };
    const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
    std::vector<int> length(static_cast<std::size_t>((n + 1) * (m + 1)), 0);
    const auto at = [m](int i, int j) { return static_cast<std::size_t>(i * (m + 1) + j); };
    for (int i = n - 1; i >= 0; --i) {
        for (int j = m - 1; j >= 0; --j)
            length[at(i, j)] =
                confirmed(i, j) ? length[at(i + 1, j + 1)] + 1 : std::max(length[at(i + 1, j)], length[at(i, j + 1)]);
    }
    int gapA = 0, gapB = 0; // where the unconfirmed run since the last anchor began
    const auto fillGap = [&](int endA, int endB) {
        if (endA - gapA == endB - gapB) {
            for (int k = 0; gapA + k < endA; ++k)
                partner[a[gapA + k]] = b[gapB + k];
        }
    };
    for (int i = 0, j = 0; i < n && j < m;) {
        if (confirmed(i, j) && length[at(i, j)] == length[at(i + 1, j + 1)] + 1) {
            fillGap(i, j);
            partner[a[i]] = b[j];
            gapA = ++i;
            gapB = ++j;
        } else if (length[at(i + 1, j)] >= length[at(i, j + 1)]) {
            ++i;
        } else {
            ++j;
        }
    }
    fillGap(n, m);
}

// What must match for a control whose ID differs on the two sides: between releases its text,
// between an English dialog and its translation (where a translator may have mistyped an ID)
// its rectangle.
std::u16string renamedKey(const Statement& statement, Confirmation confirmation) {
    std::u16string key(statement.keyword);
    if (confirmation == Confirmation::Text)
        return key + u'\n' + fieldKey(statement, *statement.textField);
    for (std::size_t i = 0; i < 4; ++i)
        key += u'\n' + fieldKey(statement, *statement.coordinateField + i);
    return key;
}

// Pairs the controls left over when that key names one control on each side.
void pairRenamed(const DialogStatements& from, const DialogStatements& to, Confirmation confirmation,
                 std::vector<int>& partner) {
    std::vector<bool> taken(to.statements.size(), false);
    for (const int j : partner) {
        if (j >= 0)
            taken[j] = true;
    }
    const auto leftovers = [confirmation](const DialogStatements& dialog, auto isFree) {
        std::map<std::u16string, std::vector<int>> byKey;
        for (int i = 0; i < static_cast<int>(dialog.statements.size()); ++i) {
            const Statement& s = dialog.statements[i];
            const bool keyed = confirmation == Confirmation::Coordinates || s.textField;
            if (s.kind == Statement::Kind::Control && keyed && isFree(i))
                byKey[renamedKey(s, confirmation)].push_back(i);
        }
        return byKey;
    };
    const auto fromLeft = leftovers(from, [&](int i) { return partner[i] < 0; });
    const auto toLeft = leftovers(to, [&](int j) { return !taken[j]; });
    for (const auto& [key, statements] : fromLeft) {
        const auto match = toLeft.find(key);
        if (statements.size() == 1 && match != toLeft.end() && match->second.size() == 1)
            partner[statements.front()] = match->second.front();
    }
}

// Controls still unpaired between two pairs that follow each other on both sides are paired in
// order, when there are as many on each side and their forms agree: a control whose ID and
// rectangle both differ keeps its place among the others.
void pairByPlace(const DialogStatements& from, const DialogStatements& to, std::vector<int>& partner) {
    const auto isControl = [](const DialogStatements& d, int i) {
        return d.statements[i].kind == Statement::Kind::Control;
    };
    std::vector<bool> taken(to.statements.size(), false);
    for (const int j : partner) {
        if (j >= 0)
            taken[j] = true;
    }
    int fromStart = 0, toStart = 0;
    const int fromCount = static_cast<int>(from.statements.size());
    for (int i = 0; i <= fromCount; ++i) {
        const bool anchor = i == fromCount || partner[i] >= toStart;
        if (!anchor)
            continue;
        const int toEnd = i == fromCount ? static_cast<int>(to.statements.size()) : partner[i];
        std::vector<int> a, b;
        for (int k = fromStart; k < i; ++k) {
            if (isControl(from, k) && partner[k] < 0)
                a.push_back(k);
        }
        for (int k = toStart; k < toEnd; ++k) {
            if (isControl(to, k) && !taken[k])
                b.push_back(k);
        }
        const bool sameForms = a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](int x, int y) {
                                   return from.statements[x].keyword == to.statements[y].keyword;
                               });
        if (sameForms) {
            for (std::size_t k = 0; k < a.size(); ++k)
                partner[a[k]] = b[k];
        }
        fromStart = i + 1;
        toStart = toEnd + 1;
    }
}

// Statements grouped by what must be equal for a pair: the options by keyword, the controls by
// form and ID.
std::map<std::u16string, Group> groups(const DialogStatements& dialog) {
    std::map<std::u16string, Group> grouped;
    for (int i = 0; i < static_cast<int>(dialog.statements.size()); ++i) {
        const Statement& s = dialog.statements[i];
        if (s.kind == Statement::Kind::Option)
            grouped[std::u16string(s.keyword)].push_back(i);
        else if (s.kind == Statement::Kind::Control)
            grouped[std::u16string(s.keyword) + u'\n' + fieldKey(s, *s.idField)].push_back(i);
    }
    return grouped;
}

} // namespace

std::vector<int> pairStatements(const DialogStatements& from, const DialogStatements& to, Confirmation confirmation) {
    std::vector<int> partner(from.statements.size(), -1);
    const auto isHeader = [](const DialogStatements& d) {
        return !d.statements.empty() && d.statements.front().kind == Statement::Kind::Header &&
               d.statements.front().coordinateField;
    };
    if (isHeader(from) && isHeader(to))
        partner[0] = 0;
    const auto toGroups = groups(to);
    for (const auto& [key, group] : groups(from)) {
        const auto other = toGroups.find(key);
        if (other == toGroups.end())
            continue;
        // Optional statements have no rectangle: one of a keyword is paired with the one.
        const bool options = from.statements[group.front()].kind == Statement::Kind::Option;
        alignGroup(from, group, to, other->second, options ? Confirmation::Text : confirmation, partner);
    }
    pairRenamed(from, to, confirmation, partner);
    pairByPlace(from, to, partner);
    return partner;
}

} // namespace velb

#include "ControlPairing.h"

#include <map>
#include <string>
#include <utility>

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

// A control whose ID changed between releases keeps its text: pair such leftovers when the
// text names one control of the form on each side.
void pairRenamed(const DialogStatements& from, const DialogStatements& to, std::vector<int>& partner) {
    std::vector<bool> taken(to.statements.size(), false);
    for (const int j : partner) {
        if (j >= 0)
            taken[j] = true;
    }
    using Key = std::pair<std::u16string_view, std::u16string_view>;
    const auto leftovers = [](const DialogStatements& dialog, auto isFree) {
        std::map<Key, std::vector<int>> byText;
        for (int i = 0; i < static_cast<int>(dialog.statements.size()); ++i) {
            const Statement& s = dialog.statements[i];
            if (s.kind == Statement::Kind::Control && s.textField && isFree(i))
                byText[{s.keyword, s.tokens[s.fields[*s.textField].first].text}].push_back(i);
        }
        return byText;
    };
    const auto fromLeft = leftovers(from, [&](int i) { return partner[i] < 0; });
    const auto toLeft = leftovers(to, [&](int j) { return !taken[j]; });
    for (const auto& [key, statements] : fromLeft) {
        const auto match = toLeft.find(key);
        if (statements.size() == 1 && match != toLeft.end() && match->second.size() == 1)
            partner[statements.front()] = match->second.front();
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
    if (confirmation == Confirmation::Text)
        pairRenamed(from, to, partner);
    return partner;
}

} // namespace velb

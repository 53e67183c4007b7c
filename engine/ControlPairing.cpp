#include "ControlPairing.h"

#include <algorithm>
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

// Pairs two runs of statements by the longest common subsequence of confirmed pairs.
void anchorGroup(const DialogStatements& from, const Group& a, const DialogStatements& to, const Group& b,
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
    for (int i = 0, j = 0; i < n && j < m;) {
        if (confirmed(i, j) && length[at(i, j)] == length[at(i + 1, j + 1)] + 1)
            partner[a[i++]] = b[j++];
        else if (length[at(i + 1, j)] >= length[at(i, j + 1)])
            ++i;
        else
            ++j;
    }
}

// Between two pairs that follow each other in a and in b, the controls still unpaired are
// paired in order when each side has as many and their forms agree: a control that nothing
// confirmed keeps its place among the others, and one added or dropped pairs with nothing.
void fillGaps(const DialogStatements& from, const Group& a, const DialogStatements& to, const Group& b,
              std::vector<int>& partner) {
    std::vector<int> placeInB(to.statements.size(), -1);
    for (int k = 0; k < static_cast<int>(b.size()); ++k)
        placeInB[b[k]] = k;
    std::vector<bool> taken(to.statements.size(), false);
    for (const int j : partner) {
        if (j >= 0)
            taken[j] = true;
    }
    const auto isControl = [](const DialogStatements& d, int i) {
        return d.statements[i].kind == Statement::Kind::Control;
    };
    int gapA = 0, gapB = 0;
    const int n = static_cast<int>(a.size());
    for (int i = 0; i <= n; ++i) {
        const bool anchor = i == n || (partner[a[i]] >= 0 && placeInB[partner[a[i]]] >= gapB);
        if (!anchor)
            continue;
        const int endB = i == n ? static_cast<int>(b.size()) : placeInB[partner[a[i]]];
        Group left, right;
        for (int k = gapA; k < i; ++k) {
            if (isControl(from, a[k]) && partner[a[k]] < 0)
                left.push_back(a[k]);
        }
        for (int k = gapB; k < endB; ++k) {
            if (isControl(to, b[k]) && !taken[b[k]])
                right.push_back(b[k]);
        }
        const bool sameForms =
            left.size() == right.size() && std::equal(left.begin(), left.end(), right.begin(), [&](int x, int y) {
                return from.statements[x].keyword == to.statements[y].keyword;
            });
        if (sameForms) {
            for (std::size_t k = 0; k < left.size(); ++k)
                partner[left[k]] = right[k];
        }
        gapA = i + 1;
        gapB = endB + 1;
    }
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

// What must be equal for a pair: the keyword of an optional statement, the form and ID of a
// control. The ID is its text as written, a view into the dialog.
struct Keyed {
    std::u16string_view keyword;
    std::u16string_view id;
    int index;
    bool operator<(const Keyed& other) const {
        return keyword != other.keyword ? keyword < other.keyword : id < other.id;
    }
};

std::u16string_view idText(const Statement& statement) {
    const Field& field = statement.fields[*statement.idField];
    if (field.first == field.end)
        return {};
    const Token& first = statement.tokens[field.first];
    const Token& last = statement.tokens[field.end - 1];
    return {first.text.data(), static_cast<std::size_t>(last.text.data() + last.text.size() - first.text.data())};
}

// The statements that take part in pairing, sorted by key, each key's in file order.
std::vector<Keyed> keyedStatements(const DialogStatements& dialog) {
    std::vector<Keyed> keyed;
    for (int i = 0; i < static_cast<int>(dialog.statements.size()); ++i) {
        const Statement& s = dialog.statements[i];
        if (s.kind == Statement::Kind::Option)
            keyed.push_back({s.keyword, {}, i});
        else if (s.kind == Statement::Kind::Control)
            keyed.push_back({s.keyword, idText(s), i});
    }
    std::stable_sort(keyed.begin(), keyed.end());
    return keyed;
}

// The groups of one key on both sides, for every key both sides have.
std::vector<std::pair<Group, Group>> sharedGroups(const DialogStatements& from, const DialogStatements& to) {
    const std::vector<Keyed> a = keyedStatements(from), b = keyedStatements(to);
    std::vector<std::pair<Group, Group>> shared;
    for (auto i = a.begin(), j = b.begin(); i != a.end() && j != b.end();) {
        if (*i < *j) {
            ++i;
        } else if (*j < *i) {
            ++j;
        } else {
            auto& [left, right] = shared.emplace_back();
            for (const Keyed key = *i; i != a.end() && !(key < *i); ++i)
                left.push_back(i->index);
            for (const Keyed key = *j; j != b.end() && !(key < *j); ++j)
                right.push_back(j->index);
        }
    }
    return shared;
}

Group everyStatement(const DialogStatements& dialog) {
    Group all(dialog.statements.size());
    for (int i = 0; i < static_cast<int>(all.size()); ++i)
        all[i] = i;
    return all;
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
    // What confirms a pair goes first; order pairs the rest, first among the controls of one
    // ID, then among all the dialog's statements.
    const std::vector<std::pair<Group, Group>> shared = sharedGroups(from, to);
    for (const auto& [a, b] : shared) {
        if (from.statements[a.front()].kind == Statement::Kind::Control) {
            anchorGroup(from, a, to, b, confirmation, partner);
            continue;
        }
        // Optional statements: the n-th of a keyword is the n-th.
        for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k)
            partner[a[k]] = b[k];
    }
    pairRenamed(from, to, confirmation, partner);
    for (const auto& [a, b] : shared)
        fillGaps(from, a, to, b, partner);
    fillGaps(from, everyStatement(from), to, everyStatement(to), partner);
    return partner;
}

} // namespace velb

#include "writer_checks.h"

#include <algorithm>
#include <charconv>

std::vector<ModelWord> PuzzleModel::clueOrder() const
{
    std::vector<ModelWord> order = words;
    std::stable_sort(order.begin(), order.end(), [](const ModelWord &a, const ModelWord &b) {
        return a.number != b.number ? a.number < b.number : a.across && !b.across;
    });
    return order;
}

PuzzleModel ModelOf(const Puzzle &p, std::string_view title)
{
    PuzzleModel model;
    model.cols = p.gcols;
    model.rows = p.grows;
    model.title = std::string(title);
    model.background = GRID_BOX_COLOURS.at(std::size_t(p.gboxidx));
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &e = p.Words[i];
        ModelWord word{i, e.word.trimmed(), e.clue.trimmed(), e.nbr, e.gc, e.gr, e.lw, e.across()};
        for (int k = 0; k < word.length; ++k) {
            const std::pair<int, int> cell{word.cellCol(k), word.cellRow(k)};
            model.letters[cell] = word.text.at(std::size_t(k));
            model.answers[cell] = p.Pgrid(cell.first, cell.second);
        }
        model.words.push_back(std::move(word));
    }
    return model;
}

std::optional<std::string> DecodeEntities(std::string_view html)
{
    static const std::pair<std::string_view, char> named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string out;
    for (std::size_t at = 0; at < html.size();) {
        if (html[at] != '&') {
            out += html[at++];
            continue;
        }
        const std::size_t end = html.find(';', at);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view name = html.substr(at + 1, end - at - 1);
        at = end + 1;
        const auto known = std::find_if(std::begin(named), std::end(named), [&](auto &n) { return n.first == name; });
        if (known != std::end(named)) {
            out += known->second;
            continue;
        }
        const bool hex = name.starts_with("#x") || name.starts_with("#X");
        const std::string_view digits = name.substr(hex ? 2 : 1);
        unsigned value = 0;
        const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
        if (!name.starts_with("#") || digits.empty() || error != std::errc() || stop != digits.data() + digits.size()
            || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        out += EncodeUtf8(char32_t(value));
    }
    return out;
}

std::optional<std::string> DecodeBase64(std::string_view text)
{
    constexpr std::string_view digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const std::string_view group = text.substr(i, 4);
        const bool last = i + 4 == text.size();
        const std::size_t pad = group.ends_with("==") ? 2 : group.ends_with('=') ? 1 : 0;
        if (pad > 0 && !last)
            return std::nullopt;
        unsigned bits = 0;
        for (std::size_t k = 0; k < 4 - pad; ++k) {
            const std::size_t v = digits.find(group[k]);
            if (v == std::string_view::npos)
                return std::nullopt;
            bits |= unsigned(v) << (18 - 6 * k);
        }
        for (std::size_t k = 0; k < 3 - pad; ++k)
            out += char(bits >> (16 - 8 * k) & 0xFF);
    }
    return out;
}

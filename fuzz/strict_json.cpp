#include "strict_json.h"

#include "oracle_text.h"

#include <charconv>

namespace {

constexpr int MAX_DEPTH = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    JsonRead document()
    {
        JsonRead read;
        skipBlanks();
        if (!value(read.value, 0))
            return {{}, m_fault};
        skipBlanks();
        if (m_at != m_text.size())
            return {{}, at("text after the value")};
        return read;
    }

private:
    std::string at(const std::string &what) const { return what + " at byte " + std::to_string(m_at); }
    bool fail(const std::string &what)
    {
        if (m_fault.empty())
            m_fault = at(what);
        return false;
    }
    bool more() const { return m_at < m_text.size(); }
    char peek() const { return more() ? m_text[m_at] : '\0'; }
    void skipBlanks()
    {
        while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_at;
    }
    bool take(char c)
    {
        if (!more() || peek() != c)
            return false;
        ++m_at;
        return true;
    }
    bool literal(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            return fail("an unknown word");
        m_at += word.size();
        return true;
    }

    bool value(JsonValue &out, int depth)
    {
        if (depth > MAX_DEPTH)
            return fail("nesting too deep");
        switch (peek()) {
        case '{': return object(out, depth);
        case '[': return array(out, depth);
        case '"': out.kind = JsonValue::Kind::String; return string(out.text);
        case 't':
            out.kind = JsonValue::Kind::Bool;
            out.boolean = true;
            return literal("true");
        case 'f': out.kind = JsonValue::Kind::Bool; return literal("false");
        case 'n': out.kind = JsonValue::Kind::Null; return literal("null");
        default: out.kind = JsonValue::Kind::Number; return number(out.text);
        }
    }

    bool object(JsonValue &out, int depth)
    {
        out.kind = JsonValue::Kind::Object;
        ++m_at;
        skipBlanks();
        if (take('}'))
            return true;
        for (;;) {
            skipBlanks();
            std::string key;
            if (peek() != '"')
                return fail("a key that is not a string");
            if (!string(key))
                return false;
            if (out.member(key))
                return fail("the key \"" + key + "\" twice");
            skipBlanks();
            if (!take(':'))
                return fail("no colon after a key");
            skipBlanks();
            JsonValue item;
            if (!value(item, depth + 1))
                return false;
            out.keys.push_back(std::move(key));
            out.items.push_back(std::move(item));
            skipBlanks();
            if (take('}'))
                return true;
            if (!take(','))
                return fail("neither comma nor } in an object");
        }
    }

    bool array(JsonValue &out, int depth)
    {
        out.kind = JsonValue::Kind::Array;
        ++m_at;
        skipBlanks();
        if (take(']'))
            return true;
        for (;;) {
            skipBlanks();
            JsonValue item;
            if (!value(item, depth + 1))
                return false;
            out.items.push_back(std::move(item));
            skipBlanks();
            if (take(']'))
                return true;
            if (!take(','))
                return fail("neither comma nor ] in an array");
        }
    }

    bool digits()
    {
        const std::size_t from = m_at;
        while (more() && peek() >= '0' && peek() <= '9')
            ++m_at;
        return m_at > from;
    }

    bool number(std::string &out)
    {
        const std::size_t from = m_at;
        take('-');
        if (take('0')) {
            if (peek() >= '0' && peek() <= '9')
                return fail("a leading zero");
        } else if (!digits()) {
            return fail("no value");
        }
        if (take('.') && !digits())
            return fail("no digit after the point");
        if (take('e') || take('E')) {
            if (!take('+'))
                take('-');
            if (!digits())
                return fail("no digit in the exponent");
        }
        out = std::string(m_text.substr(from, m_at - from));
        return true;
    }

    bool hex4(char32_t &out)
    {
        if (m_text.size() - m_at < 4)
            return fail("a cut \\u escape");
        out = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = m_text[m_at++];
            const int v = h >= '0' && h <= '9' ? h - '0'
                : h >= 'a' && h <= 'f'         ? h - 'a' + 10
                : h >= 'A' && h <= 'F'         ? h - 'A' + 10
                                               : -1;
            if (v < 0)
                return fail("a \\u escape with a non-hex digit");
            out = out << 4 | char32_t(v);
        }
        return true;
    }

    bool string(std::string &out)
    {
        ++m_at;
        std::string raw;  // raw runs between escapes, checked as UTF-8 at the end
        for (;;) {
            if (!more())
                return fail("a string with no end");
            const char c = m_text[m_at];
            if (c == '"')
                break;
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("a raw control character in a string");
            if (c != '\\') {
                raw += c;
                ++m_at;
                continue;
            }
            ++m_at;
            if (!flush(raw, out))
                return false;
            const char e = more() ? m_text[m_at++] : '\0';
            const std::string_view simple = "\"\\/bfnrt";
            const std::string_view meant = "\"\\/\b\f\n\r\t";
            if (const std::size_t k = simple.find(e); e != '\0' && k != std::string_view::npos) {
                out += meant[k];
                continue;
            }
            if (e != 'u')
                return fail("an unknown escape");
            char32_t c32;
            if (!hex4(c32))
                return false;
            if (c32 >= 0xDC00 && c32 <= 0xDFFF)
                return fail("a lone low surrogate");
            if (c32 >= 0xD800 && c32 <= 0xDBFF) {
                char32_t low;
                if (!take('\\') || !take('u') || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                    return fail("a high surrogate without its low one");
                c32 = 0x10000 + ((c32 - 0xD800) << 10) + (low - 0xDC00);
            }
            out += EncodeUtf8(c32);
        }
        ++m_at;
        return flush(raw, out);
    }

    bool flush(std::string &raw, std::string &out)
    {
        if (!DecodeUtf8Strictly(raw).wellFormed)
            return fail("a string that is not UTF-8");
        out += raw;
        raw.clear();
        return true;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string m_fault;
};

}  // namespace

bool JsonValue::isInt(int &value) const
{
    if (kind != Kind::Number || text.find_first_of(".eE") != std::string::npos)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

const JsonValue *JsonValue::member(std::string_view key) const
{
    if (kind != Kind::Object)
        return nullptr;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key)
            return &items[i];
    return nullptr;
}

JsonRead ReadStrictJson(std::string_view text)
{
    return Parser(text).document();
}

// A strict JSON reader for the fuzz targets, after RFC 8259: one value and
// nothing but whitespace around it, no trailing commas, no leading zeros,
// only the escapes the grammar names, strings of well-formed UTF-8 with no
// raw control characters and no lone surrogates, no key twice in an object.
// A reader that accepts only what every reader accepts, so that a file it
// takes is read the same way everywhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;               // a string's UTF-8, or a number as written
    std::vector<JsonValue> items;   // an array's items, or an object's values
    std::vector<std::string> keys;  // an object's keys, in file order with its values

    bool isString() const { return kind == Kind::String; }
    // A number written as a whole number (no fraction, no exponent) that fits
    // in an int; otherwise false.
    bool isInt(int &value) const;
    // The member named key, or nullptr.
    const JsonValue *member(std::string_view key) const;
};

struct JsonRead {
    JsonValue value;
    std::string fault;  // "" when value holds the document; else what and where
};

JsonRead ReadStrictJson(std::string_view text);

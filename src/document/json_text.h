// JSON strings for the export formats, from UTF-8 text (an invalid byte
// becomes U+FFFD).
#pragma once

#include <string>
#include <string_view>

enum class JsonMarkup {
    Plain,         // the text as it is
    HtmlEntities,  // "&", "<", ">" as "&amp;", "&lt;", "&gt;": text a reader renders as HTML
    HtmlSafe,      // "&", "<", ">" as \u0026, \u003c, \u003e: JSON inside an HTML page, which
                   // then holds no "</script" or "<!--" whatever the text
};

// The text quoted, with '"', '\' and control characters escaped.
std::string JsonQuoted(std::string_view utf8, JsonMarkup markup);

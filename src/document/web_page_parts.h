// The web page's own files (resources/web/), built into the program:
// web_page_parts.cpp is generated from them at build time, with the SHA-256
// of the style and the script that the page's security policy names.
#pragma once

#include <string_view>

struct WebPagePart {
    std::string_view text;
    std::string_view sha256;  // of text, 64 hex digits
};

// page.html: the page with {{NAME}} where the writer puts its parts.
extern const std::string_view WEB_PAGE_TEMPLATE;
extern const WebPagePart WEB_PAGE_STYLE;   // page.css
extern const WebPagePart WEB_PAGE_SCRIPT;  // page.js

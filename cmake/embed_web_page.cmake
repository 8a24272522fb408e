# cmake -DSOURCE=<resources/web> -DOUT=<web_page_parts.cpp> -P embed_web_page.cmake
# Writes the web page's template, style and script into OUT as byte arrays,
# with the SHA-256 of the style and the script. The browser hashes what stands
# between <style> and </style> (<script> and </script>) after turning CR LF
# into LF, so a style or script with a CR, or one that could end its own
# element early, is refused here rather than blocked in the browser.
set(code "// Generated from resources/web/ by cmake/embed_web_page.cmake; do not edit.\n")
string(APPEND code "#include \"document/web_page_parts.h\"\n\nnamespace {\n")
foreach(file page.html page.css page.js)
    string(REPLACE "." "_" name ${file})
    file(READ ${SOURCE}/${file} text)
    if(NOT file STREQUAL "page.html" AND (text MATCHES "\r" OR text MATCHES "</" OR text MATCHES "<!--"))
        message(FATAL_ERROR "${SOURCE}/${file} holds a CR, \"</\" or \"<!--\"")
    endif()
    file(READ ${SOURCE}/${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(APPEND code "const char ${name}[] = {${bytes}};\n")
    file(SHA256 ${SOURCE}/${file} digest_${name})
endforeach()
string(APPEND code "} // namespace\n\n"
    "const std::string_view WEB_PAGE_TEMPLATE{page_html, sizeof page_html};\n"
    "const WebPagePart WEB_PAGE_STYLE{{page_css, sizeof page_css}, \"${digest_page_css}\"};\n"
    "const WebPagePart WEB_PAGE_SCRIPT{{page_js, sizeof page_js}, \"${digest_page_js}\"};\n")
file(WRITE ${OUT}.new "${code}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)

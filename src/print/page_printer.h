// The printer operations the printed puzzle needs, in twips from the top-left
// corner of the printable area. An operation the printer refuses is skipped.
#pragma once

class PagePrinter {
public:
    virtual ~PagePrinter() = default;
};

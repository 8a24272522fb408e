#include "view/widget_text.h"

#include "document/text_codec.h"

QString WidgetText(std::string_view cp1252)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string StoredText(const QString &entry)
{
    return EntryTextToCp1252(entry.toStdString());
}

#include "TextBuffer.h"

#include <cstring>

bool AppendText(char* buffer, std::size_t capacity, const char* text)
{
    const std::size_t used = TextLength(buffer);
    const std::size_t added = TextLength(text);
    if (used + added >= capacity) {
        return false;
    }
    std::memcpy(buffer + used, text, added + 1);
    return true;
}

bool CopyText(char* buffer, std::size_t capacity, const char* text)
{
    buffer[0] = '\0';
    return AppendText(buffer, capacity, text);
}

void CopyTextCut(char* buffer, std::size_t capacity, const char* text)
{
    const std::size_t length = BoundedLength(text, capacity - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void AppendTextCut(char* buffer, std::size_t capacity, const char* text)
{
    const std::size_t used = TextLength(buffer);
    CopyTextCut(buffer + used, capacity - used, text);
}

void ComposeFramedMessage(char* buffer, std::size_t capacity, const CatalogueEntry& message,
                          const char* item)
{
    const std::size_t frameLength = TextLength(message.head) + TextLength(message.tail);
    CopyTextCut(buffer, capacity, message.head);
    if (frameLength >= capacity) {
        return;
    }
    const std::size_t used = TextLength(buffer);
    CopyTextCut(buffer + used, capacity - frameLength, item);
    AppendText(buffer, capacity, message.tail);
}

bool ContainsBlankOrTab(const char* text)
{
    for (; *text != '\0'; ++text) {
        if (*text == ' ' || *text == '\t') {
            return true;
        }
    }
    return false;
}

std::size_t TextLength(const char* text)
{
    std::size_t length = 0;
    while (text[length] != '\0') {
        ++length;
    }
    return length;
}

std::size_t BoundedLength(const char* text, std::size_t limit)
{
    std::size_t length = 0;
    while (length < limit && text[length] != '\0') {
        ++length;
    }
    return length;
}

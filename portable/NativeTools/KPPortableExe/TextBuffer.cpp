#include "TextBuffer.h"

#include <cstring>

bool AppendText(char* buffer, std::size_t capacity, const char* text)
{
    const std::size_t used = std::strlen(buffer);
    const std::size_t added = std::strlen(text);
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
    const std::size_t length = strnlen(text, capacity - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void ComposeFramedMessage(char* buffer, std::size_t capacity, const FramedMessage& message,
                          const char* item)
{
    const std::size_t frameLength = std::strlen(message.prefix) + std::strlen(message.suffix);
    CopyTextCut(buffer, capacity, message.prefix);
    if (frameLength >= capacity) {
        return;
    }
    const std::size_t used = std::strlen(buffer);
    CopyTextCut(buffer + used, capacity - frameLength, item);
    AppendText(buffer, capacity, message.suffix);
}

bool ContainsBlankOrTab(const char* text)
{
    return std::strpbrk(text, " \t") != nullptr;
}
